// Main: one copy per user, the start counter, the first language, the language table in the
// temporary folder (and in memory), the info box as splash while the main window loads, then the
// main window.
#include "ErrorConvention.h"
#include "ErrorReporting.h"
#include "frmInfo.h"
#include "frmQuendo.h"
#include "Language.h"
#include "MessageBoxDialogs.h"
#include "ModResFiles.h"
#include "Places.h"
#include "SaveTrouble.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "Sound.h"
#include "Speech.h"
#include "StartupChecks.h"
#include "StartupPictures.h"
#include "StartupPrefetch.h"
#include "TempDir.h"
#include "TextIds.h"

#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QScopeGuard>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// For the start-up benchmark (tools/bench/startup.sh): wall-clock milestones on standard error.
void traceStartup(const char *milestone)
{
    static const bool on = qEnvironmentVariableIsSet("QUENDO_TRACE_STARTUP");
    if (on)
        std::fprintf(stderr, "quendo: %s at %lld ms\n", milestone,
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
}

QStringList ratioPaths(QStringList paths)
{
    for (QString &path : paths)
        path = picturePathForRatio(path, qApp->devicePixelRatio());
    return paths;
}

} // namespace

int main(int argc, char **argv)
{
#ifdef __GLIBC__
    // Decoded pictures are large and come and go with the words: each taken from the system and
    // given back whole leaves no holes. glibc would raise this bound after the first one freed
    // and keep the later ones in a heap that only grows.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    traceStartup("main entered");
    installAudioWarningFilter();
    QApplication app(argc, argv);
    traceStartup("application created");
    // From here on every failure is shown in the error report; the report's End ends the
    // program at once (see endProgramAtOnce).
    MessageBoxDialogs errorDialogs = MessageBoxDialogs::bilingual();
    const ErrorReporting errorReporting(errorDialogs);
    setProgramEnd(endProgramAtOnce);
    // Image decoding must not start before the application object exists: Qt's plug-in search
    // is not safe against its construction. The worker ends before the application object.
    auto prefetch = std::make_unique<StartupPrefetch>();
    const auto endPrefetch = qScopeGuard([&] { prefetch.reset(); });
    prefetch->addFontDatabase();
    prefetch->addPictures(
        ratioPaths(StartupPictures::design() + StartupPictures::chosenBySettings()));
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationDisplayName(kAppTitle);
    QApplication::setDesktopFileName(QStringLiteral("quendo"));

    MessageBoxDialogs dialogs;
    SettingsNotice settingsNotice(dialogs);
    TempFolder temp;
    SingleCopyCheck copy;
    std::unique_ptr<frmQuendo> window;
    QPointer<frmInfo> splash;
    qint16 starts = 0;

    Procedure proc(Proc::Allgemein::Main);
    proc.step([&] {
        temp = findTempFolder();
        copy = checkSingleCopy(temp.path);
        for (const QString &note : std::as_const(copy.notes))
            std::fprintf(stderr, "quendo: %s\n", qPrintable(note));
    });
    if (copy.outcome == SingleCopyLock::Outcome::OtherCopy)
        return 0;
    proc.step([&] { starts = Setting::readStartCount(); });
    proc.step([&] { setCurrentLanguage(startLanguage(starts, QLocale::system())); });
    // The table stays in memory as well, so that texts still come when the file cannot be read.
    proc.step([&] { holdLanguageTable(LoadResData(1000, u"CUSTOM")); });
    proc.step(
        [&] { setLangFilePath(placeLanguageTable(dialogs, temp, LoadResData(1000, u"CUSTOM"))); });
    proc.step([&] {
        // Said once here; the writes of the start-up itself would fail as well.
        const FilesKept kept = userFilesKept();
        tellIfNothingIsKept(dialogs, kept);
        settingsNotice.holdBack(!kept);
    });
    proc.step([&] {
        qint16 next = starts;
        Procedure count(Proc::Allgemein::Main);
        count.step([&] { next = checkedInt16(qint32(starts) + 1); });
        Setting::writeStartCount(next);
    });
    proc.step([&] {
        setSplashMode(true);
        splash = new frmInfo;
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->leaveClosingToStartUp();
        splash->show();
    });
    traceStartup("splash shown");
    proc.step([&] { window = std::make_unique<frmQuendo>(dialogs); });
    traceStartup("main window loaded");
    prefetch.reset();
    proc.step([&] {
        if (!splashDone() && splash) {
            QEventLoop wait;
            QObject::connect(splash, &frmInfo::splashOver, &wait, &QEventLoop::quit);
            QObject::connect(splash, &QObject::destroyed, &wait, &QEventLoop::quit);
            wait.exec();
        }
    });
    if (!window)
        return 1;
    proc.step([&] { window->show(); });
    // From here on a change the user makes and cannot keep is told.
    settingsNotice.holdBack(false);
    proc.step([&] {
        // The board paints before the splash goes, so the screen is never blank between them.
        QDeadlineTimer deadline(200);
        while (!window->windowHandle()->isExposed() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        window->repaint();
        // At once: a deferred deletion posted before the event loop runs is never carried out
        // here, and the splash would keep its pictures for the whole game.
        delete splash;
    });
    // Loads the sound module and opens the audio device once the window has painted, so that
    // the first sound is quick and the first paint does not wait for it.
    // With the sound off the module is not loaded at all (a few MB of libraries and a thread);
    // turned on later, the first sound loads it.
    if (Setting::peek(Setting::SoundOn) != 0)
        QTimer::singleShot(250, [] { warmUpAudio(); });
    // Reading aloud likewise: its module and the speech server only when it is on.
    if (Setting::peek(Setting::SpeechOn) != 0)
        QTimer::singleShot(300, [] { warmUpSpeech(); });

    const int code = QApplication::exec();
    window.reset();
    shutdownAudio();
    shutdownSpeech();
    return code;
}
