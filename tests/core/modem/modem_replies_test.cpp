#include "core/modem/modem_replies.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tonalink {
namespace {

const std::string kReset = "ATZ0\r\n", kDial = "ATDT0201112222;\r\n", kCodes = "ATDT*2*211#;\r\n",
                  kLong(200, 'x');

struct ReplyCase {
    const char* name;
    std::vector<std::string> written, received; // commands in order; replies in read pieces
    std::optional<std::string> fault;
    bool answered; // since the reset line
};

class ModemReplyTable : public testing::TestWithParam<ReplyCase> {};

TEST_P(ModemReplyTable, FailsThePartOnlyAfterADialOrCodeLine) {
    const ReplyCase& c = GetParam();
    ModemReplies replies;
    for (const std::string& line : c.written)
        replies.commandWritten(line);
    std::optional<std::string> fault;
    for (const std::string& piece : c.received)
        if (std::optional<std::string> reply = replies.feed(piece); !fault)
            fault = reply;
    EXPECT_EQ(std::tie(fault, c.answered), std::make_tuple(c.fault, replies.answeredSinceReset()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ModemReplies, ModemReplyTable, testing::Values(
    ReplyCase{"Busy", {kReset, kDial}, {"\r\nBUSY\r\n"}, "BUSY", true},
    ReplyCase{"NoDialtone", {kDial}, {"NO DIALTONE\r\n"}, "NO DIALTONE", false},
    ReplyCase{"NoCarrierToCodes", {kDial, kCodes}, {"NO CARRIER\n"}, "NO CARRIER", false},
    ReplyCase{"ErrorToStx", {"AT#STX=*2*211#;\r\n"}, {"ERROR\r\n"}, "ERROR", false},
    ReplyCase{"NumericEndInCr", {kReset, kDial}, {"0\r7\r"}, "7 (BUSY)", true},
    ReplyCase{"EchoAndPieces", {kDial}, {"ATDT0201", "112222;\r", "\r\nBU", "SY\r\n"}, "BUSY", false},
    ReplyCase{"AfterHangUp", {kDial, "ATE1V1Q0H0\r\n"}, {"BUSY\r\n"}, {}, false},
    ReplyCase{"ErrorToExtra", {kReset, "ATX3\r\n"}, {"ERROR\r\n"}, {}, true},
    ReplyCase{"EchoOfResetOnly", {kReset}, {"ATZ0\r\r\n"}, {}, false},
    ReplyCase{"OverlongLine", {kReset, kDial}, {kLong + "BUSY\r\n"}, {}, false}),
    [](const testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace tonalink
