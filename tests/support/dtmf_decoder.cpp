#include "dtmf_decoder.h"

#include "child_process.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace tonalink::test {
namespace fs = std::filesystem;
namespace {

std::string findOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const fs::path candidate = fs::path(dir) / program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

// 16-bit mono samples at `rate`, linearly resampled to the 22050 Hz multimon-ng expects.
std::string resampled(std::string_view samples, uint32_t rate) {
    std::vector<int16_t> in(samples.size() / 2);
    std::memcpy(in.data(), samples.data(), in.size() * 2);
    std::vector<int16_t> out;
    for (double x = 0; x + 1 < static_cast<double>(in.size()); x += rate / 22050.0) {
        const auto i = static_cast<std::size_t>(x);
        out.push_back(
            static_cast<int16_t>(in[i] + (in[i + 1] - in[i]) * (x - static_cast<double>(i))));
    }
    return std::string(reinterpret_cast<const char*>(out.data()), out.size() * 2);
}

} // namespace

std::optional<std::string> decodeDtmfWav(const fs::path& wav) {
    const std::string multimon = findOnPath("multimon-ng");
    if (multimon.empty())
        return std::nullopt;
    // multimon-ng reads WAV only through sox; it takes the samples raw after the
    // 44-byte header.
    const std::string file = readWholeFile(wav);
    if (file.size() <= 44 || file.compare(0, 4, "RIFF") != 0)
        return std::string("not a WAV file");
    uint32_t rate = 0;
    std::memcpy(&rate, file.data() + 24, 4);
    TempDir dir;
    const std::string raw =
        dir.write("line.raw", resampled(std::string_view(file).substr(44), rate));
    RunResult decoded = run({multimon, "-q", "-c", "-a", "DTMF", "-t", "raw", raw});
    std::string digits;
    std::istringstream lines(decoded.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("DTMF: ", 0) == 0 && line.size() > 6)
            digits += line[6];
    }
    return digits;
}

} // namespace tonalink::test
