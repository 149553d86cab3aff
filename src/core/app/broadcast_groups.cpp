#include "core/app/broadcast_groups.h"

#include "core/pagerdata/phone_book.h"

namespace tonalink {

std::array<int32_t, kBroadcastGroups> countGroupMembers(const PhoneBook& phoneBook) {
    std::array<int32_t, kBroadcastGroups> counts{};
    for (int32_t group : phoneBook.ReadMsgGroups(0)) {
        if (group >= 1 && group <= kBroadcastGroups)
            ++counts[static_cast<std::size_t>(group - 1)];
    }
    return counts;
}

std::vector<std::string> groupMembers(const PhoneBook& phoneBook, int32_t group) {
    std::vector<std::string> members;
    if (group < 1 || group > kBroadcastGroups)
        return members;
    const std::vector<int32_t> groups = phoneBook.ReadMsgGroups(0);
    for (std::size_t i = 0; i < groups.size() && i < phoneBook.PhoneBookNames.size(); ++i) {
        if (groups[i] == group)
            members.push_back(phoneBook.PhoneBookNames[i]);
    }
    return members;
}

} // namespace tonalink
