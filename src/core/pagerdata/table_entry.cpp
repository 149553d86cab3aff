#include "core/pagerdata/pager_type.h"

namespace tonalink {

TableEntry TableEntry::parse(std::string raw) {
    TableEntry entry;
    std::size_t b = raw.find(']');
    if (b != std::string::npos) {
        entry.code = raw.substr(b >= 1 ? 1 : 0, b >= 1 ? b - 1 : 0);
        entry.text = raw.substr(b + 1);
        entry.matchable = !entry.text.empty();
    }
    entry.raw = std::move(raw);
    return entry;
}

} // namespace tonalink
