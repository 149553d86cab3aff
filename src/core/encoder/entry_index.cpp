#include "core/encoder/entry_index.h"

#include <algorithm>

namespace tonalink {

namespace {

constexpr int kIndexBits = 48;
constexpr uint64_t kIndexMask = (uint64_t{1} << kIndexBits) - 1;

uint64_t prefixKey(unsigned char first, unsigned char second) {
    return (uint64_t{first} << (kIndexBits + 8)) | (uint64_t{second} << kIndexBits);
}

void writeSignature(std::string& out, const std::vector<TableEntry>& entries) {
    out.clear();
    for (const TableEntry& e : entries) {
        std::size_t size = e.text.size();
        out.push_back(e.matchable ? '1' : '0');
        out.append(reinterpret_cast<const char*>(&size), sizeof size);
        out.append(e.text);
    }
}

} // namespace

void EntryIndex::refresh(const std::vector<TableEntry>& entries) {
    entries_ = &entries;
    writeSignature(scratch_, entries);
    if (scratch_ != builtFrom_) {
        builtFrom_.swap(scratch_);
        rebuild();
    }
}

void EntryIndex::rebuild() {
    singleByte_.fill(npos);
    longer_.clear();
    const std::vector<TableEntry>& entries = *entries_;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TableEntry& e = entries[i];
        if (!e.matchable || e.text.empty()) {
            continue;
        }
        auto first = static_cast<unsigned char>(e.text[0]);
        if (e.text.size() == 1) {
            singleByte_[first] = std::min(singleByte_[first], i);
        } else {
            longer_.push_back(prefixKey(first, static_cast<unsigned char>(e.text[1])) | i);
        }
    }
    std::sort(longer_.begin(), longer_.end());
}

std::size_t EntryIndex::firstPrefixOf(std::string_view rest) const {
    if (rest.empty()) {
        return npos;
    }
    auto first = static_cast<unsigned char>(rest[0]);
    // A one-byte entry always matches, so it bounds the search among longer ones.
    std::size_t best = singleByte_[first];
    if (rest.size() < 2) {
        return best;
    }
    uint64_t prefix = prefixKey(first, static_cast<unsigned char>(rest[1]));
    for (auto it = std::lower_bound(longer_.begin(), longer_.end(), prefix);
         it != longer_.end() && (*it & ~kIndexMask) == prefix; ++it) {
        auto i = static_cast<std::size_t>(*it & kIndexMask);
        if (i > best) {
            break;
        }
        if (rest.starts_with((*entries_)[i].text)) {
            return i;
        }
    }
    return best;
}

} // namespace tonalink
