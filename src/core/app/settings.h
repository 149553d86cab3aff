#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tonalink {

// Every user setting, one member per key (CP932 strings). Constructed values are
// the "not yet loaded" state (integers 0, strings empty); the stored defaults are
// applied by loading.
struct Settings {
    // Setting
    int32_t CommPort = 0;
    int32_t PhoneType = 0;
    std::string ExtCommand;
    int32_t CKExtension = 0;
    std::string Extension;
    int32_t DefaultOffTime = 0;
    int32_t ReDialTime = 0;
    int32_t ModemSw = 0;
    int32_t KeitaiSw = 0;
    // PreContract
    int32_t AppEnd = 0;
    int32_t Hour = 0;
    int32_t Minuth = 0;
    int32_t SaveTime = 0;
    // AddressList
    std::array<std::string, 4> Groups; // Group1 .. Group4
    // Service
    std::string EditExeFile;
    int32_t DispMessage = 0;
    int32_t Reservation = 0;
    int32_t MsgSendC = 0;
    int32_t CngSpaceSW = 0;
    int32_t ShoutCutEnd = 0;
    int32_t PbEditExe = 0;
    std::string CustomCommand1;
    std::string CustomCommand2;
    std::string CustomCommand3;
    // UserMsgList, closed up: non-empty slots in slot order
    std::vector<std::string> UserMsgList;
    // Ports: device path of COM1 .. COM8
    std::array<std::string, 8> Ports;

    bool operator==(const Settings&) const = default;
};

} // namespace tonalink
