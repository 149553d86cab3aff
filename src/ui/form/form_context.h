#pragma once

#include "core/pagerdata/phone_book.h"
#include "ui/dialogs/call_dlg.h"

#include <functional>

namespace tonalink {

class CommandDispatcher;
class Encoder;
class LineSink;
class PagerTypeCatalog;
class SendLog;
struct CallState;
struct CurrentSend;
struct FormClock;
struct Settings;

// The program-wide state the main form reads and writes, owned by the
// application object; the form keeps references only.
struct FormContext {
    Settings& settings;
    PagerTypeCatalog& pagerTypes;
    PhoneBook& phoneBook;
    CurrentSend& currentSend;
    Encoder& encoder;
    CallState& callState;
    SendLog& sendLog;
    LineSink& modem;
    FormClock& clock;
    // Numbered commands: the form registers its own and posts the exit command.
    CommandDispatcher& commands;
    // Puts a document that has not been put into the form yet into it (the
    // shortcut's apply); run on the first clock tick after an initial update.
    std::function<void()> applyShortcut;
    // Timers of the clock and the call window; empty means Qt's.
    TimerHostFactory makeTimers;

    SendContext sendContext() const {
        return SendContext{settings,  pagerTypes, currentSend, phoneBook.PbEntryName,
                           encoder,   callState,  sendLog,     modem,
                           makeTimers};
    }
};

} // namespace tonalink
