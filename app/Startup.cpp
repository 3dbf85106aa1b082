#include "Startup.h"

#include "frmInfo.h"
#include "frmQuendo.h"
#include "Language.h"
#include "ModResFiles.h"
#include "Places.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "Sound.h"
#include "Speech.h"
#include "StartupPictures.h"
#include "StartupPrefetch.h"
#include "TempDir.h"

#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

QStringList ratioPaths(QStringList paths)
{
    for (QString &path : paths)
        path = picturePathForRatio(path, qApp->devicePixelRatio());
    return paths;
}

} // namespace

void traceStartup(const char *milestone)
{
    static const bool on = qEnvironmentVariableIsSet("QUENDO_TRACE_STARTUP");
    if (on)
        std::fprintf(stderr, "quendo: %s at %lld ms\n", milestone,
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
}

void keepLargePicturesApart()
{
#ifdef __GLIBC__
    // glibc would raise this bound after the first large block freed and keep the later ones
    // in a heap that only grows.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

StartUp::StartUp()
{
    // From here on every failure is shown in the error report; the report's End ends the
    // program at once.
    setProgramEnd(endProgramAtOnce);
    // Image decoding must not start before the application object exists: Qt's plug-in search
    // is not safe against its construction.
    m_prefetch = std::make_unique<StartupPrefetch>();
    m_prefetch->addFontDatabase();
    m_prefetch->addPictures(
        ratioPaths(StartupPictures::design() + StartupPictures::chosenBySettings()));
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationDisplayName(kAppTitle);
    QApplication::setDesktopFileName(QStringLiteral("quendo"));
}

StartUp::~StartUp()
{
    m_window.reset();
    shutdownAudio();
    shutdownSpeech();
    m_prefetch.reset();
}

bool StartUp::isTheOnlyCopy()
{
    m_proc.step([&] {
        m_temp = findTempFolder();
        m_copy = checkSingleCopy(m_temp.path);
        for (const QString &note : std::as_const(m_copy.notes))
            std::fprintf(stderr, "quendo: %s\n", qPrintable(note));
    });
    return m_copy.outcome != SingleCopyLock::Outcome::OtherCopy;
}

void StartUp::chooseLanguage()
{
    m_proc.step([&] { m_starts = Setting::readStartCount(); });
    m_proc.step([&] { setCurrentLanguage(startLanguage(m_starts, QLocale::system())); });
}

void StartUp::placeLanguageTable()
{
    // The table stays in memory as well, so that texts still come when the file cannot be read.
    m_proc.step([&] { holdLanguageTable(LoadResData(1000, u"CUSTOM")); });
    m_proc.step([&] {
        setLangFilePath(::placeLanguageTable(m_dialogs, m_temp, LoadResData(1000, u"CUSTOM")));
    });
}

void StartUp::tellWhatIsKept()
{
    m_proc.step([&] {
        // Said once here; the writes of the start-up itself would fail as well.
        const FilesKept kept = userFilesKept();
        tellIfNothingIsKept(m_dialogs, kept);
        m_settingsNotice.holdBack(!kept);
    });
}

void StartUp::countThisStart()
{
    m_proc.step([&] {
        qint16 next = m_starts;
        Procedure count(Proc::Allgemein::Main);
        count.step([&] { next = checkedInt16(qint32(m_starts) + 1); });
        Setting::writeStartCount(next);
    });
}

void StartUp::showSplash()
{
    m_proc.step([&] {
        setSplashMode(true);
        m_splash = new frmInfo;
        m_splash->setAttribute(Qt::WA_DeleteOnClose);
        m_splash->leaveClosingToStartUp();
        m_splash->show();
    });
    traceStartup("splash shown");
}

void StartUp::loadMainWindow()
{
    m_proc.step([&] { m_window = std::make_unique<frmQuendo>(m_dialogs); });
    traceStartup("main window loaded");
    m_prefetch.reset();
}

void StartUp::waitForSplash()
{
    m_proc.step([&] {
        if (!splashDone() && m_splash) {
            QEventLoop wait;
            QObject::connect(m_splash, &frmInfo::splashOver, &wait, &QEventLoop::quit);
            QObject::connect(m_splash, &QObject::destroyed, &wait, &QEventLoop::quit);
            wait.exec();
        }
    });
}

bool StartUp::showMainWindow()
{
    if (!m_window)
        return false;
    m_proc.step([&] { m_window->show(); });
    // From here on a change the user makes and cannot keep is told.
    m_settingsNotice.holdBack(false);
    m_proc.step([&] {
        // The board paints before the splash goes, so the screen is never blank between them.
        QDeadlineTimer deadline(200);
        while (!m_window->windowHandle()->isExposed() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        m_window->repaint();
        // At once: a deferred deletion posted before the event loop runs is never carried out
        // here, and the splash would keep its pictures for the whole game.
        delete m_splash;
    });
    return true;
}

void StartUp::warmUpSound()
{
    // Loads the sound module and opens the audio device once the window has painted, so that
    // the first sound is quick and the first paint does not wait for it. With the sound off the
    // module is not loaded at all; turned on later, the first sound loads it.
    if (Setting::peek(Setting::SoundOn) != 0)
        QTimer::singleShot(250, [] { warmUpAudio(); });
}

void StartUp::warmUpSpeech()
{
    // Reading aloud likewise: its module and the speech server only when it is on.
    if (Setting::peek(Setting::SpeechOn) != 0)
        QTimer::singleShot(300, [] { ::warmUpSpeech(); });
}
