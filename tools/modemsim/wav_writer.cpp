#include "wav_writer.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>

namespace tonalink::modemsim {
namespace {

struct DtmfPair {
    double row;
    double column;
};

std::optional<DtmfPair> dtmfFrequencies(char digit) {
    static constexpr std::string_view keypad = "123456789*0#";
    static constexpr double rows[] = {697, 770, 852, 941};
    static constexpr double columns[] = {1209, 1336, 1477};
    const std::size_t key = digit == 0 ? std::string_view::npos : keypad.find(digit);
    if (key == std::string_view::npos)
        return std::nullopt;
    return DtmfPair{rows[key / 3], columns[key % 3]};
}

void appendLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void renderPlan(const TonePlan& plan, std::vector<int16_t>& samples) {
    constexpr double amplitude = 0.35 * 32767; // per sine, so the sum stays clear of clipping
    for (const ToneSegment& segment : plan) {
        const std::size_t count = static_cast<std::size_t>(segment.durationMs) * kSampleRate / 1000;
        const std::optional<DtmfPair> f = dtmfFrequencies(segment.digit);
        if (!f) {
            samples.insert(samples.end(), count, 0);
            continue;
        }
        for (std::size_t n = 0; n < count; ++n) {
            const double t = static_cast<double>(n) / kSampleRate;
            const double v = std::sin(2 * std::numbers::pi * f->row * t) +
                             std::sin(2 * std::numbers::pi * f->column * t);
            samples.push_back(static_cast<int16_t>(std::lround(amplitude * v)));
        }
    }
}

std::string wavFileBytes(const std::vector<int16_t>& samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    appendLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    appendLittleEndian(out, 16, 4);              // fmt chunk size
    appendLittleEndian(out, 1, 2);               // PCM
    appendLittleEndian(out, 1, 2);               // mono
    appendLittleEndian(out, kSampleRate, 4);     // sample rate
    appendLittleEndian(out, kSampleRate * 2, 4); // byte rate
    appendLittleEndian(out, 2, 2);               // block align
    appendLittleEndian(out, 16, 2);              // bits per sample
    out += "data";
    appendLittleEndian(out, dataBytes, 4);
    for (int16_t s : samples)
        appendLittleEndian(out, static_cast<uint16_t>(s), 2);
    return out;
}

} // namespace tonalink::modemsim
