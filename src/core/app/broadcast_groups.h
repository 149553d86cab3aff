#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tonalink {

class PhoneBook;

inline constexpr int32_t kBroadcastGroups = 4;

// Members of groups 1 to 4 among the listed entries; a MsgGroup outside 1-4, or
// none, is no group.
std::array<int32_t, kBroadcastGroups> countGroupMembers(const PhoneBook& phoneBook);

// The listed entries of `group` (1-4), in file order.
std::vector<std::string> groupMembers(const PhoneBook& phoneBook, int32_t group);

} // namespace tonalink
