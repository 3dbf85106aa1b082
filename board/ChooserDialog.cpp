#include "ChooserDialog.h"

#include "BoardLayout.h"
#include "Catalogue.h"
#include "ClickableImage.h"
#include "ErrorConvention.h"
#include "Language.h"
#include "ModResFiles.h"
#include "TextIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

const ChooserTable &letterChooserTable()
{
    static const ChooserTable table{.formLoad = Proc::frmLetters::Form_Load,
                                    .click = Proc::frmLetters::picLetter_Click,
                                    .doubleClick = Proc::frmLetters::picLetter_DblClick,
                                    .ok = Proc::frmLetters::cmdOK_Click,
                                    .setting = &Setting::LetterStyle,
                                    .firstBitmap = Catalogue::kFirstLetterStyle,
                                    .count = Catalogue::kLetterStyles,
                                    .thumbnail = {120, 89},
                                    .perRow = 4,
                                    .pitch = {136, 104},
                                    .first = {16, 16},
                                    .frame = {140, 107},
                                    .okButton = {488, 280, 49, 33},
                                    .titleText = Txt::LetterStyle};
    return table;
}

const ChooserTable &backgroundChooserTable()
{
    static const ChooserTable table{.formLoad = Proc::frmBack::Form_Load,
                                    .click = Proc::frmBack::picBack_Click,
                                    .doubleClick = Proc::frmBack::picBack_DblClick,
                                    .ok = Proc::frmBack::cmdOK_Click,
                                    .setting = &Setting::Background,
                                    .firstBitmap = Catalogue::kFirstBackground,
                                    .count = Catalogue::kBackgrounds,
                                    .thumbnail = {100, 100},
                                    .perRow = 2,
                                    .pitch = {128, 128},
                                    .first = {24, 16},
                                    .frame = {120, 120},
                                    .okButton = {280, 200, 41, 41},
                                    .titleText = Txt::Background};
    return table;
}

ChooserDialog::ChooserDialog(const ChooserTable &table, qint16 &choice, QWidget *parent)
    : QDialog(parent), m_table(table), m_choice(choice)
{
    setObjectName(table.formLoad.module.toString());
    setWindowTitle(uiText(table.titleText));
    for (int i = 0; i < table.count; ++i) {
        auto *thumb = new ClickableImage(this);
        thumb->setGeometry(thumbnailRect(i));
        connect(thumb, &ClickableImage::clicked, this, [this, i] { select(i); });
        connect(thumb, &ClickableImage::doubleClicked, this, [this, i] { selectAndClose(i); });
        m_thumbs.append(thumb);
    }
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(table.okButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ChooserDialog::cmdOK_Click);

    const QRect last = thumbnailRect(table.count - 1);
    const int right =
        std::max(table.okButton.right(), table.first.x() + table.perRow * table.pitch.x());
    setFixedSize(right + table.first.x(),
                 std::max(table.okButton.bottom(), last.bottom()) + table.first.y() + 1);
    Form_Load();
}

QRect ChooserDialog::thumbnailRect(int index) const
{
    const QPoint at = m_table.first + QPoint((index % m_table.perRow) * m_table.pitch.x(),
                                             (index / m_table.perRow) * m_table.pitch.y());
    return QRect(at, m_table.thumbnail);
}

void ChooserDialog::Form_Load()
{
    Procedure proc(m_table.formLoad);
    const qreal dpr = devicePixelRatioF();
    for (int i = 0; i < m_table.count; ++i) {
        // The bitmap unscaled from its top-left corner, clipped to the thumbnail.
        if (!proc.step([&] {
                const QImage picture = LoadResPicture(m_table.firstBitmap + i, dpr);
                const QSize size = m_table.thumbnail * picture.devicePixelRatio();
                QPixmap thumb = QPixmap::fromImage(picture.copy(QRect(QPoint(0, 0), size)));
                thumb.setDevicePixelRatio(picture.devicePixelRatio());
                m_thumbs[i]->setPixmap(thumb);
            }))
            return;
    }
    proc.step([&] { centreFrameOn(std::clamp<int>(m_choice, 0, m_table.count - 1)); });
}

void ChooserDialog::centreFrameOn(int index)
{
    const QRect thumb = thumbnailRect(index);
    m_frame = QRect(thumb.x() - BoardLayout::halfOf(m_table.frame.width() - thumb.width()),
                    thumb.y() - BoardLayout::halfOf(m_table.frame.height() - thumb.height()),
                    m_table.frame.width(), m_table.frame.height());
    update();
}

void ChooserDialog::select(int index)
{
    Procedure proc(m_table.click);
    proc.step([&] {
        if (index < 0 || index >= m_table.count)
            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
        centreFrameOn(index);
        m_choice = qint16(index);
        Setting::write(*m_table.setting, qint16(index));
    });
}

void ChooserDialog::selectAndClose(int index)
{
    Procedure proc(m_table.doubleClick);
    proc.step([&] { select(index); });
    proc.step([&] { cmdOK_Click(); });
}

void ChooserDialog::cmdOK_Click()
{
    Procedure proc(m_table.ok);
    proc.step([&] { accept(); });
}

void ChooserDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(m_frame).adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
    p.fillPath(path, QColor(255, 204, 0, 90));
    p.setPen(QPen(QColor(0xF2, 0x8C, 0x00), 3));
    p.drawPath(path);
}
