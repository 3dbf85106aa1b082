#include "Sound.h"

#include "ErrorConvention.h"
#include "ModResFiles.h"
#include "Settings.h"

#include "audio/AudioModule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtEndian>

#include <cstdio>

namespace {

quint32 le32(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.data() + at);
}
quint16 le16(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.data() + at);
}

class SilentAudioOutput final : public AudioOutput
{
public:
    void stop() override {}
    void start(QByteArrayView, int) override {}
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
    return makeSystemAudioOutput(QCoreApplication::applicationDirPath());
}

std::unique_ptr<AudioOutput> makeSystemAudioOutput(const QString &folder)
{
    // The module stays loaded for the rest of the run: its outputs' code lives in it.
    QLibrary module(folder + QLatin1Char('/') + QLatin1StringView(kAudioModuleName));
    const auto create = reinterpret_cast<CreateAudioOutput>(module.resolve(kAudioModuleEntry));
    std::unique_ptr<AudioOutput> output(create ? create(kAudioModuleVersion) : nullptr);
    if (output)
        return output;
    const QString why =
        create ? QStringLiteral("the sound module is from another build") : module.errorString();
    std::fprintf(stderr, "quendo: playing without sound: %s\n", qPrintable(why));
    return std::make_unique<SilentAudioOutput>();
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
    Procedure proc(Proc::Allgemein::PlayWAV);
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
    output().warmUp();
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
