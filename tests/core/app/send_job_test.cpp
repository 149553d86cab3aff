#include "../modem/virtual_modem.h"
#include "child_process.h"
#include "core/app/callee_rules.h"
#include "core/app/program_state.h"
#include "core/app/send_job.h"
#include "core/common/cp932.h"
#include "cp932_text.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <tuple>

namespace tonalink::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<TimedLine>;
using Strings = std::vector<std::string>;

std::tm fixedTime() {
    std::tm t{};
    t.tm_year = 100, t.tm_mon = 11, t.tm_mday = 7, t.tm_hour = 9, t.tm_min = 5, t.tm_sec = 3;
    return t;
}

// The sample call.dat and maddress.dat copied into a temporary folder, with one
// more callee whose type call.dat lacks; bell.log goes there too.
struct Sample {
    TempDir dir;
    ProgramState state{dir.path.string(), dir.path.string()};

    Sample() {
        const fs::path data = TONALINK_SAMPLE_DATA_DIR;
        fs::copy_file(data / "call.dat", dir.path / "call.dat");
        std::ofstream(dir.path / "maddress.dat", std::ios::binary)
            << readWholeFile(data / "maddress.dat")
            << "\r\n[Ghost]\r\nPbType=NoSuchType\r\nPbCallNo=0312\r\nPhsCallNo=0570\r\n"
               "PbPassWord=99\r\nUserSetFormCnt=1\r\nUS00=[77]x\r\n";
        EXPECT_EQ(state.pagerTypes.ListPagerTypes(false), 0);
        EXPECT_TRUE(state.phoneBook.LocatePhoneBook());
        state.sendLog = SendLog(dir.path.string(), {}, fixedTime);
        state.settings.PhoneType = 1;
        state.settings.DefaultOffTime = 10;
    }
};

const std::string kYamada = cp932Bytes("山田 太郎"); // フリーワード標準: WaitTime 10, CutTime 3
const std::string kDial = "ATDT02041234567;\r\n";
const std::string kHangUp = "ATE1V1Q0H0\r\n";
const std::string kLongMessage = cp932Bytes("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁ"); // 14 characters, then 3
const std::string kCodes1 = "*2*21112131415212223242531323334##";
const std::string kCodes2 = "*2*2354142##";
std::string codes(const std::string& digits) {
    return "ATDT" + digits + ";\r\n";
}
std::string logLine(const std::string& slice, const std::string& command) {
    return "00/12/07,09:05:03,02041234567," + kYamada + "," + cp932Bytes("フリーワード標準") + "," +
           slice + ",\"" + command + "\"\n";
}

// The form's state for a message to 山田 太郎.
void toYamada(ProgramState& state, const std::string& message) {
    ApplyPhoneBookEntry(state, kYamada);
    state.phoneBook.PbEntryName = kYamada;
    state.currentSend.MessageText = message;
}

struct Sent {
    bool started = false;
    std::optional<SendResult> result;
    int finishedCalls = 0;
    Lines lines;
    Strings log;
};

// Runs one send to its end on `modem`, calling `act` at `actAt` ms when not 0.
Sent send(ProgramState& state, VirtualModem& modem, int64_t actAt = 0,
          void (SendJob::*act)() = &SendJob::cancel, SendJob::Kind kind = SendJob::Kind::Single) {
    Sent sent;
    SendJob job(state, modem, modem,
                {{}, {}, {}, [&](const SendResult&) { ++sent.finishedCalls; }, {}}, kind);
    sent.started = job.start();
    const auto fire = [&](int id) { job.onTimer(id); };
    if (actAt != 0) {
        modem.runUntil(actAt, fire);
        (job.*act)();
    }
    modem.runUntil(modem.now() + 3600 * 1000, fire);
    sent.result = job.result();
    sent.lines = modem.lines;
    sent.log = state.sendLog.logLines();
    return sent;
}

TEST(SendJob, OutcomesWithTheLinesWrittenAndTheRecordsLogged) {
    using O = SendOutcome;
    using F = SendFailure;
    const auto afterFirstCall = [](Lines more) {
        more.insert(more.begin(), {{3500, kDial}, {13500, codes(kCodes1)}, {26500, kHangUp}});
        return more;
    };
    const std::string slice1 = kLongMessage.substr(0, 14), slice2 = kLongMessage.substr(14);
    const struct {
        std::string name, message;
        bool open;
        std::size_t failFromWrite;
        int64_t cancelAt;
        bool started;
        O outcome;
        F failure;
        Lines lines;
        Strings log;
    } cases[] = {
        {"Sent", kLongMessage, true, 0, 0, true, O::Sent, F::None,
         afterFirstCall({{34000, kDial}, {44000, codes(kCodes2)}, {57000, kHangUp}}),
         Strings{logLine(slice1, kCodes1), logLine(slice2, kCodes2)}},
        {"CancelledInTheSecondCall", kLongMessage, true, 0, 40000, true, O::Cancelled, F::None,
         afterFirstCall({{34000, kDial}, {40000, kHangUp}}), Strings{logLine(slice1, kCodes1)}},
        {"PortNotOpen", kLongMessage, false, 0, 0, false, O::Failed, F::PortNotOpen, Lines(),
         Strings()},
        {"NotEncodable", cp932Bytes("漢字"), true, 0, 0, false, O::Failed, F::NotEncodable, Lines(),
         Strings()},
        // The dial line is the 4th write; the hang-up tried after it fails too.
        {"SecondDialFails", kLongMessage, true, 4, 0, true, O::Failed, F::LineFailed,
         afterFirstCall({{34000, kDial}, {34000, kHangUp}}), Strings{logLine(slice1, kCodes1)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Sample s;
        toYamada(s.state, c.message);
        VirtualModem modem;
        modem.open = c.open;
        modem.failFromWrite = c.failFromWrite;
        const Sent got = send(s.state, modem, c.cancelAt);
        EXPECT_EQ(got.started, c.started);
        ASSERT_TRUE(got.result.has_value());
        EXPECT_EQ(std::pair(got.result->outcome, got.result->failure),
                  std::pair(c.outcome, c.failure));
        EXPECT_EQ(got.finishedCalls, c.started ? 1 : 0);
        EXPECT_EQ(got.lines, c.lines);
        EXPECT_EQ(got.log, c.log);
    }
}

TEST(SendJob, ABroadcastMemberGetsOneRecordUnderItsCallNumberWhateverTheOutcome) {
    const std::string tanaka = cp932Bytes("田中 健"); // dials the centre 0357218840
    Sample single;
    ApplyPhoneBookEntry(single.state, tanaka);
    single.state.phoneBook.PbEntryName = tanaka;
    single.state.currentSend.MessageText = cp932Bytes("ｱ");
    VirtualModem modem;
    const Strings alone = send(single.state, modem).log;
    ASSERT_EQ(alone.size(), 1u);
    std::string underCallNumber = alone[0];
    const std::size_t centre = underCallNumber.find(",0357218840,");
    ASSERT_NE(centre, std::string::npos);
    underCallNumber.replace(centre, 12, ",02071845530,");

    const std::string cancelled = cp932Bytes("同報で送信をキャンセル");
    const std::string kanji = cp932Bytes("漢字");
    const struct {
        const char* name;
        std::string entry, message;
        int64_t cancelAt;
        Strings log;
    } cases[] = {
        {"Sent", tanaka, cp932Bytes("ｱ"), 0, Strings{underCallNumber}},
        // An earlier call left part index 1; the record still holds the whole message.
        {"CancelledBeforeAnyPart", kYamada, kLongMessage, 2000,
         Strings{logLine(kLongMessage, cancelled)}},
        {"CancelledInTheSecondCall", kYamada, kLongMessage, 40000,
         Strings{logLine(kLongMessage.substr(0, 14), kCodes1),
                 logLine(kLongMessage.substr(0, 14), cancelled)}},
        {"NotEncodable", kYamada, kanji, 0, Strings{logLine(kanji, cancelled)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Sample s;
        ApplyPhoneBookEntry(s.state, c.entry);
        s.state.phoneBook.PbEntryName = c.entry;
        s.state.currentSend.MessageText = c.message;
        s.state.callState.m_nSentPart = 1;
        VirtualModem line;
        EXPECT_EQ(
            send(s.state, line, c.cancelAt, &SendJob::cancel, SendJob::Kind::BroadcastMember).log,
            c.log);
    }
}

// Split mode: codes WaitTime s after the dial, hang-up DefaultOffTime + CutTime s
// later; Redial hangs up and dials again ReDialTime s + 3.5 s later.
TEST(SendJob, IntervalsBeyondTheCapActAs120Seconds) {
    const auto call = [](int64_t dialAt, int64_t codesAt, int64_t hangUpAt, Lines before = {}) {
        before.insert(before.end(),
                      {{dialAt, kDial}, {codesAt, codes("*2*211##")}, {hangUpAt, kHangUp}});
        return before;
    };
    const Lines cutByRedial = call(3500, 13500, 20000);
    const struct {
        const char* name;
        int32_t waitTime, cutTime, defaultOffTime, redialTime;
        int64_t redialAt;
        Lines lines;
    } cases[] = {
        {"AtTheCap", 120, 3, 120, 2, 0, call(3500, 123500, 246500)},
        {"WaitAndOffBeyond", 99999, 3, 99999, 2, 0, call(3500, 123500, 246500)},
        {"CutBeyond", 10, 99999, 10, 2, 0, call(3500, 13500, 143500)},
        {"RedialBeyond", 10, 3, 10, 99999, 20000, call(143500, 153500, 166500, cutByRedial)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Sample s;
        toYamada(s.state, cp932Bytes("ｱ"));
        s.state.pagerTypes.PagerType.WaitTime = c.waitTime;
        s.state.pagerTypes.PagerType.CutTime = c.cutTime;
        s.state.settings.DefaultOffTime = c.defaultOffTime;
        s.state.settings.ReDialTime = c.redialTime;
        VirtualModem modem;
        EXPECT_EQ(send(s.state, modem, c.redialAt, &SendJob::redial).lines, c.lines);
    }
}

TEST(CalleeRules, ApplyPhoneBookEntrySetsTheSendFieldsTypeAndPhrases) {
    const std::string centre = cp932Bytes("センター経由"), plain = cp932Bytes("フリーワード標準");
    const struct {
        std::string name, type;
        bool known, takesCentre, takesPassword;
        std::string number, centre, password;
        std::size_t typePhrases;
        Strings own;
    } cases[] = {
        {cp932Bytes("鈴木 一郎"), cp932Bytes("数字ポケベル"), true, false, false, "0304128877", "",
         "", 13, Strings()},
        {cp932Bytes("田中 健"), centre, true, true, true, "02071845530", "0357218840", "4821", 6,
         Strings()},
        {kYamada, plain, true, false, false, "02041234567", "", "", 8,
         Strings{cp932Bytes("[51]いつもの店で"), cp932Bytes("[52]駅に着いた")}},
        {"Ghost", "NoSuchType", false, false, false, "0312", "", "", 0, Strings{"[77]x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(cp932::toUtf8(c.name).value());
        Sample s;
        // What an earlier callee left.
        s.state.currentSend = {"old", "old", "old", "msg", "old", 2};
        s.state.pagerTypes.LoadPagerType(plain);
        const AppliedCallee applied = ApplyPhoneBookEntry(s.state, c.name);
        EXPECT_EQ(applied.entry.Name, c.name);
        EXPECT_EQ(applied.pagerTypeName, c.known ? std::optional(c.type) : std::nullopt);
        EXPECT_EQ(applied.takesCentreNumber, c.takesCentre);
        EXPECT_EQ(applied.takesPassword, c.takesPassword);
        const CurrentSend& got = s.state.currentSend;
        EXPECT_EQ(std::tie(got.CallNumber, got.CentreNumber, got.CallPassword, got.MessageText,
                           got.PagerTypeName, got.MessageMode),
                  std::tuple(c.number, c.centre, c.password, "msg", c.type, 2));
        EXPECT_EQ(s.state.pagerTypes.PagerTypeName, c.type);
        Strings phrases;
        for (const TableEntry& e : s.state.pagerTypes.PagerType.FormStyles)
            phrases.push_back(e.raw);
        ASSERT_EQ(phrases.size(), c.typePhrases + c.own.size());
        phrases.erase(phrases.begin(),
                      phrases.begin() + static_cast<std::ptrdiff_t>(c.typePhrases));
        EXPECT_EQ(phrases, c.own);
    }
}

} // namespace
} // namespace tonalink::test
