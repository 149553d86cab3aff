#pragma once

#include <optional>
#include <string_view>

namespace tonalink {

// Where one recipient of a queued page stands.
enum class RecipientState {
    Queued,    // waiting for its time or its next try
    InCall,    // its call is under way
    Sent,      // every part went out and was recorded
    Failed,    // given up: not encodable, or out of tries
    Cancelled, // taken out of the queue by the user
};

// The names the store and the status listing use: "queued", "in call", ...
std::string_view recipientStateName(RecipientState state);
std::optional<RecipientState> recipientStateFromName(std::string_view name);

} // namespace tonalink
