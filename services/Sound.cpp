#include "Sound.h"

#include "ErrorConvention.h"
#include "ModResFiles.h"
#include "Settings.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QtEndian>

namespace {

quint32 le32(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.data() + at);
}
quint16 le16(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.data() + at);
}

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

    void warmUp() { devices(); }

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

std::unique_ptr<AudioOutput> &outputSlot()
{
    static std::unique_ptr<AudioOutput> output;
    return output;
}

AudioOutput &output()
{
    auto &slot = outputSlot();
    if (!slot)
        slot = makeSystemAudioOutput();
    return *slot;
}

QByteArray &buffer()
{
    static QByteArray wav;
    return wav;
}

QtMessageHandler g_previousHandler = nullptr;

void filterAudioWarnings(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type == QtWarningMsg && (msg == u"PulseAudioService: pa_context_connect() failed" ||
                                 msg == u"No audio device detected"))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, msg);
}

} // namespace

std::optional<WavInfo> parseWav(QByteArrayView bytes)
{
    if (bytes.size() < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE")
        return std::nullopt;
    WavInfo info;
    bool formatOk = false;
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(pos, 4);
        const quint32 size = le32(bytes, pos + 4);
        const qsizetype body = pos + 8;
        const qsizetype available = bytes.size() - body;
        if (id == "fmt ") {
            if (size < 16 || available < 16)
                return std::nullopt;
            formatOk =
                le16(bytes, body) == 1 && le16(bytes, body + 2) == 1 && le16(bytes, body + 14) == 8;
            info.sampleRate = int(le32(bytes, body + 4));
        } else if (id == "data") {
            if (!formatOk || info.sampleRate <= 0 || info.sampleRate > 192000)
                return std::nullopt;
            info.dataOffset = body;
            info.dataSize = qMin<qsizetype>(size, available);
            return info;
        }
        if (size > quint32(available))
            return std::nullopt;
        pos = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}

std::unique_ptr<AudioOutput> makeSystemAudioOutput()
{
    return std::make_unique<SystemAudioOutput>();
}

std::unique_ptr<AudioOutput> setAudioOutput(std::unique_ptr<AudioOutput> next)
{
    return std::exchange(outputSlot(), std::move(next));
}

const QByteArray &wavBuffer()
{
    return buffer();
}

void PlayWAV(int id)
{
    Procedure proc(kModuleAllgemein, u"PlayWAV");
    QByteArray bytes;
    if (!proc.step([&] { bytes = LoadResData(id, u"WAV"); }) || bytes.isEmpty())
        return;
    output().stop();
    // Only now, with nothing playing from it, may the buffer change.
    buffer() = bytes;
    if (const auto info = parseWav(buffer()))
        output().start(QByteArrayView(buffer()).sliced(info->dataOffset, info->dataSize),
                       info->sampleRate);
}

void warmUpAudio()
{
    if (auto *system = dynamic_cast<SystemAudioOutput *>(&output()))
        system->warmUp();
}

void installAudioWarningFilter()
{
    if (!g_previousHandler)
        g_previousHandler = qInstallMessageHandler(filterAudioWarnings);
}

void shutdownAudio()
{
    if (auto &slot = outputSlot()) {
        slot->stop();
        slot.reset();
    }
}
