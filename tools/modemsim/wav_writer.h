#pragma once

#include "tone_plan.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tonalink::modemsim {

inline constexpr int kSampleRate = 22050;

// Appends the plan as 16-bit samples at kSampleRate: each tone is the sum of its
// DTMF row and column sines.
void renderPlan(const TonePlan& plan, std::vector<int16_t>& samples);

// A complete mono 16-bit PCM WAV file holding `samples` at kSampleRate.
std::string wavFileBytes(const std::vector<int16_t>& samples);

} // namespace tonalink::modemsim
