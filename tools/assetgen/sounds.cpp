// SPDX-License-Identifier: GPL-3.0-or-later
// The match sounds, synthesised: the referee's pea whistle (a warbling tone
// with breath), crowds (many detuned voices through vowel formants, over
// filtered noise), chant rhythm with hand claps, and the ring of an aluminium
// post. Every sound is levelled to the same loudness, kept below full scale,
// and faded in and out so that it starts and ends on silence.
#include "assets.h"
#include "noise.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vm::assets {

namespace {

constexpr double kRate = kSoundRate;
constexpr double kTwoPi = 2.0 * M_PI;
using Signal = std::vector<double>;

Signal silence(double seconds) {
    return Signal(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0);
}

// A biquad filter (the usual audio-cookbook forms).
class Biquad {
public:
    static Biquad bandPass(double freq, double q) {
        const double w = kTwoPi * freq / kRate, alpha = std::sin(w) / (2 * q);
        return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w), 1 - alpha);
    }
    static Biquad lowPass(double freq, double q) {
        const double w = kTwoPi * freq / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
        return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    }
    static Biquad highPass(double freq, double q) {
        const double w = kTwoPi * freq / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
        return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    }
    double operator()(double x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
        : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A smooth 0..1 ramp (raised cosine).
double ramp(double t) {
    return t <= 0 ? 0 : t >= 1 ? 1 : 0.5 - 0.5 * std::cos(M_PI * t);
}

// Attack-sustain-release envelope over [start, end).
double envelope(double t, double start, double end, double attack, double release) {
    if (t < start || t >= end) return 0;
    return ramp((t - start) / attack) * ramp((end - t) / release);
}

void mixInto(Signal& out, const Signal& in, double at, double gain) {
    const auto offset = static_cast<std::size_t>(std::lround(at * kRate));
    for (std::size_t i = 0; i < in.size() && offset + i < out.size(); ++i) out[offset + i] += gain * in[i];
}

// One blast of a pea whistle: a tone near 3.2 kHz that the rattling pea
// warbles some 40 times a second, with its octave and a breath of noise.
Signal whistleBlast(double seconds, std::uint64_t seed) {
    Signal s = silence(seconds);
    Prng rng(seed);
    Biquad breath = Biquad::bandPass(3200, 3.0);
    double phase = 0;
    const double warbleRate = 36 + 8 * rng.uniform();
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        // The pitch settles from a little below as the breath builds up.
        const double settle = 1.0 - 0.06 * std::exp(-t / 0.03);
        const double warble = std::sin(kTwoPi * warbleRate * t);
        const double freq = 3200 * settle + 140 * warble;
        phase += kTwoPi * freq / kRate;
        const double amp = 0.8 + 0.2 * std::sin(kTwoPi * warbleRate * t + 1.3);
        const double tone = std::sin(phase) + 0.22 * std::sin(2 * phase + 0.4);
        const double air = breath(rng.signedUnit());
        s[i] = (amp * tone + 0.9 * air) * envelope(t, 0, seconds, 0.025, 0.06);
    }
    return s;
}

// Crowd voices: detuned buzzing voices shaped into an open "ah" by two vowel
// formants. pitch(t) gives each voice's base pitch in Hz and level(t) the
// loudness; voices differ in pitch, vibrato and timing (up to spread seconds late).
template <typename Pitch, typename Level>
Signal crowdVoices(double seconds, int voices, double spread, std::uint64_t seed, Pitch pitch, Level level) {
    Signal dry = silence(seconds);
    Prng rng(seed);
    for (int v = 0; v < voices; ++v) {
        const double detune = std::pow(2.0, rng.range(-0.35, 0.35));
        const double vibRate = rng.range(4.5, 6.5), vibDepth = rng.range(0.008, 0.02);
        const double delay = rng.range(0.0, spread), gain = rng.range(0.5, 1.0);
        double phase = rng.uniform();
        for (std::size_t i = 0; i < dry.size(); ++i) {
            const double t = i / kRate;
            const double tv = std::max(0.0, t - delay);
            const double f = pitch(tv) * detune * (1 + vibDepth * std::sin(kTwoPi * vibRate * t + v));
            phase += f / kRate;
            phase -= std::floor(phase);
            dry[i] += gain * level(tv) * (2 * phase - 1);  // a buzzing sawtooth, like vocal folds
        }
    }
    Biquad f1 = Biquad::bandPass(750, 4), f2 = Biquad::bandPass(1150, 5), f3 = Biquad::bandPass(2600, 6);
    Biquad warmth = Biquad::lowPass(3500, 0.7);
    Signal out = silence(seconds);
    for (std::size_t i = 0; i < dry.size(); ++i) {
        const double x = dry[i] / voices;
        out[i] = warmth(f1(x) + 0.7 * f2(x) + 0.25 * f3(x) + 0.15 * x);
    }
    return out;
}

// Broadband murmur of a stadium: noise through a soft band of 150 Hz to 2 kHz.
template <typename Level>
Signal crowdNoise(double seconds, std::uint64_t seed, Level level) {
    Signal s = silence(seconds);
    Prng rng(seed);
    Biquad hp = Biquad::highPass(150, 0.7), lp1 = Biquad::lowPass(2000, 0.7),
           lp2 = Biquad::lowPass(2400, 0.7);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        s[i] = level(t) * lp2(lp1(hp(rng.signedUnit())));
    }
    return s;
}

// A single hand clap: a short burst of noise with a body around 1.2 kHz.
Signal clap(std::uint64_t seed) {
    Signal s = silence(0.09);
    Prng rng(seed);
    Biquad body = Biquad::bandPass(rng.range(1000, 1500), 1.5);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        s[i] = body(rng.signedUnit()) * std::exp(-t / 0.012) * ramp(t / 0.001);
    }
    return s;
}

// Levels a sound to the common loudness, keeps it clear of full scale, fades
// its ends and converts it to 16-bit samples.
Samples finish(Signal s, double targetRms, double fadeIn, double fadeOut) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate, left = (s.size() - 1 - i) / kRate;
        s[i] *= ramp(t / fadeIn) * ramp(left / fadeOut);
    }
    double sum = 0, peak = 0;
    for (double x : s) {
        sum += x * x;
        peak = std::max(peak, std::abs(x));
    }
    const double rms = std::sqrt(sum / static_cast<double>(s.size()));
    constexpr double kPeakCeiling = 0.89;  // -1 dBFS
    const double gain = std::min(targetRms / rms, kPeakCeiling / peak);
    Samples out(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(s[i] * gain, -1.0, 1.0) * 32767.0));
    return out;
}

constexpr double kLoudness = 0.16;  // common RMS level, about -16 dBFS

}  // namespace

Samples makeKickoffWhistle() {
    Signal s = silence(0.85);
    mixInto(s, whistleBlast(0.78, 6101), 0.02, 1.0);
    return finish(s, kLoudness, 0.005, 0.02);
}

Samples makeFinalWhistle() {
    // Two short blasts and a long one.
    Signal s = silence(2.25);
    mixInto(s, whistleBlast(0.32, 6201), 0.02, 1.0);
    mixInto(s, whistleBlast(0.32, 6202), 0.50, 1.0);
    mixInto(s, whistleBlast(1.15, 6203), 0.98, 1.0);
    return finish(s, kLoudness, 0.005, 0.03);
}

Samples makeGoalRoar() {
    constexpr double kLength = 3.6;
    // The roar bursts out, swells for two seconds and dies away.
    auto level = [](double t) {
        const double rise = ramp(t / 0.45);
        const double swell = 1.0 + 0.15 * std::sin(kTwoPi * 0.6 * t);
        const double fall = t < 2.1 ? 1.0 : std::exp(-(t - 2.1) / 0.55);
        return rise * swell * fall;
    };
    // Voices rise in pitch with the excitement of the first moment.
    auto pitch = [](double t) { return 185.0 + 70.0 * ramp(t / 0.5) - 25.0 * ramp((t - 1.8) / 1.5); };
    Signal voices = crowdVoices(kLength, 48, 0.12, 6301, pitch, level);
    Signal murmur = crowdNoise(kLength, 6302, level);
    Signal s = silence(kLength);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = voices[i] + 0.55 * murmur[i];
    return finish(s, kLoudness, 0.01, 0.25);
}

Samples makeHomeChant() {
    constexpr double kLength = 3.6, kBeat = 0.4;
    // The chant: a falling three-note call sung on the beat, twice, with
    // claps in between; the notes are the home end's favourite tune.
    struct Note {
        double start, length, hz;
    };
    const Note tune[] = {{0.05, 0.28, 220.0}, {0.45, 0.28, 196.0}, {0.85, 0.6, 247.0},
                         {1.65, 0.28, 220.0}, {2.05, 0.28, 196.0}, {2.45, 0.8, 220.0}};
    auto noteAt = [&](double t) -> const Note* {
        for (const Note& n : tune)
            if (t >= n.start && t < n.start + n.length) return &n;
        return nullptr;
    };
    auto pitch = [&](double t) {
        const Note* n = noteAt(t);
        return n ? n->hz : 210.0;
    };
    auto level = [&](double t) {
        const Note* n = noteAt(t);
        return n ? envelope(t, n->start, n->start + n->length, 0.05, 0.1) : 0.0;
    };
    Signal voices = crowdVoices(kLength, 40, 0.035, 6401, pitch, level);
    Signal murmur = crowdNoise(kLength, 6402, [](double) { return 1.0; });
    Signal claps = silence(kLength);
    Prng rng(6403);
    for (double beat = 1.2; beat < kLength - 0.2; beat += kBeat / 2) {
        if (beat > 1.55 && beat < 2.8) continue;  // the clapping answers the singing
        for (int c = 0; c < 24; ++c)
            mixInto(claps, clap(rng.next()), beat + rng.range(0, 0.03), rng.range(0.4, 1.0));
    }
    Signal s = silence(kLength);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = voices[i] + 0.06 * murmur[i] + 0.12 * claps[i];
    return finish(s, kLoudness, 0.15, 0.3);
}

Samples makePostHit() {
    constexpr double kLength = 0.9, kLead = 0.003;  // a moment of silence before the hit
    Signal s = silence(kLength);
    Prng rng(6501);
    // An aluminium post rings with a few inharmonic modes; the ball's thud
    // is a short low knock under it.
    struct Mode {
        double hz, decay, gain;
    };
    const Mode modes[] = {
        {523, 0.30, 1.0}, {1387, 0.22, 0.7}, {2610, 0.14, 0.45}, {3980, 0.09, 0.3}, {5230, 0.06, 0.2}};
    Biquad knockFilter = Biquad::lowPass(600, 0.8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i / kRate;
        double ring = 0;
        for (const Mode& m : modes) ring += m.gain * std::exp(-t / m.decay) * std::sin(kTwoPi * m.hz * t);
        const double thud = std::exp(-t / 0.04) * std::sin(kTwoPi * 95 * t);
        const double knock = knockFilter(rng.signedUnit()) * std::exp(-t / 0.01);
        s[i] = (0.5 * ring + 0.9 * thud + 0.8 * knock) * ramp(t / 0.0008);
    }
    Signal lead = silence(kLength + kLead);
    mixInto(lead, s, kLead, 1.0);
    return finish(lead, kLoudness, 0.001, 0.1);
}

}  // namespace vm::assets
