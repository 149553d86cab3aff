#include "core/common/cp932.h"
#include "core/pagerdata/pager_type.h"

namespace tonalink {

TableEntry TableEntry::parse(std::string raw) {
    TableEntry entry;
    // The ']' of its own: the second byte of 江, 望 or ゾ is no bracket.
    const std::size_t b = cp932::findChar(raw, ']');
    if (b != std::string::npos) {
        entry.bracketed = true;
        entry.code = raw.substr(b >= 1 ? 1 : 0, b >= 1 ? b - 1 : 0);
        entry.text = raw.substr(b + 1);
        entry.matchable = !entry.text.empty();
    }
    entry.raw = std::move(raw);
    return entry;
}

} // namespace tonalink
