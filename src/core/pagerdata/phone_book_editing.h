#pragma once

#include "core/pagerdata/phone_book.h"
#include "core/pagerdata/profile_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// What the program does with a field the editor lets through anyway: it still
// saves, the editor only says so beside the field.
enum class FieldCheck { Ok, TooLong, BadCharacter };

inline constexpr std::size_t kCallNumberMaxBytes = 20; // the form's call-number field
inline constexpr std::size_t kPasswordMaxBytes = 4;    // the form's password field
// A callee name is shown, logged and stored in 100-byte buffers.
inline constexpr std::size_t kCalleeNameMaxBytes = 99;

// A value that reads back from the file exactly as written, on one line.
bool storableValue(std::string_view value);

// Call and centre numbers: the dial characters 0-9 * # and the pause ','.
FieldCheck checkCallNumber(std::string_view number);
FieldCheck checkPassword(std::string_view password);

// BadName for a name no header line can carry as it is (empty, too long, blanks
// at its ends, a ']' of its own, a line break, a cut double-byte character).
ProfileError checkCalleeName(std::string_view name);
// The bytes the program's list of callee names takes now (see
// ProfileFile::kSectionNamesBufferBytes): a callee beyond it is never listed.
std::size_t listedNameBytes(const ProfileFile& file);
// checkCalleeName, then NameTaken (ignoring ASCII case) or TooLarge when the
// list of names could not hold it.
ProfileError addCallee(ProfileFile& file, std::string_view name);
// `section` is a place in the file (ProfileFile::sectionAt).
ProfileError renameCallee(ProfileFile& file, std::size_t section, std::string_view to);

// The key edits that make `current` hold the fields of `entry`: only the lines
// whose value changes; MsgGroup 0 removes the key; the phrases renumbered with
// their count. BadValue for a value that would not read back as given.
ProfileError calleeEdits(const ProfileSection& current, const PhoneBookEntry& entry,
                         std::vector<ProfileFile::KeyEdit>& edits);
// The edits of calleeEdits applied to the section at `section` (nothing changed
// when refused).
ProfileError writeCallee(ProfileFile& file, std::size_t section, const PhoneBookEntry& entry);

// Swaps the callee at `index` of the section names with the next one. Each
// section moves with the comments right above its header; what is before the
// first section and after the last key stays where it is. NoSection when there
// is no such pair.
ProfileError moveCalleeDown(ProfileFile& file, std::size_t index);

// The listed callees whose PbType names `type` as the form matches it
// (ignoring ASCII case).
std::size_t countCalleesOfType(const ProfileFile& file, std::string_view type);
// Gives each of them the type `to` instead, in one pass.
ProfileError retypeCallees(ProfileFile& file, std::string_view from, std::string_view to);

} // namespace tonalink
