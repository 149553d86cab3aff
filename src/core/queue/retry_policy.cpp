#include "core/queue/retry_policy.h"

#include <algorithm>

namespace tonalink {
namespace {

std::string failureText(const SendResult& result) {
    switch (result.failure) {
    case SendFailure::PortNotOpen:
        return "line not open";
    case SendFailure::NotEncodable:
        return "not encodable for the pager type";
    case SendFailure::NoTimer:
        return "call could not start";
    case SendFailure::LineFailed:
        return result.lineReason.empty() ? "line failed" : "line failed: " + result.lineReason;
    case SendFailure::None:
        break;
    }
    return result.outcome == SendOutcome::Cancelled ? "call cancelled" : "";
}

} // namespace

TryOutcome outcomeOfTry(const SendResult& result, bool interrupted, int32_t triesBefore,
                        int64_t now) {
    if (result.outcome == SendOutcome::Sent)
        return {RecipientState::Sent, triesBefore + 1, now, {}};
    if (interrupted)
        return {RecipientState::Queued, triesBefore, now, "interrupted by a stop"};
    const int32_t tries = triesBefore + 1;
    if (result.failure == SendFailure::NotEncodable || tries >= kMaxTries)
        return {RecipientState::Failed, tries, now, failureText(result)};
    const auto wait = kRetryDelaysSeconds[static_cast<std::size_t>(
        std::clamp<int32_t>(tries - 1, 0, int32_t(kRetryDelaysSeconds.size()) - 1))];
    return {RecipientState::Queued, tries, now + wait, failureText(result)};
}

} // namespace tonalink
