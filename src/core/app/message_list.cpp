#include "core/app/message_list.h"

#include "core/app/program_state.h"

namespace tonalink {

Registration checkRegistration(ProgramState& state, bool hasText, bool collected) {
    if (state.settings.UserMsgList.size() >= kMessageListLimit) {
        return Registration::ListFull;
    }
    if (!hasText) {
        return Registration::NoText;
    }
    if (!collected) {
        return Registration::Unencodable;
    }
    state.encoder.EncodedMsg.clear();
    return state.encoder.Encode(encoderInput(state)) < 0 ? Registration::Unencodable
                                                         : Registration::None;
}

} // namespace tonalink
