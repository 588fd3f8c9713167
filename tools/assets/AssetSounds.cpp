// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetSounds.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace assets {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

// Fixed-seed generator so every run writes the same bytes.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next() // uniform in [-1, 1)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t state_;
};

double smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

// Fades both ends to silence so playback starts and stops without a click.
void fadeEnds(std::vector<double> &s, double inSeconds, double outSeconds)
{
    const auto n = s.size();
    const auto in = static_cast<size_t>(inSeconds * SampleRate);
    const auto out = static_cast<size_t>(outSeconds * SampleRate);
    for (size_t i = 0; i < n; ++i) {
        double g = 1.0;
        if (i < in) {
            g *= smoothStep(static_cast<double>(i) / static_cast<double>(in));
        }
        if (n - 1 - i < out) {
            g *= smoothStep(static_cast<double>(n - 1 - i) / static_cast<double>(out));
        }
        s[i] *= g;
    }
}

Samples toPcm(const std::vector<double> &s, double peak)
{
    double most = 0.0;
    for (const double v : s) {
        most = std::max(most, std::abs(v));
    }
    const double gain = most > 0.0 ? peak / most : 0.0;
    Samples out;
    out.reserve(s.size());
    for (const double v : s) {
        out.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v * gain, -1.0, 1.0) * 32767.0)));
    }
    return out;
}

void put16(std::ofstream &f, std::uint32_t v)
{
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
    f.write(b, 2);
}

void put32(std::ofstream &f, std::uint32_t v)
{
    put16(f, v & 0xFFFF);
    put16(f, v >> 16);
}

} // namespace

Samples makeEatSound()
{
    constexpr double Length = 0.075;
    const auto n = static_cast<size_t>(Length * SampleRate);
    std::vector<double> s(n);
    double phase = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double u = t / Length;
        // An octave glide up, fastest at the start: it reads as a quick "bip".
        const double freq = 740.0 * std::pow(2.0, 1.0 - std::pow(1.0 - u, 2.0));
        phase += TwoPi * freq / SampleRate;
        const double tone = std::sin(phase) + 0.28 * std::sin(2.0 * phase) + 0.12 * std::sin(3.0 * phase);
        const double envelope = std::exp(-t / 0.045);
        s[i] = tone * envelope;
    }
    fadeEnds(s, 0.004, 0.012);
    return toPcm(s, 0.5);
}

Samples makeCrashSound()
{
    constexpr double Length = 0.52;
    const auto n = static_cast<size_t>(Length * SampleRate);
    std::vector<double> s(n);
    Noise noise(0x5EEDC0DEu);
    Noise grit(0x00C0FFEEu);

    // Impacts: the hit itself, then two smaller knocks of falling debris.
    struct Impact {
        double at, level, decay;
    };
    constexpr Impact impacts[] = {{0.0, 1.0, 0.16}, {0.085, 0.45, 0.06}, {0.19, 0.3, 0.05}};

    double low = 0.0;        // low-passed noise
    double held = 0.0;       // sample-and-hold noise: the crunchy grain
    double gritLow = 0.0;
    int holdLeft = 0;
    double phase = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double u = t / Length;

        double envelope = 0.0;
        for (const Impact &k : impacts) {
            if (t >= k.at) {
                envelope += k.level * std::exp(-(t - k.at) / k.decay);
            }
        }
        envelope += 0.18 * std::exp(-t / 0.35); // long rattle tail

        // Noise darkens as the crash dies away.
        const double cutoff = 5500.0 * std::pow(0.06, u);
        const double a = 1.0 - std::exp(-TwoPi * cutoff / SampleRate);
        low += a * (noise.next() - low);

        if (holdLeft <= 0) {
            held = grit.next();
            holdLeft = 2 + static_cast<int>((grit.next() + 1.0) * 6.0 + u * 20.0);
        }
        --holdLeft;

        // A growl falling from 170 Hz to 45 Hz.
        const double freq = 170.0 * std::pow(45.0 / 170.0, u);
        phase += TwoPi * freq / SampleRate;
        double growl = 0.0;
        for (int h = 1; h <= 6; ++h) {
            growl += std::sin(h * phase) / h;
        }

        // Short metallic ring on the first impact.
        const double ring = std::exp(-t / 0.035)
                            * (std::sin(TwoPi * 1230.0 * t) + 0.7 * std::sin(TwoPi * 1873.0 * t)
                               + 0.5 * std::sin(TwoPi * 2657.0 * t));

        gritLow += 0.45 * (held - gritLow); // takes the fizz off the grain's steps

        const double mix = 1.2 * low + 0.5 * gritLow + 0.6 * growl * std::exp(-t / 0.3) + 0.2 * ring;
        s[i] = std::tanh(1.5 * mix * envelope);
    }

    // Soften the top end of the clipped mix.
    double soft = 0.0;
    for (double &v : s) {
        soft += 0.55 * (v - soft);
        v = soft;
    }

    // Remove any offset left by the clipping curve.
    double in = 0.0;
    double out = 0.0;
    for (double &v : s) {
        out = v - in + 0.995 * out;
        in = v;
        v = out;
    }
    fadeEnds(s, 0.002, 0.06);
    return toPcm(s, 0.7);
}

bool writeWave(const std::string &path, const Samples &samples, int sampleRate)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) {
        return false;
    }
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVE", 4);
    f.write("fmt ", 4);
    put32(f, 16);       // format chunk size
    put16(f, 1);        // PCM
    put16(f, 1);        // mono
    put32(f, rate);
    put32(f, rate * 2); // bytes per second
    put16(f, 2);        // bytes per frame
    put16(f, 16);       // bits per sample
    f.write("data", 4);
    put32(f, dataBytes);
    for (const std::int16_t v : samples) {
        put16(f, static_cast<std::uint16_t>(v));
    }
    f.flush();
    return static_cast<bool>(f);
}

} // namespace assets
