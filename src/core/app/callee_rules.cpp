#include "core/app/callee_rules.h"

#include "core/app/program_state.h"

namespace tonalink {

AppliedCallee ApplyPhoneBookEntry(ProgramState& state, const std::string& name) {
    AppliedCallee applied;
    applied.entry = state.phoneBook.ReadPhoneBookEntry(name);
    const PhoneBookEntry& entry = applied.entry;
    PagerTypeCatalog& catalog = state.pagerTypes;
    if (std::optional<std::size_t> found = catalog.FindPagerTypeName(entry.PbType))
        applied.pagerTypeName = catalog.PagerTypeNames[*found];
    catalog.LoadPagerType(applied.pagerTypeName.value_or(std::string()));
    catalog.PagerTypeName = entry.PbType;

    const PagerType& type = catalog.PagerType;
    applied.takesCentreNumber = type.PbOrPhsSw == 1;
    applied.takesPassword = type.PassWordSw == 1;
    CurrentSend& send = state.currentSend;
    send.PagerTypeName = entry.PbType;
    send.CallNumber = entry.PbCallNo;
    send.CentreNumber = applied.takesCentreNumber ? entry.PhsCallNo : std::string();
    send.CallPassword = applied.takesPassword ? entry.PbPassWord : std::string();
    catalog.AppendFormStyles(entry.UserPhrases);
    return applied;
}

} // namespace tonalink
