#pragma once

#include "core/modem/call_sequence.h"
#include "virtual_modem.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tonalink::test {

// A record as the log would take it: what the sequence left in CallState when it
// asked for the record.
struct LogRecord {
    int64_t ms;
    std::string number;
    int32_t sentPart;
    std::string sentCommand;
    bool operator==(const LogRecord&) const = default;
};

struct Ending {
    int64_t ms;
    int32_t result;
    bool operator==(const Ending&) const = default;
};

inline void PrintTo(const LogRecord& r, std::ostream* os) {
    *os << "{" << r.ms << ", " << r.number << ", " << r.sentPart << ", " << r.sentCommand << "}";
}
inline void PrintTo(const Ending& e, std::ostream* os) {
    *os << "{" << e.ms << ", result " << e.result << "}";
}

// Two parts, tone line, split mode: WaitTime 4, CutTime 3, DefaultOffTime 10,
// ReDialTime 5, so a part takes dial + 4 s codes + 13 s hang-up.
inline CallSettings baseSettings() {
    CallSettings s;
    s.line.PhoneType = 1;
    s.DefaultOffTime = 10;
    s.ReDialTime = 5;
    s.WaitTime = 4;
    s.CutTime = 3;
    s.MsgCancelCmd = "*2*2";
    s.CallNumber = "123";
    s.CentreNumber = "0570";
    s.MessageText = "message";
    return s;
}

inline const std::string kDial = "ATDT123;\r\n";
inline const std::string kHangUp = "ATE1V1Q0H0\r\n";
inline std::string codes(const std::string& part) {
    return "ATDT*2*2" + part + ";\r\n";
}

class CallHarness {
public:
    VirtualModem modem;
    CallState state;
    std::vector<LogRecord> records;
    std::vector<std::string> counters;
    std::vector<CallStatus> statuses;
    std::vector<int64_t> warnings;
    std::optional<Ending> ending;
    std::unique_ptr<CallSequence> sequence;

    int32_t start(const CallSettings& settings, std::vector<std::string> parts,
                  int32_t buildResult = 0) {
        const auto lastPart = static_cast<int32_t>(parts.size()) - 1;
        return start(settings, [=](MessageParts& out) {
            out.MsgParts = parts;
            out.LastPart = lastPart;
            return buildResult;
        });
    }

    int32_t start(const CallSettings& settings, const BuildSendCommandsFn& build) {
        CallSequence::Hooks hooks;
        hooks.statusChanged = [this](CallStatus s) { statuses.push_back(s); };
        hooks.counterChanged = [this](const std::string& c) { counters.push_back(c); };
        hooks.addLogRecord = [this](const std::string& number, const std::string& text,
                                    int32_t cancelled) {
            EXPECT_EQ(text, "message");
            EXPECT_EQ(cancelled, 0);
            records.push_back({modem.now(), number, state.m_nSentPart, state.m_strSentCommand});
        };
        hooks.showWarning = [this](const std::string& text) {
            EXPECT_EQ(text, std::string(kNoTimerMessage));
            warnings.push_back(modem.now());
        };
        hooks.finished = [this](int32_t result) {
            EXPECT_FALSE(ending.has_value()) << "finished twice";
            ending = Ending{modem.now(), result};
        };
        sequence = std::make_unique<CallSequence>(settings, state, modem, modem, hooks);
        return sequence->start(build);
    }

    void runUntil(int64_t ms) {
        modem.runUntil(ms, [this](int id) { sequence->onTimer(id); });
    }
    // Long enough for any call of these tests to end.
    void runToEnd() { runUntil(modem.now() + 3600 * 1000); }
};

} // namespace tonalink::test
