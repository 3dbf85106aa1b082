// Reading aloud: from a key press in the real main window to the text handed to the speech
// engine, the program's own time (what the voice then takes is the speech server's). The
// speech module of the build is used, so a speech server must be reachable: tools/bench/speech.sh
// starts one that writes what it is given to a file.
//     bench_speech [words]        (QT_QPA_PLATFORM=offscreen, or a display)
#include "BenchFolder.h"
#include "Dialogs.h"
#include "frmQuendo.h"
#include "Speech.h"
#include "TempDir.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Answers every question with Yes (Start during a game).
class QuietDialogs : public Dialogs
{
public:
    bool askYesNo(QWidget *, const QString &, const QString &) override { return true; }
    bool askOkCancel(QWidget *, const QString &, const QString &) override { return true; }
    void message(QWidget *, const QString &, const QString &, Icon) override {}
    std::optional<QString> input(QWidget *, const QString &, const QString &) override
    {
        return std::nullopt;
    }
};

// Hands every text to the real engine and notes when the first one of a key press was handed.
class TimedSpeech : public SpeechOutput
{
public:
    explicit TimedSpeech(std::unique_ptr<SpeechOutput> engine) : m_engine(std::move(engine)) {}
    void say(const QString &text, const QLocale &locale, bool cutOff) override
    {
        const qint64 start = clock.nsecsElapsed();
        m_engine->say(text, locale, cutOff);
        if (handedAt < 0) {
            handedAt = clock.nsecsElapsed();
            engineTook = handedAt - start;
        }
    }
    void stop() override { m_engine->stop(); }
    void warmUp() override { m_engine->warmUp(); }

    QElapsedTimer clock;
    qint64 handedAt = -1;
    qint64 engineTook = 0; // of that, the engine's own say(): a request to the speech server

private:
    std::unique_ptr<SpeechOutput> m_engine;
};

double at(std::vector<double> v, double share)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(double(v.size()) * share))];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int words = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    BenchFolder dir;
    if (!dir.ready()) {
        std::fprintf(stderr, "bench_speech: the program's resources are missing\n");
        return 1;
    }
    // One player, no hints, sound on as it is by default, reading aloud on.
    writeFileAtomically(dir.path() + QStringLiteral("/Quendo.ini"),
                        "[Einstellungen]\r\nnumPlayers= 1\r\nTipps1= 0\r\nVorlesen=-1\r\n");
    QDir(dir.path()).mkdir(Language().folder());
    writeFileAtomically(dir.path() + u'/' + Language().folder() + QStringLiteral("/quendo.dat"),
                        "Donaudampfschiff\r\n");
    auto timed =
        std::make_unique<TimedSpeech>(makeSystemSpeechOutput(QStringLiteral(QUENDO_BIN_DIR)));
    TimedSpeech &speech = *timed;
    setSpeechOutput(std::move(timed));
    warmUpSpeech(); // as start-up does once the window shows

    QuietDialogs dialogs;
    frmQuendo window(dialogs);
    window.show();
    QApplication::processEvents();
    // Five hits and five misses a word, then Start lays out the next: no word ends.
    const QString keys = QStringLiteral("dxoyn") + QStringLiteral("qajuk");
    std::vector<double> ms, engine;
    speech.clock.start();
    for (int w = 0; w < words; ++w) {
        window.PicBut_Click(0);
        for (const QChar key : keys) {
            QKeyEvent press(QEvent::KeyPress, key.toUpper().unicode(), Qt::NoModifier,
                            QString(key));
            QKeyEvent release(QEvent::KeyRelease, key.toUpper().unicode(), Qt::NoModifier,
                              QString(key));
            speech.handedAt = -1;
            const qint64 pressed = speech.clock.nsecsElapsed();
            QApplication::sendEvent(&window, &press);
            if (speech.handedAt >= 0) {
                ms.push_back(double(speech.handedAt - pressed) / 1e6);
                engine.push_back(double(speech.engineTook) / 1e6);
            }
            QApplication::sendEvent(&window, &release);
            QThread::msleep(30); // a child's typing, and the server's time to speak
            QApplication::processEvents();
        }
    }
    if (ms.empty()) {
        std::fprintf(stderr, "bench_speech: nothing was said\n");
        return 1;
    }
    std::printf("key press to text handed to the engine, %zu presses: median %.2f ms, 95 %% %.2f "
                "ms, worst %.2f ms\n",
                ms.size(), at(ms, 0.5), at(ms, 0.95), at(ms, 1.0));
    std::printf("   of which the engine's say (a request to the speech server): median %.2f ms, "
                "95 %% %.2f ms, worst %.2f ms\n",
                at(engine, 0.5), at(engine, 0.95), at(engine, 1.0));
    window.close();
    shutdownSpeech();
    return 0;
}
