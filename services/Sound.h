// Sound effects: WAV resources played from memory, one at a time.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

// The sound effects by name.
namespace Wav {
enum Id : int
{
    WordSolved = 100,
    RightLetter = 101,
    Tick = 102, // a word-field cell placed or uncovered by the program
    ChooserClosed = 103,
    WrongLetter = 104,
    GameOver = 105,
};
// Each picture set 101..105 has its own sound for the tenth miss, 106..110.
constexpr Id closingSound(int pictureSet)
{
    return Id(pictureSet + 5);
}
} // namespace Wav

// Where the samples of a RIFF WAVE image lie; only 8-bit unsigned mono PCM is playable.
struct WavInfo
{
    int sampleRate = 0;
    qsizetype dataOffset = 0;
    qsizetype dataSize = 0;
};
std::optional<WavInfo> parseWav(QByteArrayView bytes);

// The audio device as PlayWAV uses it; the program's is Qt Multimedia, tests use a fake.
class AudioOutput
{
public:
    virtual ~AudioOutput() = default;
    virtual void stop() = 0;
    // Starts playing 8-bit unsigned mono samples at rate and returns at once. The samples stay
    // valid until the next stop(). Failures are swallowed: a game goes on without sound.
    virtual void start(QByteArrayView samples, int sampleRate) = 0;
    // Opens the device ahead of the first sound.
    virtual void warmUp() {}
};

// The Qt Multimedia output from the sound module in folder (the program folder by default);
// the device is opened on first use, not at start-up. Without a usable module the output is
// silent and one line on standard error says why.
std::unique_ptr<AudioOutput> makeSystemAudioOutput();
std::unique_ptr<AudioOutput> makeSystemAudioOutput(const QString &folder);

// Replaces the output PlayWAV uses (tests); returns the previous one.
std::unique_ptr<AudioOutput> setAudioOutput(std::unique_ptr<AudioOutput> output);

// Loads WAV resource id, stops the sound playing, replaces wavBuffer with the new bytes and
// starts them. Returns at once. A missing resource is reported under "PlayWAV"; a sound that
// cannot be played is skipped silently.
void PlayWAV(int id);
const QByteArray &wavBuffer();

// Opens the audio device ahead of the first sound, off the start-up path.
void warmUpAudio();

// Qt prints two warnings on every run of a machine without a sound server; they mean only
// "no sound", which the game handles. Drops exactly those two, passes everything else on.
void installAudioWarningFilter();

// Stops the sound and closes the audio device; must run before the application object goes.
void shutdownAudio();
