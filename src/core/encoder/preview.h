#pragma once

#include "core/encoder/encoder.h"

#include <string>

namespace tonalink {

enum class ButtonChange { Unchanged, Enable, Disable };

// What the main form shows after the message, mode or pager type changed.
struct Preview {
    std::string CountText;   // "0/%d", "%d/%d" or "error"
    std::string CodePreview; // CP932 bytes
    ButtonChange Send = ButtonChange::Unchanged;
    ButtonChange Reserve = ButtonChange::Unchanged;
    ButtonChange Broadcast = ButtonChange::Unchanged;
    ButtonChange View = ButtonChange::Unchanged;
};

// Runs the encoder as the form's preview does (an empty message is not encoded)
// and says what the count display, the code preview and the buttons become.
Preview PreparePreview(Encoder& encoder, const EncoderInput& input);

} // namespace tonalink
