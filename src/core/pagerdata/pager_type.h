#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tonalink {

// One `[code]text` entry of a pager-type or phone-book table, split once when
// loaded. `raw` is the value as read (what the fixed-phrase box shows).
struct TableEntry {
    std::string raw;
    std::string code;       // bytes 1 .. b-1, b being the first ']' that is a character
    std::string text;       // bytes after b
    bool bracketed = false; // there is such a ']'
    bool matchable = false; // false without ']' or with an empty text: never matches

    static TableEntry parse(std::string raw);
};

// The pager type currently loaded from one section of call.dat.
struct PagerType {
    std::string FreeStartCmd;
    std::string FreeEndCmd;
    std::string FormStartCmd;
    std::string FormEndCmd;
    std::string MsgEndCmd;
    int32_t MsgCount = 0;
    std::string FreeToSuzi;
    int32_t FormContSw = 0;
    std::string FormContStartCmd;
    int32_t MsgJoinSw = 0;
    std::string MsgJoinFrontCmd;
    std::string MsgJoinAfterCmd;
    int32_t WaitTime = 0;
    int32_t CutTime = 0;
    std::string MsgCancelCmd;
    int32_t PassWordSw = 0;
    int32_t PbOrPhsSw = 0;
    int32_t PhsCallEnd = 0;
    int32_t AsCount = 0;
    // Fixed phrases: the type's Fm entries followed by the callee's own US entries.
    std::vector<TableEntry> FormStyles;
    std::vector<TableEntry> FreeWords;
    std::vector<TableEntry> NumberWords;
};

} // namespace tonalink
