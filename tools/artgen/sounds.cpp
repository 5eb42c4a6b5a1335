#include "sounds.h"

#include "art/sounds.h"
#include "draw_util.h"
#include "image_io.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace olvane::artgen
{

namespace
{

constexpr double Rate = art::SoundRate;

/// One explosion: a thump, a blast of noise closing down, and rumble.
struct Blast
{
    double start;     ///< seconds
    double decay;     ///< seconds to fall to about a third
    double bright;    ///< 0 muffled .. 1 sharp
    double thumpHz;
    double loudness;
};

class Synth
{
public:
    Synth(double seconds, std::uint32_t seed) : samples_(static_cast<std::size_t>(seconds * Rate)), noise_(seed) {}

    std::size_t Size() const { return samples_.size(); }

    double T(std::size_t i) const { return static_cast<double>(i) / Rate; }

    void Add(std::size_t i, double v) { samples_[i] += v; }

    double White() { return noise_.Unit() * 2 - 1; }

    void AddBlast(const Blast& b)
    {
        double low = 0;
        double lower = 0;
        for (std::size_t i = 0; i < Size(); ++i)
        {
            const double t = T(i) - b.start;
            if (t < 0)
            {
                continue;
            }
            const double env = std::min(1.0, t / 0.004) * std::exp(-t / b.decay);
            // The low-pass closes as the blast dies, so the crack turns into rumble.
            const double cutoff = 0.02 + b.bright * 0.5 * std::exp(-t / (b.decay * 0.5));
            low += cutoff * (White() - low);
            lower += 0.05 * (low - lower);
            const double thump = std::sin(2 * Pi * b.thumpHz * t * (1 - 0.3 * std::min(t, 1.0))) *
                                 std::exp(-t / (b.decay * 0.6));
            Add(i, b.loudness * env * (low * 1.6 + lower * 2.5) + b.loudness * 0.7 * thump);
        }
    }

    std::vector<std::int16_t> Finish(double fadeOut = 0.05)
    {
        double peak = 1e-9;
        for (double s : samples_)
        {
            peak = std::max(peak, std::abs(s));
        }
        std::vector<std::int16_t> out(samples_.size());
        const auto fade = static_cast<std::size_t>(fadeOut * Rate);
        for (std::size_t i = 0; i < samples_.size(); ++i)
        {
            double v = samples_[i] / peak * 0.85;
            const std::size_t left = samples_.size() - i;
            if (left < fade)
            {
                v *= static_cast<double>(left) / static_cast<double>(fade);
            }
            out[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
        }
        return out;
    }

private:
    std::vector<double> samples_;
    Noise noise_;
};

/// A siren that rises and falls once, with a few harmonics for a horn-like edge.
std::vector<std::int16_t> Siren(double seconds, double base, double swing, double warble)
{
    Synth s(seconds, 11);
    double phase = 0;
    for (std::size_t i = 0; i < s.Size(); ++i)
    {
        const double t = s.T(i);
        const double shape = std::sin(Pi * t / seconds);
        const double f = base * (1 + swing * shape) * (1 + 0.02 * std::sin(2 * Pi * warble * t));
        phase += 2 * Pi * f / Rate;
        const double env = std::min(1.0, t / 0.05) * std::min(1.0, (seconds - t) / 0.08);
        s.Add(i, env * (std::sin(phase) + 0.4 * std::sin(2 * phase) + 0.2 * std::sin(3 * phase)));
    }
    return s.Finish();
}

std::vector<std::int16_t> SonarPing(double seconds)
{
    Synth s(seconds, 13);
    for (double start : {0.0, 0.45})
    {
        const double gain = start == 0.0 ? 1.0 : 0.35;
        for (std::size_t i = 0; i < s.Size(); ++i)
        {
            const double t = s.T(i) - start;
            if (t < 0)
            {
                continue;
            }
            const double env = std::min(1.0, t / 0.003) * std::exp(-t / 0.18);
            s.Add(i, gain * env * std::sin(2 * Pi * 1480 * t) * (1 + 0.3 * std::sin(2 * Pi * 7 * t)));
        }
    }
    return s.Finish();
}

std::vector<std::int16_t> AircraftSiren(double seconds)
{
    Synth s(seconds, 17);
    double phase = 0;
    double engine = 0;
    for (std::size_t i = 0; i < s.Size(); ++i)
    {
        const double t = s.T(i);
        // A diving whine over a droning engine.
        const double f = 700 + 500 * t / seconds;
        phase += 2 * Pi * f / Rate;
        engine += 2 * Pi * (95 + 10 * std::sin(2 * Pi * 3 * t)) / Rate;
        const double saw = std::fmod(engine / (2 * Pi), 1.0) * 2 - 1;
        const double env = std::min(1.0, t / 0.1) * std::min(1.0, (seconds - t) / 0.1);
        s.Add(i, env * (0.6 * std::sin(phase) + 0.5 * saw + 0.1 * s.White()));
    }
    return s.Finish();
}

std::vector<std::int16_t> Click(double seconds)
{
    Synth s(seconds, 19);
    for (std::size_t i = 0; i < s.Size(); ++i)
    {
        const double t = s.T(i);
        s.Add(i, std::exp(-t / 0.006) * (0.7 * std::sin(2 * Pi * 2200 * t) + 0.5 * s.White()));
    }
    return s.Finish(0.005);
}

std::vector<std::int16_t> Sinking(double seconds)
{
    Synth s(seconds, 23);
    s.AddBlast({0.0, 0.9, 0.05, 38, 0.8});
    // Bubbles: short rising chirps scattered over the whole sound.
    Noise n(29);
    for (int b = 0; b < 40; ++b)
    {
        const double start = n.Range(0.1, seconds - 0.2);
        const double f0 = n.Range(250, 700);
        for (std::size_t i = static_cast<std::size_t>(start * Rate); i < s.Size(); ++i)
        {
            const double t = s.T(i) - start;
            if (t > 0.06)
            {
                break;
            }
            s.Add(i, 0.25 * std::exp(-t / 0.02) * std::sin(2 * Pi * f0 * (1 + 8 * t) * t));
        }
    }
    // Groaning hull: a slow, falling low tone.
    for (std::size_t i = 0; i < s.Size(); ++i)
    {
        const double t = s.T(i);
        s.Add(i, 0.35 * std::sin(2 * Pi * (70 - 15 * t) * t) * std::sin(Pi * t / seconds));
    }
    return s.Finish(0.2);
}

std::vector<std::int16_t> Explosion(std::string_view file, double seconds)
{
    Synth s(seconds, static_cast<std::uint32_t>(file.size() * 31 + static_cast<unsigned char>(file[8])));
    if (file == "EFF/BUM_FRCO.WAV")
    {
        s.AddBlast({0.0, 0.22, 0.8, 70, 1.0});
    }
    else if (file == "EFF/BUM_SUB.WAV")
    {
        // Under water: muffled, then the spout falls back.
        s.AddBlast({0.0, 0.35, 0.08, 45, 1.0});
        s.AddBlast({0.35, 0.3, 0.35, 60, 0.35});
    }
    else if (file == "EFF/BUM_DE.WAV")
    {
        s.AddBlast({0.0, 0.3, 0.7, 60, 1.0});
        s.AddBlast({0.25, 0.2, 0.5, 55, 0.4});
    }
    else if (file == "EFF/BUM_CR.WAV")
    {
        s.AddBlast({0.0, 0.4, 0.6, 50, 1.0});
        s.AddBlast({0.35, 0.35, 0.4, 45, 0.55});
    }
    else if (file == "EFF/BUM_BB.WAV")
    {
        // The magazine goes up after the first hit.
        s.AddBlast({0.0, 0.3, 0.6, 48, 0.7});
        s.AddBlast({0.3, 0.6, 0.45, 36, 1.0});
        s.AddBlast({0.9, 0.4, 0.3, 40, 0.45});
    }
    else if (file == "EFF/BUM_AV.WAV")
    {
        // A falling whistle before the blast.
        for (std::size_t i = 0; i < s.Size(); ++i)
        {
            const double t = s.T(i);
            if (t < 0.3)
            {
                s.Add(i, 0.3 * std::sin(2 * Pi * (1400 - 1800 * t) * t) * std::min(1.0, t / 0.05));
            }
        }
        s.AddBlast({0.3, 0.35, 0.7, 55, 1.0});
    }
    else
    {
        // Port artillery: a sharp crack and a short boom.
        s.AddBlast({0.0, 0.08, 1.0, 90, 0.8});
        s.AddBlast({0.06, 0.25, 0.4, 55, 0.9});
    }
    return s.Finish(0.1);
}

} // namespace

std::vector<std::int16_t> SynthesiseSound(std::string_view file, double seconds)
{
    if (file == "EFF/1CLICK.wav")
    {
        return Click(seconds);
    }
    if (file == "EFF/SIR10.WAV")
    {
        return Siren(seconds, 880, 0.35, 6);
    }
    if (file == "EFF/SIR20.WAV")
    {
        return Siren(seconds, 600, 0.4, 5);
    }
    if (file == "EFF/SIR30.WAV")
    {
        return Siren(seconds, 390, 0.45, 4);
    }
    if (file == "EFF/SIR_SON.WAV")
    {
        return SonarPing(seconds);
    }
    if (file == "EFF/SIR_AV.WAV")
    {
        return AircraftSiren(seconds);
    }
    if (file == "EFF/POTOP.WAV")
    {
        return Sinking(seconds);
    }
    if (file.rfind("EFF/BUM_", 0) == 0)
    {
        return Explosion(file, seconds);
    }
    throw std::runtime_error("no recipe for " + std::string(file));
}

void WriteSounds(const std::filesystem::path& root)
{
    for (const art::SoundFile& s : art::SoundFiles)
    {
        WriteWav(OutputPath(root, s.file), SynthesiseSound(s.file, s.seconds), art::SoundRate);
    }
}

} // namespace olvane::artgen
