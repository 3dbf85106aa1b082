// The game's sound effects, synthesised from a small table of voices. Every sound is a mix of
// enveloped voices (additive waves or band-passed noise), normalised to a fixed peak and written
// as 8-bit unsigned mono PCM. Fixed seeds keep the noise and the dither identical on every run.
#include "assetgen.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <span>
#include <vector>

namespace assetgen {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

// One partial of an additive wave: frequency ratio, amplitude, and how much faster than the
// voice's decay it dies away (bells lose their high partials first).
struct Partial
{
    double ratio;
    double amp;
    double decayScale;
};

enum class Wave
{
    Sine,
    Triangle,
    SoftSquare,
    Buzz,
    Chime,
    Bell,
    Noise
};

// How the frequency moves from `freq` to `freqEnd` over the voice: not at all, steadily
// (exponentially, so it sounds even), or up and back down again.
enum class Glide
{
    Flat,
    Ramp,
    Arch
};

struct Voice
{
    double start = 0;  // s
    double length = 0; // s, release included
    Wave wave = Wave::Sine;
    double freq = 440;  // Hz; for noise the centre of the pass band
    double freqEnd = 0; // Hz, target of the glide (ignored when Flat)
    Glide glide = Glide::Flat;
    double level = 1;      // relative to the other voices of the same sound
    double attack = 0.005; // s
    double decay = 0;      // 1/s, exponential; 0 holds the level
    double release = 0.02; // s
    double vibratoHz = 0;
    double vibratoDepth = 0; // fraction of the frequency
    double tremoloHz = 0;
    double tremoloDepth = 0; // 0..1
    double q = 1;            // band-pass quality, noise only
};

struct Sound
{
    int id;
    int lengthMs;
    int rate;
    double peak; // of full scale
    std::vector<Voice> voices;
};

double hz(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

std::vector<Partial> makeOddSeries(double exponent, bool alternate)
{
    std::vector<Partial> partials;
    for (int k = 1; k <= 13; k += 2) {
        const double sign = alternate && (k / 2) % 2 == 1 ? -1.0 : 1.0;
        partials.push_back({double(k), sign * std::pow(k, -exponent), 1.0});
    }
    return partials;
}

std::span<const Partial> partialsOf(Wave wave)
{
    static const std::vector<Partial> sine{{1, 1, 1}};
    static const std::vector<Partial> triangle = makeOddSeries(2.0, true);
    // Falls off faster than a real square: the edges stay round, the tone stays warm.
    static const std::vector<Partial> softSquare = makeOddSeries(1.4, false);
    static const std::vector<Partial> buzz = [] {
        std::vector<Partial> partials;
        for (int k = 1; k <= 14; ++k)
            partials.push_back({double(k), std::pow(k, -1.4), 1.0});
        return partials;
    }();
    static const std::vector<Partial> chime{{1, 1, 1}, {2, 0.35, 1.8}, {3, 0.12, 2.6}};
    static const std::vector<Partial> bell{
        {1, 1, 1}, {2.0, 0.5, 1.4}, {2.76, 0.3, 2.0}, {5.4, 0.12, 3.0}};
    switch (wave) {
    case Wave::Sine:
        return sine;
    case Wave::Triangle:
        return triangle;
    case Wave::SoftSquare:
        return softSquare;
    case Wave::Buzz:
        return buzz;
    case Wave::Chime:
        return chime;
    case Wave::Bell:
        return bell;
    case Wave::Noise:
        break;
    }
    return {};
}

// Raised cosine from 0 to 1 over x = 0..1: no corner, so no click.
double smoothStep(double x)
{
    return x >= 1.0 ? 1.0 : x <= 0.0 ? 0.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

double frequencyAt(const Voice &v, double u)
{
    double f = v.freq;
    if (v.glide == Glide::Ramp)
        f = v.freq * std::pow(v.freqEnd / v.freq, u / v.length);
    else if (v.glide == Glide::Arch)
        f = v.freq * std::pow(v.freqEnd / v.freq, std::sin(std::numbers::pi * u / v.length));
    if (v.vibratoDepth > 0)
        f *= 1.0 + v.vibratoDepth * std::sin(twoPi * v.vibratoHz * u);
    return f;
}

// Attack, release and tremolo; the exponential decay is applied per partial.
double envelopeAt(const Voice &v, double u)
{
    double e = smoothStep(u / v.attack) * smoothStep((v.length - u) / v.release);
    if (v.tremoloDepth > 0)
        e *= 1.0 - v.tremoloDepth * (0.5 - 0.5 * std::cos(twoPi * v.tremoloHz * u));
    return e;
}

// Trapezoidal state-variable band-pass: stays stable right up to half the sample rate, so the
// centre may sweep freely. Output scaled to unity gain at the centre.
struct BandPass
{
    double k;
    double s1 = 0, s2 = 0;

    double process(double x, double g)
    {
        const double hp = (x - (k + g) * s1 - s2) / (1.0 + g * (g + k));
        const double bp = g * hp + s1;
        s1 = g * hp + bp;
        const double lp = g * bp + s2;
        s2 = g * bp + lp;
        return k * bp;
    }
};

// White noise through two band-pass stages whose centre follows the voice's glide (two stages
// give steep skirts: a soft whoosh rather than hiss), scaled to a peak of 1.
std::vector<double> bandNoise(const Voice &v, int rate, int count, quint32 seed)
{
    QRandomGenerator rng(seed);
    std::vector<double> out(std::size_t(count), 0.0);
    BandPass first{1.0 / v.q};
    BandPass second{1.0 / v.q};
    for (int i = 0; i < count; ++i) {
        const double x = 2.0 * rng.generateDouble() - 1.0;
        const double g = std::tan(std::numbers::pi * frequencyAt(v, double(i) / rate) / rate);
        out[std::size_t(i)] = second.process(first.process(x, g), g);
    }
    double peak = 0;
    for (const double s : out)
        peak = std::max(peak, std::abs(s));
    if (peak > 0) {
        for (double &s : out)
            s /= peak;
    }
    return out;
}

void addVoice(std::vector<double> &mix, const Voice &v, int rate, quint32 noiseSeed)
{
    const int first = int(std::lround(v.start * rate));
    const int count = std::min(int(std::lround(v.length * rate)), int(mix.size()) - first);
    if (count <= 0)
        return;

    if (v.wave == Wave::Noise) {
        const std::vector<double> noise = bandNoise(v, rate, count, noiseSeed);
        for (int i = 0; i < count; ++i) {
            const double u = double(i) / rate;
            mix[std::size_t(first + i)] +=
                v.level * envelopeAt(v, u) * std::exp(-v.decay * u) * noise[std::size_t(i)];
        }
        return;
    }

    // Partials that would come near half the sample rate are left out altogether rather than
    // faded, so nothing folds back as a false tone.
    const double nyquistGuard = 0.4 * rate;
    const double highest =
        std::max(v.freq, v.glide == Glide::Flat ? v.freq : v.freqEnd) * (1.0 + v.vibratoDepth);
    std::vector<Partial> used;
    double ampSum = 0;
    for (const Partial &p : partialsOf(v.wave)) {
        if (p.ratio * highest < nyquistGuard) {
            used.push_back(p);
            ampSum += std::abs(p.amp);
        }
    }
    std::vector<double> phase(used.size(), 0.0);
    for (int i = 0; i < count; ++i) {
        const double u = double(i) / rate;
        const double f = frequencyAt(v, u);
        double s = 0;
        for (std::size_t n = 0; n < used.size(); ++n) {
            s += used[n].amp * std::exp(-v.decay * used[n].decayScale * u) * std::sin(phase[n]);
            phase[n] = std::fmod(phase[n] + twoPi * f * used[n].ratio / rate, twoPi);
        }
        mix[std::size_t(first + i)] += v.level * envelopeAt(v, u) * s / ampSum;
    }
}

// Mixes, normalises and quantises one sound to unsigned 8-bit samples (silence 0x80).
QByteArray renderSamples(const Sound &sound)
{
    const int count = int((qint64(sound.lengthMs) * sound.rate + 500) / 1000);
    std::vector<double> mix(std::size_t(count), 0.0);
    for (std::size_t n = 0; n < sound.voices.size(); ++n)
        addVoice(mix, sound.voices[n], sound.rate, quint32(sound.id * 97 + n));

    // A short fade over the very ends pins the first and last sample to silence, dither included.
    const int edge = std::max(2, std::min(count / 4, sound.rate * 3 / 1000));
    std::vector<double> fade(std::size_t(count), 1.0);
    for (int i = 0; i < count; ++i) {
        fade[std::size_t(i)] = std::min(smoothStep(double(i) / (edge - 1)),
                                        smoothStep(double(count - 1 - i) / (edge - 1)));
        mix[std::size_t(i)] *= fade[std::size_t(i)];
    }

    double peak = 0;
    for (const double s : mix)
        peak = std::max(peak, std::abs(s));
    const double gain = peak > 0 ? sound.peak / peak : 0.0;

    QRandomGenerator dither(0xD1u + quint32(sound.id));
    QByteArray samples(count, char(0x80));
    for (int i = 0; i < count; ++i) {
        // Triangular dither of one step peak: breaks up the gritty 8-bit tails of decays.
        const double tpdf = dither.generateDouble() - dither.generateDouble();
        const double value =
            128.0 + mix[std::size_t(i)] * gain * 128.0 + fade[std::size_t(i)] * tpdf;
        samples[i] = char(std::clamp(int(std::lround(value)), 0, 255));
    }
    return samples;
}

void appendLe(QByteArray &out, quint32 value, int bytes)
{
    for (int b = 0; b < bytes; ++b)
        out.append(char((value >> (8 * b)) & 0xFF));
}

QByteArray wavFile(const QByteArray &samples, int rate)
{
    const auto dataSize = quint32(samples.size());
    const quint32 pad = dataSize % 2; // RIFF chunks are word aligned
    QByteArray out;
    out.reserve(44 + samples.size() + 1);
    out.append("RIFF");
    appendLe(out, 36 + dataSize + pad, 4);
    out.append("WAVE");
    out.append("fmt ");
    appendLe(out, 16, 4);
    appendLe(out, 1, 2); // PCM
    appendLe(out, 1, 2); // mono
    appendLe(out, quint32(rate), 4);
    appendLe(out, quint32(rate), 4); // bytes per second: one byte per sample
    appendLe(out, 1, 2);             // block align
    appendLe(out, 8, 2);             // bits per sample
    out.append("data");
    appendLe(out, dataSize, 4);
    out.append(samples);
    if (pad)
        out.append(char(0));
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "assetgen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        std::exit(1);
    }
}

// A note of an arpeggio or fanfare: pitched, quick attack, gentle decay.
Voice note(double start, double length, Wave wave, int midi, double level, double decay,
           double release)
{
    return {.start = start,
            .length = length,
            .wave = wave,
            .freq = hz(midi),
            .level = level,
            .attack = 0.006,
            .decay = decay,
            .release = release};
}

std::vector<Sound> soundTable()
{
    std::vector<Sound> sounds;

    // 100 word solved: C-E-G-C, each note ringing into the next.
    sounds.push_back({100,
                      480,
                      11025,
                      0.70,
                      {note(0.00, 0.20, Wave::Chime, 72, 0.80, 6, 0.06),
                       note(0.07, 0.20, Wave::Chime, 76, 0.85, 6, 0.06),
                       note(0.14, 0.22, Wave::Chime, 79, 0.90, 6, 0.06),
                       note(0.21, 0.27, Wave::Chime, 84, 1.00, 4, 0.14)}});

    // 101 right letter: a high ping.
    sounds.push_back({101,
                      80,
                      11025,
                      0.70,
                      {{.length = 0.08,
                        .wave = Wave::Chime,
                        .freq = hz(88),
                        .attack = 0.002,
                        .decay = 25,
                        .release = 0.03}}});

    // 102 tick: a few cycles of a sine, softly windowed.
    sounds.push_back(
        {102,
         10,
         11025,
         0.60,
         {{.length = 0.01, .freq = 1500, .attack = 0.0015, .decay = 150, .release = 0.006}}});

    // 103 chooser closed: a tiny pop, a quick downward drop.
    sounds.push_back({103,
                      30,
                      11025,
                      0.65,
                      {{.length = 0.03,
                        .freq = 1100,
                        .freqEnd = 350,
                        .glide = Glide::Ramp,
                        .attack = 0.0015,
                        .decay = 60,
                        .release = 0.012}}});

    // 104 wrong letter: a low, round bonk with a faint woody overtone.
    sounds.push_back({104,
                      170,
                      9266,
                      0.70,
                      {{.length = 0.17,
                        .freq = 210,
                        .freqEnd = 150,
                        .glide = Glide::Ramp,
                        .attack = 0.004,
                        .decay = 12,
                        .release = 0.06},
                       {.length = 0.12,
                        .wave = Wave::Triangle,
                        .freq = 420,
                        .freqEnd = 300,
                        .glide = Glide::Ramp,
                        .level = 0.25,
                        .attack = 0.004,
                        .decay = 30,
                        .release = 0.04}}});

    // 105 game over: a rising call, a little answer, then a held major chord.
    {
        Sound fanfare{105, 2400, 11013, 0.70, {}};
        const struct
        {
            double start, length;
            int midi;
        } call[] = {{0.00, 0.16, 67}, {0.17, 0.16, 72}, {0.34, 0.16, 76},
                    {0.51, 0.42, 79}, {0.98, 0.15, 76}, {1.15, 0.18, 79}};
        for (const auto &c : call)
            fanfare.voices.push_back(
                note(c.start, c.length, Wave::SoftSquare, c.midi, 0.9, 1.5, 0.05));
        for (const int midi : {72, 76, 79, 84}) {
            Voice v = note(1.36, 1.04, Wave::SoftSquare, midi, 0.45, 0.9, 0.45);
            v.vibratoHz = 5.5;
            v.vibratoDepth = 0.004;
            fanfare.voices.push_back(v);
        }
        fanfare.voices.push_back(note(1.36, 1.04, Wave::Triangle, 48, 0.6, 0.9, 0.45));
        sounds.push_back(fanfare);
    }

    // 106 house: the doorbell, a falling major third.
    sounds.push_back({106,
                      730,
                      7500,
                      0.70,
                      {{.length = 0.42,
                        .wave = Wave::Bell,
                        .freq = hz(76),
                        .attack = 0.003,
                        .decay = 4,
                        .release = 0.10},
                       {.start = 0.30,
                        .length = 0.43,
                        .wave = Wave::Bell,
                        .freq = hz(72),
                        .attack = 0.003,
                        .decay = 3.5,
                        .release = 0.16}}});

    // 107 snowman: a gust of wind with two pairs of sleigh-bell jingles.
    {
        Sound snowman{107,
                      640,
                      12000,
                      0.70,
                      {{.length = 0.64,
                        .wave = Wave::Noise,
                        .freq = 600,
                        .freqEnd = 1300,
                        .glide = Glide::Arch,
                        .level = 0.8,
                        .attack = 0.15,
                        .release = 0.25,
                        .tremoloHz = 3,
                        .tremoloDepth = 0.3,
                        .q = 1.2}}};
        const struct
        {
            double start;
            int midi;
        } jingles[] = {{0.10, 100}, {0.16, 98}, {0.30, 100}, {0.36, 98}};
        for (const auto &j : jingles) {
            snowman.voices.push_back({.start = j.start,
                                      .length = 0.2,
                                      .wave = Wave::Bell,
                                      .freq = hz(j.midi),
                                      .level = 0.4,
                                      .attack = 0.002,
                                      .decay = 18,
                                      .release = 0.05});
        }
        sounds.push_back(snowman);
    }

    // 108 boat: a ship's horn, two low reedy tones a fifth apart, settling into pitch.
    {
        Sound horn{108, 930, 12000, 0.70, {}};
        for (const double f : {110.0, 165.0}) {
            horn.voices.push_back({.length = 0.93,
                                   .wave = Wave::Buzz,
                                   .freq = f * 0.97,
                                   .freqEnd = f,
                                   .glide = Glide::Ramp,
                                   .level = f < 150 ? 1.0 : 0.7,
                                   .attack = 0.08,
                                   .decay = 0.3,
                                   .release = 0.2,
                                   .tremoloHz = 6,
                                   .tremoloDepth = 0.05});
        }
        sounds.push_back(horn);
    }

    // 109 garden: a bee flying past, the buzz rising and falling with a wing flutter.
    {
        Sound bee{109, 1000, 11025, 0.70, {}};
        for (const double detune : {1.0, 1.012}) {
            bee.voices.push_back({.length = 1.0,
                                  .wave = Wave::Buzz,
                                  .freq = 180 * detune,
                                  .freqEnd = 290 * detune,
                                  .glide = Glide::Arch,
                                  .level = detune == 1.0 ? 1.0 : 0.4,
                                  .attack = 0.06,
                                  .release = 0.12,
                                  .vibratoHz = 22,
                                  .vibratoDepth = 0.02,
                                  .tremoloHz = 11,
                                  .tremoloDepth = 0.25});
        }
        sounds.push_back(bee);
    }

    // 110 rocket: a swelling whoosh climbing in pitch, with a soft tone riding along.
    sounds.push_back({110,
                      1300,
                      11025,
                      0.70,
                      {{.length = 1.3,
                        .wave = Wave::Noise,
                        .freq = 250,
                        .freqEnd = 2600,
                        .glide = Glide::Ramp,
                        .attack = 0.3,
                        .release = 0.35,
                        .q = 1.4},
                       {.length = 1.3,
                        .freq = 180,
                        .freqEnd = 900,
                        .glide = Glide::Ramp,
                        .level = 0.25,
                        .attack = 0.3,
                        .release = 0.35}}});

    return sounds;
}

} // namespace

void synthesiseSounds(const QDir &resources)
{
    for (const Sound &sound : soundTable()) {
        writeFile(resources.filePath(QStringLiteral("wav/%1.wav").arg(sound.id)),
                  wavFile(renderSamples(sound), sound.rate));
    }
}

} // namespace assetgen
