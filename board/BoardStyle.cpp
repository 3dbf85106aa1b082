#include "BoardStyle.h"

#include "TextIds.h"

#include <QImage>

namespace BoardStyle {

const std::array<ToolButtonLook, kToolButtons> &toolButtons()
{
    static constexpr std::array<ToolButtonLook, kToolButtons> kTable = {{
        {u"tool_start", Txt::StartGame},
        {u"tool_end", Txt::EndGame},
        {u"tool_back", Txt::Background},
        {u"tool_letter", Txt::LetterStyle},
        {u"tool_options", Txt::Options},
        {u"tool_help", Txt::Help},
        {u"tool_next", Txt::Next},
    }};
    return kTable;
}

QFont nameFont(const QFont &base)
{
    QFont font = base;
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

QFont scoreFont(const QFont &base)
{
    QFont font = base;
    font.setPointSize(14);
    return font;
}

QFont noticeFont(const QFont &base)
{
    QFont font = base;
    font.setPointSize(8);
    return font;
}

QPixmap solutionLetter(const QPixmap &found)
{
    QImage image = found.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // Grey, lighter and a little see-through: clearly there, clearly not earned.
            const int grey = 90 + qGray(line[x]) * 150 / 255;
            line[x] = qRgba(grey, grey, grey + 8, qAlpha(line[x]) * 3 / 4);
        }
    }
    QPixmap washed = QPixmap::fromImage(image);
    washed.setDevicePixelRatio(found.devicePixelRatio());
    return washed;
}

QString panelStyle()
{
    return QStringLiteral(
        "QLabel { background: rgba(255, 255, 255, 170); border: 2px solid rgba(60, 60, 90, 120);"
        " border-radius: 12px; }");
}

QString nameStyle(bool highlighted)
{
    return highlighted ? QStringLiteral("QLabel { background: rgb(255, 255, 0); color: black;"
                                        " border-radius: 6px; padding: 0 4px; }")
                       : QStringLiteral("QLabel { background: black; color: rgb(255, 255, 0);"
                                        " border-radius: 6px; padding: 0 4px; }");
}

QString scoreStyle()
{
    return QStringLiteral("QLabel { color: #1D2B64; font-weight: bold; background: transparent; }");
}

QString noticeStyle()
{
    return QStringLiteral("color: rgba(30, 30, 50, 170); background: transparent;");
}

QString toolbarStyle()
{
    return QStringLiteral("QFrame#picToolbar { background: rgba(255, 255, 255, 150);"
                          " border: 2px solid rgba(60, 60, 90, 110); border-radius: 14px; }");
}

QString buttonStyle()
{
    return QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF,"
        " stop:1 #DCE6F2); border: 1px solid #7A8BA6; border-radius: 7px; }"
        "QPushButton:hover { background: #FFF6C8; border-color: #E0A000; }"
        "QPushButton:pressed { background: #FFE27A; }"
        "QPushButton:disabled { background: #E6E6E6; border-color: #B0B0B0; }");
}

} // namespace BoardStyle
