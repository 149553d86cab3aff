#pragma once

#include "core/pagerdata/phone_book.h"

namespace tonalink::fuzz {

inline bool sameEntry(const PhoneBookEntry& a, const PhoneBookEntry& b) {
    return a.Name == b.Name && a.PbType == b.PbType && a.PbCallNo == b.PbCallNo &&
           a.PhsCallNo == b.PhsCallNo && a.PbPassWord == b.PbPassWord && a.MsgGroup == b.MsgGroup &&
           a.UserPhrases == b.UserPhrases;
}

} // namespace tonalink::fuzz
