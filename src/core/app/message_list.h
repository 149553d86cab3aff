#pragma once

#include "core/app/settings_model.h"

#include <cstddef>

namespace tonalink {

struct ProgramState;

// The registered messages fit the settings' message slots.
inline constexpr std::size_t kMessageListLimit = kUserMsgListSlots;

// Why the form's message may not join the registered messages, in the order the
// user is told; None when it may. The same text may be registered twice.
enum class Registration { None, ListFull, NoText, Unencodable };

// `hasText`: the message field is not empty. `collected`: every form field went
// into the current send; a form that could not be collected cannot be sent, so
// neither registered. Encoding refreshes the encoder's outputs as a preview does.
Registration checkRegistration(ProgramState& state, bool hasText, bool collected);

} // namespace tonalink
