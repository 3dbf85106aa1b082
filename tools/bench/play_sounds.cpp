// Plays WAV resources through PlayWAV with pauses between them, for listening checks:
//   play_sounds 100:800 101:50 104:600     (id:milliseconds to wait after starting it)
#include "Sound.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    installAudioWarningFilter();
    QCoreApplication app(argc, argv);
    // The sound module lies in the program folder, not beside the benchmarks.
    setAudioOutput(makeSystemAudioOutput(QStringLiteral(QUENDO_BIN_DIR)));
    warmUpAudio();
    // The device list fills in from the event loop, as it does while the game's window opens.
    {
        QEventLoop settle;
        QTimer::singleShot(300, &settle, &QEventLoop::quit);
        settle.exec();
    }
    for (const QString &arg : app.arguments().mid(1)) {
        const QStringList parts = arg.split(QLatin1Char(':'));
        bool ok = false;
        const int id = parts.value(0).toInt(&ok);
        if (!ok) {
            std::fprintf(stderr, "play_sounds: bad argument %s\n", qPrintable(arg));
            return 2;
        }
        PlayWAV(id);
        QEventLoop wait;
        QTimer::singleShot(parts.value(1, QStringLiteral("1000")).toInt(), &wait,
                           &QEventLoop::quit);
        wait.exec();
    }
    shutdownAudio();
    return 0;
}
