#pragma once

#include "core/encoder/encoder.h"
#include "core/pagerdata/pager_type.h"

#include <string>
#include <string_view>
#include <vector>

namespace tonalink::testing {

// `[code]text` with the text given in UTF-8.
TableEntry entry(std::string_view code, std::string_view utf8Text);
std::vector<TableEntry> entries(std::initializer_list<std::pair<const char*, const char*>> list);

// MsgCount 10, free words A and B, numbers 1 and 2, the phrase OK, '/' switches.
PagerType workedExampleType();

// A free-word type as services ship them: about 200 free words (half-width kana,
// hiragana, katakana, digits, letters), 50 fixed phrases, numbered parts.
PagerType freeWordServiceType();
// A message of exactly `bytes` bytes that the free-word service type encodes in
// mode 0: phrases, free words and digit runs.
std::string freeWordServiceMessage(std::size_t bytes);

inline EncoderInput inputFor(const PagerType& type, std::string_view text, int32_t mode = 0) {
    return EncoderInput{.Type = type, .MessageText = text, .MessageMode = mode};
}

} // namespace tonalink::testing
