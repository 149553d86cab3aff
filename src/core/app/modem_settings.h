#pragma once

#include "core/app/integer_field.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tonalink {

struct ProgramState;

inline constexpr IntRange kReDialTimeRange{2, 120};
inline constexpr IntRange kPagerTimeRange{1, 120}; // WaitTime and CutTime

// What the modem and line settings dialog edits, one member per control.
struct ModemValues {
    std::string ExtCommand;
    int32_t PhoneType = 0; // 0 pulse, 1 tone
    int32_t CKExtension = 0;
    std::string Extension;
    int32_t ModemSw = 0;
    int32_t ReDialTime = 0;
    int32_t CommPort = 0; // COM1 = 0
    int32_t KeitaiSw = 0;
    std::string PagerTypeName; // shown only
    int32_t WaitTime = 0;      // of the loaded pager type
    int32_t CutTime = 0;

    bool operator==(const ModemValues&) const = default;
};

ModemValues modemValues(const ProgramState& state);

// Takes the values back in the program's fixed order. `reopenPort` runs only when
// the port changed, after the new CommPort is stored: it closes the old port and
// opens the one CommPort now names. The two times go into the loaded pager type
// and, when one is chosen, into call.dat. 0, or -1 when call.dat refused the
// write (state.pagerTypes.lastError() says why); memory is updated either way.
int applyModemValues(ProgramState& state, const ModemValues& values,
                     const std::function<void()>& reopenPort);

} // namespace tonalink
