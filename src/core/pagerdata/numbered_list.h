#pragma once

#include "core/pagerdata/profile_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// A list kept in a profile section as numbered keys (Fe000, Fe001, ... or US00,
// US01, ...) whose number is a count key: the count alone decides how many keys
// are read, a missing key reads as an empty value.
struct NumberedList {
    std::string_view prefix;
    int digits = 3; // at least this many, zero-padded
    std::string_view countKey;
    // Fe and Nu values: a value of six bytes or more whose sixth byte is ':'
    // loses its last character when read, so an entry can end in a blank.
    bool blankGuard = false;

    std::string key(std::size_t index) const;
    // The index a key stands for, when it is one of this list's keys as written.
    std::optional<std::size_t> indexOf(std::string_view key) const;
    // A value as read from the file, with the guard applied.
    std::string loaded(std::string value) const;
    // What to write so that the value loads back unchanged, or nullopt when no
    // line can hold it (too long, blanks at its ends the file would drop).
    std::optional<std::string> stored(std::string_view value) const;
};

inline constexpr NumberedList kFormStyleList{"Fm", 3, "FormStyleCnt", false};
inline constexpr NumberedList kFreeWordList{"Fe", 3, "FreeWordCnt", true};
inline constexpr NumberedList kNumberWordList{"Nu", 3, "NumberWordCnt", true};
inline constexpr NumberedList kUserPhraseList{"US", 2, "UserSetFormCnt", false};

// The values as a loader reads them: count clamped to [0, maxEntries].
std::vector<std::string> readListValues(const ProfileSection& section, const NumberedList& list,
                                        int32_t maxEntries);

// The list as an editor shows it: every entry the count names and every
// entry present beyond it, so that nothing in the file is hidden.
struct ListInFile {
    std::vector<std::string> values; // missing entries are empty
    int32_t count = 0;               // as read, clamped
    bool countPresent = false;
    bool countAgrees() const {
        return countPresent ? count == static_cast<int32_t>(values.size()) : values.empty();
    }
};
ListInFile scanList(const ProfileSection& section, const NumberedList& list, int32_t maxEntries);

// The key edits that make `current` hold `values` numbered from 0 with the
// count set to their number and the list's keys beyond them removed, appended to
// `edits`. Lines that already load as wanted are left as they are. BadValue when
// a value cannot be stored.
ProfileError listEdits(const ProfileSection& current, const NumberedList& list,
                       const std::vector<std::string>& values, int32_t maxEntries,
                       std::vector<ProfileFile::KeyEdit>& edits);
// The edits of listEdits applied to `section` (nothing changed when refused).
ProfileError writeList(ProfileFile& file, std::string_view section, const NumberedList& list,
                       const std::vector<std::string>& values, int32_t maxEntries);

} // namespace tonalink
