// Time from a PlayWAV call to its return, with the machine's real audio output (a sound server
// if one runs, otherwise none). The device is opened once before measuring, as the game does
// right after its window shows.
#include "Sound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    installAudioWarningFilter();
    QCoreApplication app(argc, argv);
    // The sound module lies in the program folder, not beside the benchmarks.
    setAudioOutput(makeSystemAudioOutput(QStringLiteral(QUENDO_BIN_DIR)));
    QElapsedTimer clock;
    clock.start();
    warmUpAudio();
    const double warmUpMs = clock.nsecsElapsed() / 1e6;

    clock.restart();
    PlayWAV(101);
    const double firstUs = clock.nsecsElapsed() / 1e3;

    std::vector<double> us;
    for (int i = 0; i < 200; ++i) {
        clock.restart();
        PlayWAV(100 + i % 11);
        us.push_back(clock.nsecsElapsed() / 1e3);
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    std::sort(us.begin(), us.end());
    std::printf("audio device opened in %.1f ms; first PlayWAV %.0f us\n", warmUpMs, firstUs);
    std::printf("PlayWAV call to return over %zu calls: median %.0f us, 95th percentile %.0f us, "
                "max %.0f us\n",
                us.size(), us[us.size() / 2], us[us.size() * 95 / 100], us.back());
    shutdownAudio();
    return 0;
}
