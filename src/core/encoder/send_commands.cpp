#include "core/encoder/encoder.h"

#include <string>

namespace tonalink {

int32_t Encoder::BuildSendCommands(const EncoderInput& input) {
    if (Encode(input) < 0) {
        return -1;
    }
    const PagerType& type = input.Type;
    // Every part is a call of its own, so each one carries the whole wrapping.
    for (std::string& part : MsgParts) {
        if (!input.CallPassword.empty()) {
            part.insert(0, std::string(input.CallPassword).append(","));
        }
        if (type.PbOrPhsSw == 1) {
            part.insert(0, std::string(input.CallNumber)
                               .append(type.PhsCallEnd != 0 ? "#" : "")
                               .append(",,,"));
        }
        part += type.MsgEndCmd;
    }
    return 0;
}

} // namespace tonalink
