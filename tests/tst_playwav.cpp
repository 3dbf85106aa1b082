#include "ModResFiles.h"
#include "Sound.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

    void withoutAnyDeviceTheGameGoesOnSilently()
    {
        // The real sound module; the test machine has no sound server.
        setAudioOutput(makeSystemAudioOutput(qEnvironmentVariable("QUENDO_BIN_DIR")));
        ErrorRecorder errors;
        warmUpAudio();
        for (int id = 100; id <= 110; ++id) {
            PlayWAV(id);
            QCoreApplication::processEvents(); // the deferred start runs and finds no device
        }
        QVERIFY(errors.errors().isEmpty());
        QCOMPARE(parseWav(wavBuffer())->sampleRate, 11025); // sound 110 is in the buffer
    }

    void withoutTheSoundModuleTheGameGoesOnSilently()
    {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        setAudioOutput(makeSystemAudioOutput(empty.path()));
        ErrorRecorder errors;
        warmUpAudio();
        PlayWAV(104);
        QCoreApplication::processEvents();
        QVERIFY(errors.errors().isEmpty());
        QCOMPARE(parseWav(wavBuffer())->sampleRate, parseWav(LoadResData(104, u"WAV"))->sampleRate);
    }

    void aBrokenSoundModuleIsRefused()
    {
        // A file of the module's name that is no library at all, as a damaged copy leaves it.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile broken(folder.filePath(QStringLiteral("libquendo_audio.so")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a library");
        broken.close();
        setAudioOutput(makeSystemAudioOutput(folder.path()));
        PlayWAV(100);
        QCoreApplication::processEvents();
        QVERIFY(parseWav(wavBuffer()));
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
