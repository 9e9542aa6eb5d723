// Writes the two sounds of a run: a soft tick for every instruction
// ("step.wav") and a two-note horn when the program halts ("honk.wav").
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Tone {
    double frequency;
    double start;  // seconds
    double length; // seconds
    double level;  // 0..1
};

std::vector<std::int16_t> Render(const std::vector<Tone>& tones, double seconds) {
    std::vector<double> mix(static_cast<std::size_t>(seconds * kRate), 0.0);
    for (const Tone& t : tones) {
        const auto first = static_cast<std::size_t>(t.start * kRate);
        const auto count = static_cast<std::size_t>(t.length * kRate);
        for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
            const double time = static_cast<double>(i) / kRate;
            // Quick rise, smooth exponential fall: no clicks.
            const double attack = std::min(1.0, time / 0.004);
            const double release = std::exp(-4.0 * time / t.length);
            const double tail = std::min(1.0, (t.length - time) / 0.01);
            double v = std::sin(2 * kPi * t.frequency * time) +
                       0.3 * std::sin(4 * kPi * t.frequency * time);
            mix[first + i] += t.level * attack * release * tail * v / 1.3;
        }
    }
    std::vector<std::int16_t> samples(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i)
        samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(mix[i], -1.0, 1.0) * 32000));
    return samples;
}

void Put32(std::ofstream& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(std::ofstream& out, std::uint16_t v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
}

bool WriteWave(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary);
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    Put32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, kRate);
    Put32(out, kRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, bytes);
    for (std::int16_t s : samples)
        Put16(out, static_cast<std::uint16_t>(s));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: zeb-make-sounds STEP.wav HONK.wav\n";
        return 2;
    }
    const bool ok = WriteWave(argv[1], Render({{1318.5, 0.0, 0.045, 0.35}}, 0.05)) &&
                    WriteWave(argv[2], Render({{392.0, 0.0, 0.16, 0.5},
                                               {493.9, 0.0, 0.16, 0.35},
                                               {523.3, 0.17, 0.34, 0.5},
                                               {659.3, 0.17, 0.34, 0.35}},
                                              0.52));
    return ok ? 0 : 1;
}
