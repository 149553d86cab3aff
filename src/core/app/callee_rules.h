#pragma once

#include "core/pagerdata/phone_book.h"

#include <optional>
#include <string>

namespace tonalink {

struct ProgramState;

// What applying a phone-book entry left for the form to show.
struct AppliedCallee {
    PhoneBookEntry entry;
    // The entry's pager type as named in call.dat; none when call.dat has no such type.
    std::optional<std::string> pagerTypeName;
    bool takesCentreNumber = false; // the loaded type dials the centre
    bool takesPassword = false;
};

// Applies the entry `name` of the located phone book: loads its pager type (an
// empty record when call.dat has none of that name), sets PagerTypeName to the
// entry's PbType, the call number, and the centre number and password when the
// type takes them (emptied otherwise), and appends the entry's own phrases to the
// fixed phrases. PbEntryName is the caller's to set.
AppliedCallee ApplyPhoneBookEntry(ProgramState& state, const std::string& name);

} // namespace tonalink
