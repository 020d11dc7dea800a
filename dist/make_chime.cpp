// Writes the built-in chime: two soft bell strokes, a fifth apart, as a mono 16-bit WAV.
// Run at build time (make_chime OUTPUT.wav); the sound is computed, so no file is fetched.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kSeconds = 1.8;

// One bell stroke: a few partials of a struck bar, each dying away at its own pace; a short
// rise at the start keeps the stroke from clicking.
double Stroke(double t, double pitch) {
    if (t < 0) return 0;
    struct Partial {
        double ratio, level, decay;  // decay: seconds to fall to 1/e
    };
    static constexpr Partial partials[] = {
        {1.0, 1.0, 0.55}, {2.0, 0.35, 0.30}, {3.0, 0.12, 0.18}, {4.2, 0.05, 0.10}};
    double v = 0;
    for (const Partial& p : partials)
        v +=
            p.level * std::exp(-t / p.decay) * std::sin(2 * std::numbers::pi * pitch * p.ratio * t);
    const double attack = std::min(1.0, t / 0.004);
    return v * attack;
}

void Put16(std::ofstream& out, std::uint16_t v) {
    const char b[] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    out.write(b, 2);
}
void Put32(std::ofstream& out, std::uint32_t v) {
    Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_chime OUTPUT.wav\n");
        return 2;
    }
    const int count = static_cast<int>(kSeconds * kRate);
    const int fade = kRate / 10;  // the last tenth of a second falls to silence
    std::vector<std::int16_t> samples(count);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double v = Stroke(t, 1318.51) + 0.9 * Stroke(t - 0.28, 880.0);  // E6, then A5
        if (i >= count - fade) v *= static_cast<double>(count - 1 - i) / fade;
        samples[i] = static_cast<std::int16_t>(std::lround(v * 0.42 * 32767));
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    Put32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, kRate);
    Put32(out, kRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, bytes);
    for (const std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_chime: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
