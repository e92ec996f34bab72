#include "Common.h"

#include <algorithm>
#include <cmath>

namespace makedata {

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

void putLe(std::string& out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += char((v >> (8 * i)) & 0xFF);
}

// Mono 16-bit PCM RIFF WAVE file; the samples are scaled so the loudest one is at `peak`.
void writeWave(const QString& path, std::vector<double> samples, double peak)
{
    double max = 0;
    for (double s : samples)
        max = std::max(max, std::fabs(s));
    double gain = max > 0 ? peak / max : 0;
    std::string data;
    data.reserve(samples.size() * 2);
    for (double s : samples) {
        long v = std::lround(s * gain * 32767.0);
        v = std::clamp(v, -32768L, 32767L);
        putLe(data, uint32_t(int16_t(v)) & 0xFFFF, 2);
    }
    std::string out = "RIFF";
    putLe(out, uint32_t(36 + data.size()), 4);
    out += "WAVE";
    out += "fmt ";
    putLe(out, 16, 4);          // size of the format chunk
    putLe(out, 1, 2);           // PCM
    putLe(out, 1, 2);           // mono
    putLe(out, kRate, 4);       // samples per second
    putLe(out, kRate * 2, 4);   // bytes per second
    putLe(out, 2, 2);           // block align
    putLe(out, 16, 2);          // bits per sample
    out += "data";
    putLe(out, uint32_t(data.size()), 4);
    out += data;
    writeBytes(path, out);
}

}  // namespace

// The roll sound: a seamless one-second loop of fast wooden ticks over a soft drum roll,
// like a prize wheel spinning. 21 ticks of exactly 1050 samples each fill the loop.
void writeRollSound(const QString& path)
{
    const int period = 1050;
    const int ticks = 21;
    const int n = period * ticks;
    std::vector<double> out(n, 0.0);
    Rng rng(0x5EEDu);

    for (int t = 0; t < ticks; ++t) {
        const int start = t * period;
        const bool accent = t % 3 == 0;
        const double f = (t % 2 == 0) ? 1850.0 : 1550.0;
        const double amp = accent ? 1.0 : 0.62;
        for (int i = 0; i < 900; ++i) {
            double time = double(i) / kRate;
            double env = std::exp(-time / 0.0075);
            double click = (i < 40) ? (rng.unit() * 2 - 1) * (1.0 - i / 40.0) * 0.6 : 0.0;
            double body = std::sin(2 * kPi * f * time) * env + 0.45 * std::sin(2 * kPi * f * 2.71 * time) * env * env;
            double thump = accent ? 0.55 * std::sin(2 * kPi * 180.0 * time) * std::exp(-time / 0.02) : 0.0;
            out[(start + i) % n] += amp * (0.55 * body + click) + thump;
        }
    }

    // Soft snare-like bed: band-passed noise with a gentle pulse, filtered over three passes
    // of the loop so that the filter state at the seam is the one of a running loop.
    std::vector<double> noise(n);
    for (double& v : noise)
        v = rng.unit() * 2 - 1;
    double lp = 0, hp = 0, prev = 0;
    std::vector<double> bed(n);
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < n; ++i) {
            lp += 0.35 * (noise[i] - lp);
            hp = 0.92 * (hp + lp - prev);
            prev = lp;
            if (pass == 2) {
                double phase = double(i % (period / 2)) / (period / 2);
                bed[i] = hp * (0.55 + 0.45 * std::exp(-phase * 4.0));
            }
        }
    for (int i = 0; i < n; ++i)
        out[i] += 0.22 * bed[i];
    writeWave(path, std::move(out), 0.8);
}

// The win sound: a bright rising bell arpeggio (C6 E6 G6 C7) closing on a shimmering chord,
// about 1.6 seconds with a natural decay.
void writeWinSound(const QString& path)
{
    const int n = int(1.6 * kRate);
    std::vector<double> out(n, 0.0);
    auto bell = [&](double onset, double freq, double gain, double decay) {
        // partial ratio, relative amplitude, decay factor
        const double partials[][3] = {
            {1.0, 1.0, 1.0}, {2.0, 0.45, 0.7}, {3.0, 0.22, 0.5}, {4.17, 0.16, 0.35}, {5.43, 0.08, 0.25},
        };
        int first = int(onset * kRate);
        for (int i = first; i < n; ++i) {
            double t = double(i - first) / kRate;
            double attack = std::min(1.0, t / 0.003);
            double v = 0;
            for (const auto& p : partials)
                if (freq * p[0] < 0.45 * kRate)  // nothing above the Nyquist limit (no aliasing)
                    v += p[1] * std::sin(2 * kPi * freq * p[0] * t) * std::exp(-t / (decay * p[2]));
            out[i] += gain * attack * v;
        }
    };
    const double c6 = 1046.50, e6 = 1318.51, g6 = 1567.98, c7 = 2093.00, e7 = 2637.02;
    bell(0.00, c6, 0.8, 0.35);
    bell(0.09, e6, 0.8, 0.35);
    bell(0.18, g6, 0.8, 0.35);
    bell(0.27, c7, 0.9, 0.45);
    // closing chord with a slight spread, and a high sparkle
    bell(0.40, c6, 0.55, 0.6);
    bell(0.41, e6, 0.5, 0.6);
    bell(0.42, g6, 0.5, 0.6);
    bell(0.43, c7, 0.6, 0.65);
    bell(0.47, e7, 0.35, 0.4);
    bell(0.55, c7 * 2, 0.15, 0.25);
    // fade the last 150 ms to silence
    const int fade = int(0.15 * kRate);
    for (int i = 0; i < fade; ++i)
        out[n - 1 - i] *= double(i) / fade;
    writeWave(path, std::move(out), 0.85);
}

}  // namespace makedata
