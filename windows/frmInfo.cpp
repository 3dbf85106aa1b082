#include "frmInfo.h"

#include "Catalogue.h"
#include "ClickableImage.h"
#include "ErrorConvention.h"
#include "Language.h"
#include "ModResFiles.h"
#include "Settings.h"
#include "TextIds.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

bool g_splashMode = false;
bool g_splashDone = false;

const QString kArt = QStringLiteral("info_art");
const QString kSmall = QStringLiteral("info_small");

QPixmap picture(QStringView name)
{
    return QPixmap::fromImage(LoadWindowPicture(name, qApp->devicePixelRatio()));
}

} // namespace

bool splashMode()
{
    return g_splashMode;
}
void setSplashMode(bool on)
{
    g_splashMode = on;
}
bool splashDone()
{
    return g_splashDone;
}
void setSplashDone(bool done)
{
    g_splashDone = done;
}

frmInfo::frmInfo(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kAppTitle);
    setObjectName(QStringLiteral("frmInfo"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFB, 0xF6, 0xE9));
    setPalette(pal);

    auto *root = new QHBoxLayout(this);
    root->setContentsMargins(12, 12, 16, 12);
    root->setSpacing(16);
    m_art = new QLabel(this);
    root->addWidget(m_art, 0, Qt::AlignTop);

    auto *column = new QVBoxLayout;
    root->addLayout(column);
    auto *title = new QHBoxLayout;
    m_small = new QLabel(this);
    m_version = new QLabel(this);
    QFont bold = m_version->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.35);
    m_version->setFont(bold);
    title->addWidget(m_small);
    title->addWidget(m_version, 1);
    column->addLayout(title);
    column->addSpacing(12);
    m_readMe = new QLabel(this);
    m_readMe->setWordWrap(true);
    m_readMe->setMinimumWidth(200);
    column->addWidget(m_readMe);
    column->addStretch(1);

    auto *flagRows = new QVBoxLayout;
    flagRows->setSpacing(6);
    QHBoxLayout *row = nullptr;
    for (int i = 0; i < kLanguageCount; ++i) {
        if (i == 0 || i == 4) {
            row = new QHBoxLayout;
            row->setSpacing(6);
            flagRows->addLayout(row);
        }
        auto *flag = new ClickableImage(this);
        flag->setToolTip(Language::fromIndex(i).ownName());
        connect(flag, &ClickableImage::clicked, this, [this, i] { imgLang_Click(i); });
        m_flags[i] = flag;
        row->addWidget(flag);
        if (i == 6)
            row->addStretch(1);
    }
    flagRows->itemAt(0)->layout()->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding));
    column->addLayout(flagRows);
    column->addSpacing(12);
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    connect(m_ok, &QPushButton::clicked, this, &frmInfo::cmdOK_Click);
    column->addWidget(m_ok, 0, Qt::AlignRight);

    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer); // never show the board before 2.5 s
    connect(&m_timer, &QTimer::timeout, this, &frmInfo::Timer1_Timer);
    Form_Load();
}

QString frmInfo::versionLine()
{
    const auto v = Catalogue::kVersion;
    return kAppTitle + QStringLiteral("  %1.%2.%3")
                           .arg(v.major)
                           .arg(v.minor, 2, 10, QLatin1Char('0'))
                           .arg(v.revision, 4, 10, QLatin1Char('0'));
}

void frmInfo::Form_Load()
{
    Procedure proc(Proc::frmInfo::Form_Load);
    proc.step([&] {
        m_art->setPixmap(picture(kArt));
        m_small->setPixmap(picture(kSmall));
        for (int i = 0; i < kLanguageCount; ++i)
            m_flags[i]->setPixmap(picture(Catalogue::flagPicture(i)));
    });
    proc.step([&] { m_version->setText(versionLine()); });
    proc.step([&] { Sprache(); });
    proc.step([&] {
        if (splashMode()) {
            setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
            m_ok->setVisible(false);
            m_timer.start(kSplashMs);
            setSplashMode(false);
        } else {
            m_timer.stop();
            m_ok->setVisible(true);
        }
    });
}

void frmInfo::Sprache()
{
    Procedure proc(Proc::frmInfo::Sprache);
    proc.step([&] {
        m_version->setText(versionLine());
        m_readMe->setText(uiText(Txt::SeeReadMe));
        markLanguageFlag(m_flags);
    });
}

void frmInfo::imgLang_Click(int index)
{
    Procedure proc(Proc::frmInfo::imgLang_Click);
    proc.step([&] {
        if (index < 0 || index >= kLanguageCount)
            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
        if (index == currentLanguage().index())
            return;
        switchLanguage(Language::fromIndex(index), m_flags);
        Sprache();
    });
}

void frmInfo::Timer1_Timer()
{
    Procedure proc(Proc::frmInfo::Timer1_Timer);
    proc.step([&] { m_timer.stop(); });
    proc.step([&] { setSplashDone(true); });
    proc.step([&] { emit splashOver(); });
    // Start-up closes a splash it waits for itself, once the board has painted: no blank
    // moment between the two.
    proc.step([&] {
        if (!m_closedByStartUp)
            close();
    });
}

void frmInfo::cmdOK_Click()
{
    Procedure proc(Proc::frmInfo::cmdOK_Click);
    proc.step([&] { accept(); });
}

bool frmInfo::okVisible() const
{
    return !m_ok->isHidden();
}

QString frmInfo::readMeText() const
{
    return m_readMe->text();
}
