#pragma once

#include "core/pagerdata/numbered_list.h"
#include "core/pagerdata/profile_file.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// The keys of a pager-type section besides its lists, in the order the loader
// reads them.
enum class PagerTypeKeyKind {
    Digits,  // codes copied into the message unchanged
    Number,  // decimal
    Switch,  // 0 or 1
    OneByte, // one one-byte character
};
struct PagerTypeKey {
    std::string_view name;
    PagerTypeKeyKind kind;
};
inline constexpr std::array<PagerTypeKey, 19> kPagerTypeKeys{{
    {"FreeStartCmd", PagerTypeKeyKind::Digits},    {"FreeEndCmd", PagerTypeKeyKind::Digits},
    {"FormStartCmd", PagerTypeKeyKind::Digits},    {"FormEndCmd", PagerTypeKeyKind::Digits},
    {"MsgEndCmd", PagerTypeKeyKind::Digits},       {"MsgCount", PagerTypeKeyKind::Number},
    {"AsCount", PagerTypeKeyKind::Switch},         {"FreeToSuzi", PagerTypeKeyKind::OneByte},
    {"FormContSw", PagerTypeKeyKind::Switch},      {"FormContStartCmd", PagerTypeKeyKind::Digits},
    {"MsgJoinSw", PagerTypeKeyKind::Switch},       {"MsgJoinFrontCmd", PagerTypeKeyKind::Digits},
    {"MsgJoinAfterCmd", PagerTypeKeyKind::Digits}, {"WaitTime", PagerTypeKeyKind::Number},
    {"CutTime", PagerTypeKeyKind::Number},         {"MsgCancelCmd", PagerTypeKeyKind::Digits},
    {"PassWordSw", PagerTypeKeyKind::Switch},      {"PbOrPhsSw", PagerTypeKeyKind::Switch},
    {"PhsCallEnd", PagerTypeKeyKind::Switch},
}};

// A new type's section: every key above with its default, and empty lists.
ProfileError appendPagerType(ProfileFile& file, std::string_view name);

// The three code lists of a pager type.
enum class PagerTypeList { FormStyles, FreeWords, NumberWords };
inline constexpr std::array<PagerTypeList, 3> kPagerTypeLists{
    PagerTypeList::FormStyles, PagerTypeList::FreeWords, PagerTypeList::NumberWords};

const NumberedList& numberedListOf(PagerTypeList list);

// How the encoder compares an entry's text with the message.
enum class EntryMatch {
    Prefix,       // fixed phrases: the message goes on with the text
    OneCharacter, // free words: the same, one character at a time
    OneByte,      // numbers: the text is exactly the message's byte
};
EntryMatch matchOf(PagerTypeList list);

enum class EntryProblem {
    Empty,     // no value at all (a missing key the count names)
    NoBracket, // no ']': the entry has no code and never matches
    EmptyText, // nothing after ']': never matches
    WrongSize, // a free word that is not one character, a number that is not one byte
    Shadowed,  // an earlier entry always matches first
};
struct EntryWarning {
    std::size_t row = 0;
    EntryProblem problem = EntryProblem::Empty;
    std::size_t by = 0; // the earlier entry, for Shadowed

    bool operator==(const EntryWarning&) const = default;
};

// Problems of `[code]text` entries in list order, the first match winning as in
// the encoder. Also for the phone book's own phrases (EntryMatch::Prefix).
std::vector<EntryWarning> checkEntries(const std::vector<std::string>& values, EntryMatch match);

// One list of a type as the editor shows it.
struct TypeListContents {
    ListInFile list;
    std::vector<EntryWarning> warnings;
};
TypeListContents readTypeList(const ProfileSection& section, PagerTypeList list);
// Writes the list renumbered with its count right (see writeList).
ProfileError writeTypeList(ProfileFile& file, std::string_view type, PagerTypeList list,
                           const std::vector<std::string>& values);

} // namespace tonalink
