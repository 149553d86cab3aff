// Settings values: whatever the store holds (missing keys, a number where text
// belongs, any bytes), loading gives settings that save and load back equal, the
// [Sip] account holds only what its line can carry, and the call and modem lines
// built from them stay bounded single lines.
//
// Input: up to 64 stored values, each a section choice, a key choice, a type
// byte and a number or a text.
#include "core/app/current_send.h"
#include "core/app/send_job.h"
#include "core/app/settings_model.h"
#include "core/app/settings_sip.h"
#include "core/app/settings_store.h"
#include "core/modem/modem_commands.h"
#include "core/pagerdata/pager_type.h"
#include "fuzz_support.h"

#include <algorithm>
#include <array>

namespace {

using namespace tonalink;
using fuzz::FuzzInput;

struct KnownSection {
    std::string_view name;
    std::vector<std::string_view> keys;
};

const std::array<KnownSection, 8> kSections = {{
    {"Setting",
     {"CommPort", "PhoneType", "ExtCommand", "CKExtension", "Extension", "DefaultOffTime",
      "ReDialTime", "ModemSw", "KeitaiSw"}},
    {"PreContract", {"AppEnd", "Hour", "Minuth", "SaveTime"}},
    {"AddressList", {"Group1", "Group2", "Group3", "Group4"}},
    {"Service",
     {"EditExeFile", "DispMessage", "Reservation", "MsgSendC", "CngSpaceSW", "ShoutCutEnd",
      "PbEditExe", "CustomCommand1", "CustomCommand2", "CustomCommand3"}},
    {"UserMsgList", {}},
    {"Ports", {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"}},
    {"Sip", {"User", "Password", "Registrar", "Transport", "DtmfMode"}},
    {"BarSet", {"ToolBar", "StatusBar"}},
}};

void fill(FuzzInput& in, MemorySettingsStore& store) {
    for (int i = 0; i < 64 && !in.empty(); ++i) {
        const KnownSection& known = kSections[in.byte() % kSections.size()];
        const uint8_t keyChoice = in.byte();
        std::string key;
        if (known.name == "UserMsgList")
            key = userMsgListKey(keyChoice % 24);
        else if (keyChoice < 0xF0)
            key = known.keys[keyChoice % known.keys.size()];
        else
            key = in.text();
        if (in.byte() % 2)
            store.writeInt(known.name, key, static_cast<int32_t>(in.number()));
        else
            store.writeString(known.name, key, in.text());
    }
}

bool oneLine(const std::string& line) {
    return line.size() >= 2 && line.ends_with("\r\n") &&
           line.find_first_of(std::string_view("\r\n\0", 3)) == line.size() - 2;
}

// One dial string: a single ';', at its end.
bool oneDialString(const std::string& line) {
    return oneLine(line) && line.find(';') == line.size() - 3;
}

void checkLines(const Settings& settings, FuzzInput& in) {
    PagerType type;
    type.WaitTime = static_cast<int32_t>(in.number());
    type.CutTime = static_cast<int32_t>(in.number());
    CurrentSend send;
    send.CallNumber = in.text();
    const CallSettings call = makeCallSettings(settings, type, send);
    for (int32_t seconds : {call.DefaultOffTime, call.ReDialTime, call.WaitTime, call.CutTime})
        FUZZ_CHECK(seconds >= 0 && seconds <= kMaxCallSeconds);
    const std::string codes = in.text();
    const std::string dial = dialLine(call.line, call.WaitTime, call.CallNumber, codes);
    FUZZ_CHECK(oneDialString(dial));
    FUZZ_CHECK(dial.size() <= 4 + settings.Extension.size() + send.CallNumber.size() + 1 + 129 + 2 +
                                  codes.size() + 3);
    FUZZ_CHECK(oneDialString(codeLine(call.line.KeitaiSw, codes)));
    const std::string ext = extCommandLine(call.ExtCommand);
    FUZZ_CHECK(ext.empty() || oneLine(ext));
    const int64_t hold = int64_t{settings.DefaultOffTime} + int64_t{type.CutTime};
    FUZZ_CHECK(holdTime(settings.DefaultOffTime, type.CutTime) ==
               std::clamp<int64_t>(hold, INT32_MIN, INT32_MAX));
}

void checkSip(MemorySettingsStore& store) {
    // An account or the reason it cannot be used, never both and never neither;
    // what is read is what the line can use as it stands.
    const SipAccountRead read = readSipAccount(store);
    FUZZ_CHECK(read.account.has_value() == read.problem.empty());
    FUZZ_CHECK(std::all_of(read.problem.begin(), read.problem.end(),
                           [](char c) { return c >= ' ' && c < 0x7F; }));
    if (!read.account)
        return;
    const SipAccount& account = *read.account;
    FUZZ_CHECK(account.User.size() <= 64 && account.Password.size() <= 3 * 128);
    FUZZ_CHECK(std::all_of(account.User.begin(), account.User.end(), [](char c) {
        return c > ' ' && c < 0x7F && std::string_view("\"<>@:[] ").find(c) == std::string::npos;
    }));
    FUZZ_CHECK(std::none_of(account.Password.begin(), account.Password.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }));
    FUZZ_CHECK(!account.User.empty() || (!account.Registrar && account.Password.empty()));
    if (account.Registrar)
        FUZZ_CHECK(parseSipHost(account.Registrar->text()) == account.Registrar);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    FuzzInput lines = in.sub();
    MemorySettingsStore store;
    fill(in, store);

    Settings loaded;
    loadSettings(store, loaded);
    FUZZ_CHECK(loaded.UserMsgList.size() <= kUserMsgListSlots);
    FUZZ_CHECK(std::none_of(loaded.UserMsgList.begin(), loaded.UserMsgList.end(),
                            [](const std::string& s) { return s.empty(); }));

    MemorySettingsStore fresh;
    saveSettings(fresh, loaded);
    Settings again;
    loadSettings(fresh, again);
    FUZZ_CHECK(again == loaded);
    // Saved over what was there, the values read back the same too.
    saveSettings(store, loaded);
    loadSettings(store, again);
    FUZZ_CHECK(again == loaded);

    const BarSet bars = store.readBarSet();
    fresh.writeBarSet(bars);
    const BarSet barsAgain = fresh.readBarSet();
    FUZZ_CHECK(barsAgain.ToolBar == bars.ToolBar && barsAgain.StatusBar == bars.StatusBar);

    checkSip(store);
    checkLines(loaded, lines);
    return 0;
}
