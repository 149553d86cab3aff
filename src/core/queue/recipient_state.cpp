#include "core/queue/recipient_state.h"

#include <array>
#include <utility>

namespace tonalink {
namespace {

constexpr std::array<std::pair<RecipientState, std::string_view>, 5> kNames{{
    {RecipientState::Queued, "queued"},
    {RecipientState::InCall, "in call"},
    {RecipientState::Sent, "sent"},
    {RecipientState::Failed, "failed"},
    {RecipientState::Cancelled, "cancelled"},
}};

} // namespace

std::string_view recipientStateName(RecipientState state) {
    for (const auto& [value, name] : kNames) {
        if (value == state)
            return name;
    }
    return {};
}

std::optional<RecipientState> recipientStateFromName(std::string_view name) {
    for (const auto& [value, text] : kNames) {
        if (text == name)
            return value;
    }
    return std::nullopt;
}

} // namespace tonalink
