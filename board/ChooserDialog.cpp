#include "ChooserDialog.h"

#include "BoardLayout.h"
#include "ClickableImage.h"
#include "ErrorConvention.h"
#include "Language.h"
#include "ModResFiles.h"
#include "Settings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

const ChooserSpec &letterChooserSpec()
{
    static const ChooserSpec spec{QStringLiteral("frmLetters"),
                                  QStringLiteral("picLetter_Click"),
                                  QStringLiteral("picLetter_DblClick"),
                                  QStringLiteral("Letter"),
                                  111,
                                  11,
                                  {120, 89},
                                  4,
                                  {136, 104},
                                  {16, 16},
                                  {140, 107},
                                  {488, 280, 49, 33},
                                  167};
    return spec;
}

const ChooserSpec &backgroundChooserSpec()
{
    static const ChooserSpec spec{QStringLiteral("frmBack"),
                                  QStringLiteral("picBack_Click"),
                                  QStringLiteral("picBack_DblClick"),
                                  QStringLiteral("Back"),
                                  200,
                                  4,
                                  {100, 100},
                                  2,
                                  {128, 128},
                                  {24, 16},
                                  {120, 120},
                                  {280, 200, 41, 41},
                                  173};
    return spec;
}

ChooserDialog::ChooserDialog(const ChooserSpec &spec, qint16 &choice, QWidget *parent)
    : QDialog(parent), m_spec(spec), m_choice(choice)
{
    setObjectName(spec.module);
    setWindowTitle(GetLang(langBase() + spec.titleText));
    for (int i = 0; i < spec.count; ++i) {
        auto *thumb = new ClickableImage(this);
        thumb->setGeometry(thumbnailRect(i));
        connect(thumb, &ClickableImage::clicked, this, [this, i] { select(i); });
        connect(thumb, &ClickableImage::doubleClicked, this, [this, i] { selectAndClose(i); });
        m_thumbs.append(thumb);
    }
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(spec.okButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ChooserDialog::cmdOK_Click);

    const QRect last = thumbnailRect(spec.count - 1);
    const int right =
        std::max(spec.okButton.right(), spec.first.x() + spec.perRow * spec.pitch.x());
    setFixedSize(right + spec.first.x(),
                 std::max(spec.okButton.bottom(), last.bottom()) + spec.first.y() + 1);
    Form_Load();
}

QRect ChooserDialog::thumbnailRect(int index) const
{
    const QPoint at = m_spec.first + QPoint((index % m_spec.perRow) * m_spec.pitch.x(),
                                            (index / m_spec.perRow) * m_spec.pitch.y());
    return QRect(at, m_spec.thumbnail);
}

void ChooserDialog::Form_Load()
{
    Procedure proc(m_spec.module, u"Form_Load");
    const qreal dpr = devicePixelRatioF();
    for (int i = 0; i < m_spec.count; ++i) {
        // The bitmap unscaled from its top-left corner, clipped to the thumbnail.
        if (!proc.step([&] {
                const QImage picture = LoadResPicture(m_spec.firstBitmap + i, dpr);
                const QSize size = m_spec.thumbnail * picture.devicePixelRatio();
                QPixmap thumb = QPixmap::fromImage(picture.copy(QRect(QPoint(0, 0), size)));
                thumb.setDevicePixelRatio(picture.devicePixelRatio());
                m_thumbs[i]->setPixmap(thumb);
            }))
            return;
    }
    proc.step([&] { centreFrameOn(std::clamp<int>(m_choice, 0, m_spec.count - 1)); });
}

void ChooserDialog::centreFrameOn(int index)
{
    const QRect thumb = thumbnailRect(index);
    m_frame = QRect(thumb.x() - BoardLayout::halfOf(m_spec.frame.width() - thumb.width()),
                    thumb.y() - BoardLayout::halfOf(m_spec.frame.height() - thumb.height()),
                    m_spec.frame.width(), m_spec.frame.height());
    update();
}

void ChooserDialog::select(int index)
{
    Procedure proc(m_spec.module, m_spec.clickName);
    proc.step([&] {
        if (index < 0 || index >= m_spec.count)
            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
        centreFrameOn(index);
        m_choice = qint16(index);
        SaveIni(QStringLiteral("Einstellungen"), m_spec.settingsKey, numTextPlain(index));
    });
}

void ChooserDialog::selectAndClose(int index)
{
    Procedure proc(m_spec.module, m_spec.doubleClickName);
    proc.step([&] { select(index); });
    proc.step([&] { cmdOK_Click(); });
}

void ChooserDialog::cmdOK_Click()
{
    Procedure proc(m_spec.module, u"cmdOK_Click");
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
