#include "dtmf_decoder.h"

#include "child_process.h"

#include <cstdlib>
#include <sstream>
#include <unistd.h>

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
    TempDir dir;
    const std::string raw = dir.write("line.raw", std::string_view(file).substr(44));
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
