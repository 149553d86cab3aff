#pragma once

#include "core/app/send_job.h"
#include "core/queue/recipient_state.h"

#include <array>
#include <cstdint>
#include <string>

namespace tonalink {

// A line failure or a busy line is tried again after these waits, and given up
// after kMaxTries tries in all.
inline constexpr std::array<int64_t, 4> kRetryDelaysSeconds{60, 120, 300, 600};
inline constexpr int32_t kMaxTries = 5;

// What one try of a recipient leaves behind.
struct TryOutcome {
    RecipientState state = RecipientState::Queued;
    int32_t tries = 0;   // tries counted so far
    int64_t nextTry = 0; // seconds since the epoch; meaningful while queued
    std::string failure; // empty when sent
};

// Decides from a try's result. A call interrupted by the daemon's own stop does
// not count as a try and is queued again at once; a message that cannot be
// encoded fails at once; every other failure is a line failure, retried on the
// schedule above.
TryOutcome outcomeOfTry(const SendResult& result, bool interrupted, int32_t triesBefore,
                        int64_t now);

} // namespace tonalink
