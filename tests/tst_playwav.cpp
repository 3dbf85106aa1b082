#include "ModResFiles.h"
#include "Sound.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>

#include <unistd.h>

namespace {

// Records what PlayWAV asks of the audio device, and what wavBuffer held at that moment.
struct FakeOutput final : AudioOutput
{
    struct Call
    {
        QString what;
        QByteArray bufferAtCall;
        int rate = 0;
        qsizetype samples = 0;
        bool samplesInsideBuffer = false;
    };
    QList<Call> *calls;
    explicit FakeOutput(QList<Call> *log) : calls(log) {}

    void stop() override { calls->append({QStringLiteral("stop"), wavBuffer()}); }
    void start(QByteArrayView samples, int rate) override
    {
        const QByteArray &buf = wavBuffer();
        const bool inside = samples.data() >= buf.constData() &&
                            samples.data() + samples.size() <= buf.constData() + buf.size();
        calls->append({QStringLiteral("start"), buf, rate, samples.size(), inside});
    }
};

// What the program writes on standard error while the object lives.
class StandardError
{
public:
    StandardError() : m_saved(::dup(2))
    {
        std::fflush(stderr);
        m_file.open();
        ::dup2(m_file.handle(), 2);
    }
    ~StandardError() { restore(); }
    QStringList lines()
    {
        restore();
        m_file.seek(0);
        return QString::fromLocal8Bit(m_file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        m_saved = -1;
    }
    int m_saved;
    QTemporaryFile m_file;
};

QByteArray wavHeader(quint16 format, quint16 channels, quint32 rate, quint16 bits,
                     const QByteArray &data, const QByteArray &extraChunk = {})
{
    auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
    QByteArray fmt = le16(format) + le16(channels) + le32(rate) + le32(rate) + le16(1) + le16(bits);
    QByteArray body = "WAVE" + QByteArray("fmt ") + le32(16) + fmt + extraChunk +
                      QByteArray("data") + le32(quint32(data.size())) + data;
    return "RIFF" + le32(quint32(body.size())) + body;
}

} // namespace

class TestPlayWav : public QObject
{
    Q_OBJECT
    QList<FakeOutput::Call> m_calls;

private slots:
    void init()
    {
        m_calls.clear();
        setAudioOutput(std::make_unique<FakeOutput>(&m_calls));
    }
    void cleanupTestCase() { shutdownAudio(); }

    void aNewSoundCutsOffTheOneBefore()
    {
        PlayWAV(101);
        PlayWAV(104);
        QStringList order;
        for (const auto &c : m_calls)
            order << c.what;
        QCOMPARE(order, QStringList({"stop", "start", "stop", "start"}));
        QCOMPARE(m_calls.at(1).rate, 11025);
        QCOMPARE(m_calls.at(3).rate, 9266);
        QVERIFY(m_calls.at(3).samplesInsideBuffer); // plays straight out of wavBuffer
    }

    void theBufferChangesOnlyAfterTheSoundStopped()
    {
        PlayWAV(100);
        const QByteArray first = wavBuffer();
        PlayWAV(108);
        QCOMPARE(m_calls.at(2).what, QStringLiteral("stop"));
        QCOMPARE(m_calls.at(2).bufferAtCall, first); // still the old sound when stopped
        QVERIFY(m_calls.at(3).bufferAtCall != first);
        QCOMPARE(m_calls.at(3).rate, 12000);
        QCOMPARE(m_calls.at(3).samples, qsizetype(11160)); // 0.93 s at 12000 Hz
    }

    void missingSoundIsReportedAndNothingPlays()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        PlayWAV(100);
        const QByteArray before = wavBuffer();
        m_calls.clear();
        PlayWAV(111);
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().module, QStringLiteral("Allgemein"));
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("PlayWAV"));
        QVERIFY(m_calls.isEmpty());
        QCOMPARE(wavBuffer(), before);
    }

    // Without a sound device, or without a usable sound module, a game goes on without sound:
    // no error report, every sound call returns, and one line on standard error (none when only
    // the device is missing: that is an ordinary machine without sound) says why.
    void withoutSoundTheGameGoesOnSilently_data()
    {
        QTest::addColumn<QByteArray>("module"); // what lies where the module should be
        QTest::addColumn<QString>("said");      // on standard error; empty: nothing
        QTest::newRow("no device") << QByteArray("the real module") << QString();
        QTest::newRow("no module") << QByteArray() << "quendo: playing without sound: ";
        QTest::newRow("broken module")
            << QByteArray("not a library") << "quendo: playing without sound: ";
    }
    void withoutSoundTheGameGoesOnSilently()
    {
        QFETCH(QByteArray, module);
        QFETCH(QString, said);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QString path = folder.path();
        if (module == "the real module")
            path = qEnvironmentVariable("QUENDO_BIN_DIR"); // and the test machine has no server
        else if (!module.isEmpty()) {
            QFile broken(folder.filePath(QStringLiteral("libquendo_audio.so")));
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write(module);
        }
        ErrorRecorder errors;
        StandardError stderrText;
        setAudioOutput(makeSystemAudioOutput(path));
        warmUpAudio();
        for (int id = 100; id <= 110; ++id) {
            PlayWAV(id);
            QCoreApplication::processEvents(); // a deferred start runs and finds nothing
        }
        const QStringList lines = stderrText.lines();
        QVERIFY(errors.errors().isEmpty());
        QCOMPARE(parseWav(wavBuffer())->sampleRate, 11025); // sound 110 was taken up
        if (said.isEmpty()) {
            QVERIFY2(lines.isEmpty(), qPrintable(lines.join(u'|')));
        } else {
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines[0].startsWith(said) && lines[0].contains(u"libquendo_audio.so"),
                     qPrintable(lines[0]));
        }
    }

    void headerParsing()
    {
        const QByteArray pcm(100, char(0x80));
        const auto ok = parseWav(wavHeader(1, 1, 7500, 8, pcm));
        QVERIFY(ok);
        QCOMPARE(ok->sampleRate, 7500);
        QCOMPARE(ok->dataOffset, qsizetype(44));
        QCOMPARE(ok->dataSize, qsizetype(100));
        // A chunk before the data is skipped, with its pad byte.
        const auto list =
            parseWav(wavHeader(1, 1, 8000, 8, pcm, "LIST" + QByteArray("\3\0\0\0abc\0", 8)));
        QVERIFY(list);
        QCOMPARE(list->dataOffset, qsizetype(56));
        // A data chunk claiming more than the file holds is cut to what is there.
        QByteArray shortFile = wavHeader(1, 1, 8000, 8, pcm);
        shortFile.chop(40);
        QCOMPARE(parseWav(shortFile)->dataSize, qsizetype(60));

        QVERIFY(!parseWav(wavHeader(1, 2, 8000, 8, pcm)));  // stereo
        QVERIFY(!parseWav(wavHeader(1, 1, 8000, 16, pcm))); // 16 bit
        QVERIFY(!parseWav(wavHeader(3, 1, 8000, 8, pcm)));  // not PCM
        QVERIFY(!parseWav(wavHeader(1, 1, 0, 8, pcm)));     // no rate
        QVERIFY(!parseWav(QByteArray("RIFF")));
        QVERIFY(!parseWav(QByteArray(44, '\0')));
        QVERIFY(!parseWav(wavHeader(1, 1, 8000, 8, pcm).left(30)));
    }
};

QTEST_MAIN(TestPlayWav)
#include "tst_playwav.moc"
