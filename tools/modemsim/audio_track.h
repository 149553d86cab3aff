#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tonalink::modemsim {

inline constexpr int kMaxAudioMs = 10 * 60 * 1000;

// The line audio of a whole session, one command line after another, bounded so
// that a long-running simulator cannot fill memory or disk.
class AudioTrack {
public:
    explicit AudioTrack(int maxMs = kMaxAudioMs) : m_maxMs(maxMs) {}

    // False when the line's audio would pass the bound; the line is then left out.
    bool addLine(std::string_view line);

    const std::vector<int16_t>& samples() const { return m_samples; }

private:
    int m_maxMs;
    int m_totalMs = 0;
    std::vector<int16_t> m_samples;
};

} // namespace tonalink::modemsim
