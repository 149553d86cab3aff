#include "core/pagerdata/pager_type_editing.h"

#include "core/common/cp932.h"
#include "core/pagerdata/pager_type.h"
#include "core/pagerdata/pager_type_catalog.h"

#include <unordered_map>

namespace tonalink {
namespace {

bool hasRightSize(std::string_view text, EntryMatch match) {
    switch (match) {
    case EntryMatch::Prefix:
        return true;
    case EntryMatch::OneCharacter:
        return text.size() == 1 ||
               (text.size() == 2 && cp932::isLeadByte(static_cast<unsigned char>(text[0])));
    case EntryMatch::OneByte:
        return text.size() == 1;
    }
    return true;
}

} // namespace

const NumberedList& numberedListOf(PagerTypeList list) {
    switch (list) {
    case PagerTypeList::FormStyles:
        return kFormStyleList;
    case PagerTypeList::FreeWords:
        return kFreeWordList;
    case PagerTypeList::NumberWords:
        break;
    }
    return kNumberWordList;
}

EntryMatch matchOf(PagerTypeList list) {
    switch (list) {
    case PagerTypeList::FormStyles:
        return EntryMatch::Prefix;
    case PagerTypeList::FreeWords:
        return EntryMatch::OneCharacter;
    case PagerTypeList::NumberWords:
        break;
    }
    return EntryMatch::OneByte;
}

std::vector<EntryWarning> checkEntries(const std::vector<std::string>& values, EntryMatch match) {
    std::vector<EntryWarning> warnings;
    // The first entry of every text that can match; a later entry whose text
    // begins with one of them never wins.
    std::unordered_map<std::string_view, std::size_t> firstOf;
    std::vector<TableEntry> entries;
    entries.reserve(values.size());
    for (const std::string& value : values)
        entries.push_back(TableEntry::parse(value));
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const TableEntry& e = entries[row];
        if (e.raw.empty()) {
            warnings.push_back({row, EntryProblem::Empty});
            continue;
        }
        if (!e.bracketed) {
            warnings.push_back({row, EntryProblem::NoBracket});
            continue;
        }
        if (!e.matchable) {
            warnings.push_back({row, EntryProblem::EmptyText});
            continue;
        }
        const bool rightSize = hasRightSize(e.text, match);
        if (!rightSize)
            warnings.push_back({row, EntryProblem::WrongSize});
        // A number entry of the wrong size never matches, so shadows nothing.
        if (!rightSize && match == EntryMatch::OneByte)
            continue;
        const std::string_view text(e.text);
        std::size_t by = row;
        const std::size_t longest = match == EntryMatch::OneByte ? 1 : text.size();
        for (std::size_t length = 1; length <= longest; ++length) {
            if (auto it = firstOf.find(text.substr(0, length)); it != firstOf.end())
                by = std::min(by, it->second);
        }
        if (by != row)
            warnings.push_back({row, EntryProblem::Shadowed, by});
        firstOf.emplace(text, row);
    }
    return warnings;
}

TypeListContents readTypeList(const ProfileSection& section, PagerTypeList list) {
    TypeListContents contents;
    contents.list = scanList(section, numberedListOf(list), PagerTypeCatalog::kMaxEntriesPerList);
    contents.warnings = checkEntries(contents.list.values, matchOf(list));
    return contents;
}

ProfileError appendPagerType(ProfileFile& file, std::string_view name) {
    ProfileFile edited = file; // all or nothing
    if (const ProfileError e = edited.appendSection(name); e != ProfileError::None)
        return e;
    std::vector<ProfileFile::KeyEdit> keys;
    for (const PagerTypeKey& key : kPagerTypeKeys) {
        const bool numeric =
            key.kind == PagerTypeKeyKind::Number || key.kind == PagerTypeKeyKind::Switch;
        keys.push_back({std::string(key.name), numeric ? "0" : ""});
    }
    for (PagerTypeList list : kPagerTypeLists)
        keys.push_back({std::string(numberedListOf(list).countKey), "0"});
    const ProfileError e = edited.editKeys(name, keys);
    if (e == ProfileError::None)
        file = std::move(edited);
    return e;
}

ProfileError writeTypeList(ProfileFile& file, std::string_view type, PagerTypeList list,
                           const std::vector<std::string>& values) {
    return writeList(file, type, numberedListOf(list), values,
                     PagerTypeCatalog::kMaxEntriesPerList);
}

} // namespace tonalink
