// The SNPP conversation as a table of sessions: the lines a client sends, the
// replies it gets, and the pages handed to the gateway.
#include "core/snpp/snpp_session.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace tonalink::snpp {
namespace {

// Knows "ann", "山田 太郎" and "group:1"; refuses the message "Z".
class FakeGateway : public Gateway {
public:
    bool knowsPager(std::string_view id) override {
        return id == "ann" || id == "山田 太郎" || id == "group:1";
    }
    std::variant<int64_t, std::string> submit(const Page& page) override {
        if (page.message == "Z")
            return std::string("message cannot be encoded for ann (pager type Test)");
        std::string ids;
        for (const auto& id : page.pagerIds)
            ids += id + ";";
        submitted += ids + "|" + page.message + "|" +
                     (page.holdUntil ? std::to_string(*page.holdUntil) : "-") + "|" + page.login +
                     "|" + page.subject + "|" + page.callerId + "\n";
        return int64_t{7};
    }
    std::string submitted;
};

struct Conversation {
    const char* name;
    std::vector<std::string> in;
    std::string out;
    std::string submitted;
};

void PrintTo(const Conversation& c, std::ostream* os) {
    *os << c.name;
}

class SnppSession : public ::testing::TestWithParam<Conversation> {
protected:
    static void SetUpTestSuite() {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
};

TEST_P(SnppSession, RepliesAndPages) {
    FakeGateway gateway;
    Session session(gateway);
    std::string out;
    for (const std::string& line : GetParam().in)
        out += session.onLine(line);
    EXPECT_EQ(out, GetParam().out);
    EXPECT_EQ(gateway.submitted, GetParam().submitted);
}

const std::string kQueued = "250 Message Queued Successfully, job 7\r\n";
const std::string kIdOk = "250 Pager ID Accepted\r\n";
const std::string kMessOk = "250 Message OK\r\n";
const std::string kIncomplete = "503 Error, Pager ID or Message Incomplete\r\n";
const std::string kBadHold = "550 Error, Invalid Delivery Date/Time\r\n";
const std::string kHoldOk = "250 Delayed Messaging Selected\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, SnppSession,
    ::testing::Values(
        Conversation{"OnePage",
                     {"PAGE ann", "MESS AB", "SEND", "QUIT", "PAGE ann"},
                     kIdOk + kMessOk + kQueued + "221 OK, Goodbye\r\n",
                     "ann;|AB|-|||\n"},
        Conversation{"SeveralIdsAnyCaseNamesWithBlanksAndPins",
                     {"page ann", "PAGEr 山田 太郎", "Page 山田 太郎 1234", "PAGE group:1 99",
                      "mess  hi there ", "send"},
                     kIdOk + kIdOk + kIdOk + kIdOk + kMessOk + kQueued,
                     "ann;山田 太郎;山田 太郎;group:1;|hi there|-|||\n"},
        Conversation{"UnknownIdRefusedAtPage",
                     {"PAGE bob", "PAGE", "MESS AB", "SEND"},
                     "550 Error, Invalid Pager ID\r\n550 Error, Invalid Pager ID\r\n" + kMessOk +
                         kIncomplete,
                     ""},
        Conversation{"DataBlockUnstuffsPeriods",
                     {"PAGE ann", "DATA", "line 1", "..dots", ".", "MESS again", "SEND"},
                     kIdOk + "354 Begin Input; End with <CRLF>'.'<CRLF>\r\n" + kMessOk +
                         "503 ERROR, Message Already Entered\r\n" + kQueued,
                     "ann;|line 1\r\n.dots|-|||\n"},
        Conversation{"HoldForms",
                     {"HOLD 2612091354", "HOLD 261209135054 +0000", "HOLD 20261209135054 -0130",
                      "HOLD 2602301354", "HOLD 2612091354 +2500", "HOLD 26120913", "HOLD",
                      "PAGE ann", "MESS x", "SEND"},
                     kHoldOk + kHoldOk + kHoldOk + kBadHold + kBadHold + kBadHold + kBadHold +
                         kIdOk + kMessOk + kQueued,
                     "ann;|x|1796829654|||\n"},
        Conversation{"LevelTwoAcceptedAndKept",
                     {"LOGI nagios secret", "LEVE 1", "ALER 1", "COVE 2", "SUBJ disk full",
                      "CALL 0312", "PAGE ann", "MESS x", "SEND", "PAGE ann", "MESS y", "SEND"},
                     "250 Login Accepted\r\n250 OK, Accepted\r\n250 OK, Accepted\r\n"
                     "250 OK, Accepted\r\n250 Message Subject OK\r\n250 Caller ID Accepted\r\n" +
                         kIdOk + kMessOk + kQueued + kIdOk + kMessOk + kQueued,
                     "ann;|x|-|nagios|disk full|0312\nann;|y|-|nagios||\n"},
        Conversation{"OtherCommandsNotImplemented",
                     {"SITE HELP NOTIFY", "2WAY", "XWHO", "", "HELP"},
                     std::string("500 Command Not Implemented\r\n500 Command Not Implemented\r\n"
                                 "500 Command Not Implemented\r\n500 Command Not Implemented\r\n"
                                 "214 PAGE <Pager ID> [PIN]: a phone-book name or group:1-4\r\n"
                                 "214 MESS <Message>, or DATA and lines up to \".\"\r\n"
                                 "214 HOLD YYMMDDHHMM[SS] [+/-GMT]: send at that time\r\n"
                                 "214 SEND, RESE, QUIT, HELP\r\n"
                                 "214 LOGI, LEVE, ALER, COVE, SUBJ, CALL accepted\r\n"
                                 "250 End of Help Information\r\n"),
                     ""},
        Conversation{"ResetAndRefusalClearThePage",
                     {"PAGE ann", "MESS x", "RESE", "SEND", "PAGE ann", "MESS Z", "SEND", "SEND"},
                     kIdOk + kMessOk + "250 RESET OK\r\n" + kIncomplete + kIdOk + kMessOk +
                         "554 Error, message cannot be encoded for ann (pager type Test)\r\n" +
                         kIncomplete,
                     ""},
        Conversation{"Bounds",
                     {"MESS " + std::string(kMaxMessageBytes + 1, 'A'), "DATA",
                      std::string(kMaxMessageBytes, 'A'), "B", ".",
                      "SUBJ " + std::string(257, 's')},
                     "550 ERROR, Message Too Long\r\n354 Begin Input; End with "
                     "<CRLF>'.'<CRLF>\r\n550 ERROR, Message Too Long\r\n"
                     "550 Error, Subject Too Long\r\n",
                     ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SnppSessionBounds, PagerIdsBeyondTheLimitAreRefused) {
    FakeGateway gateway;
    Session session(gateway);
    for (std::size_t i = 0; i < kMaxPagerIds; ++i)
        ASSERT_EQ(session.onLine("PAGE ann"), kIdOk);
    EXPECT_EQ(session.onLine("PAGE ann"), "552 Maximum Entries Exceeded\r\n");
}

} // namespace
} // namespace tonalink::snpp
