#pragma once

#include <string_view>
#include <vector>

// What a Hayes modem puts on the telephone line for one command line: DTMF
// tones for tone-dialled digits, silence for pulse dialling and pauses.
namespace tonalink::modemsim {

inline constexpr int kToneMs = 95;    // S11 default: tone length and gap
inline constexpr int kPauseMs = 2000; // S8 default: one ','
inline constexpr int kPulseMs = 100;  // 10 pulses per second
inline constexpr int kInterDigitMs = 700;

struct ToneSegment {
    char digit; // '0'-'9', '*', '#'; 0 for silence
    int durationMs;
    bool operator==(const ToneSegment&) const = default;
};

using TonePlan = std::vector<ToneSegment>;

// The dial string of an ATD command or the code string of AT#STX=, rendered;
// every other command yields nothing.
TonePlan tonePlanForLine(std::string_view line);

int planDurationMs(const TonePlan& plan);

} // namespace tonalink::modemsim
