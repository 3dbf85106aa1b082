// Main: one copy per user, the start counter, the first language, the language table in the
// temporary folder, the info box as splash while the main window loads, then the main window.
#include "Dialogs.h"
#include "ErrorConvention.h"
#include "frmInfo.h"
#include "frmQuendo.h"
#include "Language.h"
#include "ModResFiles.h"
#include "Settings.h"
#include "Sound.h"
#include "TempDir.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QLockFile>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    installAudioWarningFilter();
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationDisplayName(kAppTitle);
    QApplication::setDesktopFileName(QStringLiteral("quendo"));

    MessageBoxDialogs dialogs;
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<frmQuendo> window;
    QPointer<frmInfo> splash;
    bool otherCopy = false;
    qint16 starts = 0;

    Procedure proc(kModuleAllgemein, u"Main");
    proc.step([&] {
        // A lock of a crashed run is taken over: QLockFile sees its holder is gone.
        lock = std::make_unique<QLockFile>(GetTempDir() + QStringLiteral("Quendo.lock"));
        otherCopy = !lock->tryLock(0) && lock->error() == QLockFile::LockFailedError;
    });
    if (otherCopy)
        return 0;
    proc.step([&] { starts = readStartCount(); });
    proc.step([&] { setLangBase(startLangBase(starts, QLocale::system())); });
    proc.step([&] {
        setLangFilePath(GetTempDir() + QStringLiteral("~tmp.lng"));
        SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), langFilePath());
    });
    proc.step([&] {
        qint16 next = starts;
        Procedure count(kModuleAllgemein, u"Main");
        count.step([&] { next = checkedInt16(qint32(starts) + 1); });
        writeStartCount(next);
    });
    proc.step([&] {
        setSplashMode(true);
        splash = new frmInfo;
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
    });
    proc.step([&] { window = std::make_unique<frmQuendo>(dialogs); });
    // For the start-up benchmark (tools/bench/startup.sh).
    if (qEnvironmentVariableIsSet("QUENDO_TRACE_STARTUP"))
        std::fprintf(stderr, "quendo: main window loaded at %lld ms\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    proc.step([&] {
        if (!splashDone() && splash) {
            QEventLoop wait;
            QObject::connect(splash, &QObject::destroyed, &wait, &QEventLoop::quit);
            wait.exec();
        }
    });
    if (!window)
        return 1;
    proc.step([&] { window->show(); });
    proc.step([&] {
        if (splash)
            splash->close();
    });
    // Opens the audio device now that the window is up, so that the first sound is quick.
    QTimer::singleShot(0, [] { warmUpAudio(); });

    const int code = QApplication::exec();
    window.reset();
    shutdownAudio();
    return code;
}
