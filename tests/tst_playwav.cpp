#include "ModResFiles.h"
#include "Sound.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Records what PlayWAV asks of the audio device, and what wavBuffer held at that moment.
struct FakeOutput final : AudioOutput
{
    struct Call
    {
        QByteArray bufferAtCall;
        int rate = 0; // 0: stop
        qsizetype samples = 0;
        bool fromBuffer = false;
    };
    QList<Call> *calls;
    explicit FakeOutput(QList<Call> *log) : calls(log) {}

    void stop() override { calls->append({wavBuffer()}); }
    void start(QByteArrayView samples, int rate) override
    {
        const QByteArray &buf = wavBuffer();
        calls->append({buf, rate, samples.size(),
                       samples.data() >= buf.constData() &&
                           samples.data() + samples.size() <= buf.constData() + buf.size()});
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

    // A new sound cuts off the one before: stopped while its bytes are still in the buffer,
    // then the new one played straight out of it at its own rate. A missing one is reported
    // under PlayWAV and leaves the one before in the buffer.
    void aNewSoundCutsOffTheOneBeforeAndAMissingOneIsReported()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        PlayWAV(100);
        const QByteArray first = wavBuffer();
        PlayWAV(108);
        QCOMPARE(m_calls.size(), 4);
        QVERIFY(m_calls.at(2).rate == 0 && m_calls.at(2).bufferAtCall == first);
        QVERIFY(m_calls.at(3).bufferAtCall != first && m_calls.at(3).fromBuffer);
        QCOMPARE(m_calls.at(3).rate, 12000);
        QCOMPARE(m_calls.at(3).samples, qsizetype(11160)); // 0.93 s at 12000 Hz
        const QByteArray second = wavBuffer();
        PlayWAV(111);
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("PlayWAV"));
        QCOMPARE(m_calls.size(), 4); // nothing more played or stopped
        QCOMPARE(wavBuffer(), second);
    }

    // Without a sound device, or without a sound module that loads, a game goes on without
    // sound: no error report, and every sound call returns.
    void withoutSoundTheGameGoesOnSilently_data()
    {
        QTest::addColumn<bool>("module"); // the real one, on a test machine without a sound server
        QTest::newRow("no device") << true;
        QTest::newRow("no module") << false;
    }
    void withoutSoundTheGameGoesOnSilently()
    {
        QFETCH(bool, module);
        QTemporaryDir folder;
        const QString path = module ? qEnvironmentVariable("QUENDO_BIN_DIR") : folder.path();
        ErrorRecorder errors;
        setAudioOutput(makeSystemAudioOutput(path));
        warmUpAudio();
        for (int id = 100; id <= 110; ++id) {
            PlayWAV(id);
            QCoreApplication::processEvents(); // a deferred start runs and finds nothing
        }
        QVERIFY(errors.errors().isEmpty());
        QCOMPARE(parseWav(wavBuffer())->sampleRate, 11025); // sound 110 was taken up
    }

    void headerParsing()
    {
        const QByteArray pcm(100, char(0x80));
        const auto ok = parseWav(wavHeader(1, 1, 7500, 8, pcm));
        QVERIFY(ok && ok->sampleRate == 7500 && ok->dataOffset == 44 && ok->dataSize == 100);
        // A chunk before the data is skipped, with its pad byte.
        const QByteArray list = "LIST" + QByteArray("\3\0\0\0abc\0", 8);
        QCOMPARE(parseWav(wavHeader(1, 1, 8000, 8, pcm, list))->dataOffset, qsizetype(56));
        // A data chunk claiming more than the file holds is cut to what is there.
        QCOMPARE(parseWav(wavHeader(1, 1, 8000, 8, pcm).chopped(40))->dataSize, qsizetype(60));
        for (const QByteArray &bad :
             {wavHeader(1, 2, 8000, 8, pcm), wavHeader(1, 1, 8000, 16, pcm),
              wavHeader(3, 1, 8000, 8, pcm), wavHeader(1, 1, 0, 8, pcm), QByteArray("RIFF"),
              QByteArray(44, '\0'), wavHeader(1, 1, 8000, 8, pcm).left(30)})
            QVERIFY(!parseWav(bad)); // stereo, 16 bit, not PCM, no rate, cut short
    }
};

QTEST_MAIN(TestPlayWav)
#include "tst_playwav.moc"
