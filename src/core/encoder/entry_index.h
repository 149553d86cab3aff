#pragma once

#include "core/pagerdata/pager_type.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// Finds, for a position in the message, the first entry of a code table (in
// list order) whose text the message continues with: the same winner as a
// linear scan, without scanning. Entries that are not matchable never win.
class EntryIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    EntryIndex() { singleByte_.fill(npos); }

    // Points the index at `entries`, rebuilding only when their texts differ from
    // those it was built for. `entries` must stay alive and unchanged while the
    // index is used.
    void refresh(const std::vector<TableEntry>& entries);

    // Index of the first entry whose text `rest` begins with, or npos.
    std::size_t firstPrefixOf(std::string_view rest) const;
    // Index of the first entry whose text is exactly the byte `ch`, or npos.
    std::size_t firstExactly(char ch) const { return singleByte_[static_cast<unsigned char>(ch)]; }

private:
    void rebuild();

    const std::vector<TableEntry>* entries_ = nullptr;
    // What the index was built from: every entry's matchable flag and text.
    std::string builtFrom_;
    std::string scratch_;
    // First entry whose text is exactly one byte, per byte.
    std::array<std::size_t, 256> singleByte_;
    // Entries with longer texts, as (first byte, second byte, entry index)
    // packed into one sortable key, sorted, so entries sharing their first two
    // bytes sit together in list order.
    std::vector<uint64_t> longer_;
};

} // namespace tonalink
