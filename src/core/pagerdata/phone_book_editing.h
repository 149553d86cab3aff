#pragma once

#include "core/pagerdata/phone_book.h"
#include "core/pagerdata/profile_file.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tonalink {

// What the program does with a field the editor lets through anyway: it still
// saves, the editor only says so beside the field.
enum class FieldCheck { Ok, TooLong, BadCharacter };

inline constexpr std::size_t kCallNumberMaxBytes = 20; // the form's call-number field
inline constexpr std::size_t kPasswordMaxBytes = 4;    // the form's password field
// A callee name is shown, logged and stored in 100-byte buffers.
inline constexpr std::size_t kCalleeNameMaxBytes = 99;

// A value that reads back from the file exactly as written.
bool storableValue(std::string_view value);

// Call and centre numbers: the dial characters 0-9 * # and the pause ','.
FieldCheck checkCallNumber(std::string_view number);
FieldCheck checkPassword(std::string_view password);

// BadName (empty, too long, not writable as a header) or NameTaken (ignoring
// ASCII case, apart from the callee being renamed).
ProfileError checkCalleeName(const ProfileFile& file, std::string_view name,
                             std::string_view renamed = {});
ProfileError addCallee(ProfileFile& file, std::string_view name);
ProfileError renameCallee(ProfileFile& file, std::string_view from, std::string_view to);

// Writes the fields of `entry` into its section: only the lines whose value
// changes; MsgGroup 0 removes the key; the phrases renumbered with their count.
// BadValue (nothing changed) for a value that would not read back as given.
ProfileError writeCallee(ProfileFile& file, const PhoneBookEntry& entry);

// Swaps the callee at `index` of the section names with the next one. Each
// section moves with the comments and blank lines above its header; what is
// before the first section and after the last key stays where it is.
// NoSection when there is no such pair.
ProfileError moveCalleeDown(ProfileFile& file, std::size_t index);

} // namespace tonalink
