#pragma once

#include "core/app/current_send.h"
#include "core/app/form_clock.h"
#include "core/app/settings.h"
#include "core/encoder/encoder.h"
#include "core/modem/call_settings.h"
#include "core/modem/send_log.h"
#include "core/pagerdata/pager_type_catalog.h"
#include "core/pagerdata/phone_book.h"

#include <string>

namespace tonalink {

// The program-wide state, owned by the application object and handed to every
// window and sender by reference.
struct ProgramState {
    // dataDir holds call.dat and maddress.dat, logDir bell.log.
    ProgramState(const std::string& dataDir, const std::string& logDir,
                 SendLogReporter logReporter = {})
        : pagerTypes(dataDir), phoneBook(dataDir), sendLog(logDir, std::move(logReporter)) {}

    Settings settings;
    PagerTypeCatalog pagerTypes; // PagerTypeNames, the loaded PagerType, PagerTypeName
    PhoneBook phoneBook;         // PbFilePath, PbEntryName, PhoneBookNames
    CurrentSend currentSend;
    Encoder encoder; // MsgParts, LastPart, PartStarts, EncodedMsg
    CallState callState;
    FormClock clock;
    SendLog sendLog;
    // The local time the reserved send waits for.
    LocalClock localTime = systemLocalTime;
};

// What the encoder reads for the current send.
EncoderInput encoderInput(const ProgramState& state);

} // namespace tonalink
