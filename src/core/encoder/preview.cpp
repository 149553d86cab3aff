#include "core/encoder/preview.h"

namespace tonalink {

Preview PreparePreview(Encoder& encoder, const EncoderInput& input) {
    Preview preview;
    const std::string limit = std::to_string(input.Type.MsgCount);
    if (input.MessageText.empty()) {
        preview.CountText = "0/" + limit;
    } else {
        encoder.EncodedMsg.clear();
        const int32_t result = encoder.Encode(input);
        preview.CodePreview = encoder.EncodedMsg;
        if (result < 0) {
            preview.CountText = "error";
            preview.Send = preview.Reserve = preview.Broadcast = preview.View =
                ButtonChange::Disable;
            return preview;
        }
        preview.CountText = std::to_string(result) + "/" + limit;
        preview.View = ButtonChange::Enable;
    }
    // A message without a call number can still go to a group.
    const bool noCallee = input.CallNumber.empty();
    preview.Send = preview.Reserve = noCallee ? ButtonChange::Disable : ButtonChange::Enable;
    preview.Broadcast = noCallee ? ButtonChange::Enable : ButtonChange::Disable;
    return preview;
}

} // namespace tonalink
