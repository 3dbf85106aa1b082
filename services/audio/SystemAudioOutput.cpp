// The sound output on Qt Multimedia, built as a module that the program loads only once its
// window is up: Qt Multimedia and the sound server's libraries would otherwise add to every
// start-up before anything is shown.
#include "AudioModule.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace {

// Keeps the sink alive after a sound has been fed: stopping it when it turns idle would cut
// the tail that is still in the sound server's buffer. Opening a stream on a sound server takes
// a millisecond or more, so the start runs from the event loop, right after PlayWAV returned;
// a stop before it cancels it.
class SystemAudioOutput final : public AudioOutput
{
public:
    void stop() override
    {
        ++m_generation; // a start still pending is void
        if (m_sink)
            m_sink->stop();
        m_buffer.close();
    }

    void start(QByteArrayView samples, int sampleRate) override
    {
        m_samples = QByteArray::fromRawData(samples.data(), samples.size());
        const quint64 generation = ++m_generation;
        QMetaObject::invokeMethod(
            &m_context,
            [this, generation, sampleRate] {
                if (generation == m_generation)
                    startNow(sampleRate);
            },
            Qt::QueuedConnection);
    }

    void warmUp() override { devices(); }

private:
    void startNow(int sampleRate)
    {
        if (!ensureSink(sampleRate))
            return;
        m_buffer.setData(m_samples);
        if (m_buffer.open(QIODevice::ReadOnly))
            m_sink->start(&m_buffer);
    }

    QMediaDevices &devices()
    {
        if (!m_devices)
            m_devices = std::make_unique<QMediaDevices>();
        return *m_devices;
    }

    bool ensureSink(int sampleRate)
    {
        if (m_sink && m_rate == sampleRate)
            return true;
        const QAudioDevice device = devices().defaultAudioOutput();
        if (device.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::UInt8);
        m_sink.reset();
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_rate = sampleRate;
        return true;
    }

    QObject m_context; // deferred starts die with the output
    std::unique_ptr<QMediaDevices> m_devices;
    std::unique_ptr<QAudioSink> m_sink;
    int m_rate = 0;
    quint64 m_generation = 0;
    QByteArray m_samples;
    QBuffer m_buffer;
};

} // namespace

extern "C" Q_DECL_EXPORT AudioOutput *quendo_createAudioOutput(int interfaceVersion)
{
    if (interfaceVersion != kAudioModuleVersion)
        return nullptr;
    return new SystemAudioOutput;
}
