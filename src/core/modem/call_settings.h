#pragma once

#include "core/modem/modem_commands.h"

#include <cstdint>
#include <string>

namespace tonalink {

// Everything one call reads, copied when the call starts (CP932 bytes).
struct CallSettings {
    // Settings
    DialLineOptions line;
    std::string ExtCommand;
    int32_t DefaultOffTime = 0; // seconds
    int32_t ReDialTime = 0;     // seconds
    int32_t MsgSendC = 0;       // 1 = last part first
    // Current pager type
    int32_t WaitTime = 0; // seconds
    int32_t CutTime = 0;  // seconds
    std::string MsgCancelCmd;
    int32_t MsgJoinSw = 0; // 1 = always first part first
    int32_t PbOrPhsSw = 0; // not 0 = dial CentreNumber
    // Current send
    std::string CallNumber;
    std::string CentreNumber;
    std::string MessageText;
};

// CentreNumber when PbOrPhsSw is not 0, else CallNumber; also the number the
// senders pass to the log.
const std::string& dialledNumber(int32_t PbOrPhsSw, const std::string& CallNumber,
                                 const std::string& CentreNumber);

// What a call leaves in the application object for the log and the callers.
struct CallState {
    std::string m_strSentCommand; // MsgCancelCmd followed by the code string of the part last sent
    int32_t m_nSentPart = 0;      // index of that part
    int32_t m_nHoldTime = 0;      // seconds, set by each code line
};

} // namespace tonalink
