#pragma once

#include "core/encoder/preview.h"

namespace tonalink {

struct FormControls;

// Puts a preview on the form: the count display, the code preview and the
// enabled state of Send, Reserve, Broadcast and View.
void showPreview(const FormControls& form, const Preview& preview);

// The preview of a form whose text cannot be turned into CP932 at all: like a
// message the pager type cannot encode, it cannot be sent.
Preview unsendablePreview();

} // namespace tonalink
