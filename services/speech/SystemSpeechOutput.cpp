// Reading aloud on Qt TextToSpeech and speech-dispatcher, built as a module that the program
// loads only when reading aloud is on: the engine, its libraries and the speech server cost
// nothing otherwise.
#include "SpeechModule.h"

#include <QList>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

// speech-dispatcher, started by the first connection, exits at once when the locale of its
// environment is not installed: it then gets one that always is.
class UsableLocaleForServer
{
public:
    UsableLocaleForServer()
    {
        if (locale_t here = newlocale(LC_ALL_MASK, "", locale_t(nullptr))) {
            freelocale(here);
            return;
        }
        if (const char *old = std::getenv("LC_ALL")) {
            m_old = QByteArray(old);
            m_hadOld = true;
        }
        m_changed = true;
        setenv("LC_ALL", "C.UTF-8", 1);
    }
    ~UsableLocaleForServer()
    {
        if (!m_changed)
            return;
        if (m_hadOld)
            setenv("LC_ALL", m_old.constData(), 1);
        else
            unsetenv("LC_ALL");
    }
    UsableLocaleForServer(const UsableLocaleForServer &) = delete;
    UsableLocaleForServer &operator=(const UsableLocaleForServer &) = delete;

private:
    QByteArray m_old;
    bool m_hadOld = false;
    bool m_changed = false;
};

// The engine, on the speech thread. Qt's say() cuts off whatever is being spoken; a text that
// is to wait is held here until the engine is ready again. speech-dispatcher itself queues
// texts handed to it while it is ready.
class Voice final : public QObject
{
public:
    void say(const QString &text, const QLocale &locale, bool cutOff)
    {
        QTextToSpeech &tts = engine();
        if (cutOff) {
            m_waiting.clear();
            // Speaking, Qt's say() stops it itself; ready, a text handed a moment ago may
            // still wait in the server. Each request waits for the server's answer.
            if (!busy(tts.state()))
                tts.stop();
        } else if (!m_waiting.isEmpty() || busy(tts.state())) {
            if (m_waiting.size() < kMostWaiting)
                m_waiting.append({text, locale});
            return;
        }
        sayNow(text, locale);
    }

    void stop()
    {
        m_waiting.clear();
        if (m_tts)
            m_tts->stop();
    }

    void warmUp() { engine(); }

private:
    struct Waiting
    {
        QString text;
        QLocale locale;
    };
    static constexpr qsizetype kMostWaiting = 16;
    static constexpr int kServerStart = 3000; // ms

    static bool busy(QTextToSpeech::State state)
    {
        return state == QTextToSpeech::Speaking || state == QTextToSpeech::Paused;
    }

    QTextToSpeech &engine()
    {
        if (!m_tts) {
            const UsableLocaleForServer locale;
            // An error state right after this is not final: the server it starts
            // answers a moment later.
            m_tts = std::make_unique<QTextToSpeech>(QLatin1StringView(kSpeechEngine));
            QObject::connect(m_tts.get(), &QTextToSpeech::stateChanged, m_tts.get(),
                             [this](QTextToSpeech::State state) {
                                 if (state == QTextToSpeech::Ready)
                                     sayWaiting();
                             });
            // An engine still failing once its server had time to start will stay silent.
            QTimer::singleShot(kServerStart, m_tts.get(), [this] {
                if (m_tts->state() == QTextToSpeech::Error)
                    std::fprintf(stderr, "quendo: playing without reading aloud: %s\n",
                                 qPrintable(m_tts->errorString()));
            });
        }
        return *m_tts;
    }

    // The engine reports its state from speech-dispatcher's thread: by the time a Ready reaches
    // us the next text may have begun, and Qt's say() would cut it off. Only what the engine
    // still calls ready is told to go on.
    void sayWaiting()
    {
        while (!m_waiting.isEmpty() && !busy(m_tts->state())) {
            const Waiting next = m_waiting.takeFirst();
            sayNow(next.text, next.locale);
        }
    }

    void sayNow(const QString &text, const QLocale &locale)
    {
        if (locale != m_locale) {
            m_tts->setLocale(locale);
            m_locale = locale;
        }
        m_tts->say(text);
    }

    std::unique_ptr<QTextToSpeech> m_tts;
    QLocale m_locale{QLocale::C};
    QList<Waiting> m_waiting;
};

// Each request to the speech server waits for its answer, now and then for tens of
// milliseconds: the engine has a thread of its own, so that a key press never waits for it.
class SystemSpeechOutput final : public SpeechOutput
{
public:
    SystemSpeechOutput()
    {
        m_thread.setObjectName(QStringLiteral("speech"));
        m_voice->moveToThread(&m_thread);
        // The engine is made, and must end, on the speech thread.
        QObject::connect(&m_thread, &QThread::finished, m_voice, &QObject::deleteLater);
        m_thread.start();
    }
    ~SystemSpeechOutput() override
    {
        m_thread.quit();
        m_thread.wait();
    }
    SystemSpeechOutput(const SystemSpeechOutput &) = delete;
    SystemSpeechOutput &operator=(const SystemSpeechOutput &) = delete;

    void say(const QString &text, const QLocale &locale, bool cutOff) override
    {
        QMetaObject::invokeMethod(
            m_voice, [voice = m_voice, text, locale, cutOff] { voice->say(text, locale, cutOff); });
    }
    void stop() override
    {
        QMetaObject::invokeMethod(m_voice, [voice = m_voice] { voice->stop(); });
    }
    void warmUp() override
    {
        QMetaObject::invokeMethod(m_voice, [voice = m_voice] { voice->warmUp(); });
    }

private:
    QThread m_thread;
    Voice *m_voice = new Voice; // deleted by its thread's end
};

} // namespace

extern "C" Q_DECL_EXPORT SpeechOutput *quendo_createSpeechOutput(int interfaceVersion)
{
    if (interfaceVersion != kSpeechModuleVersion)
        return nullptr;
    return new SystemSpeechOutput;
}
