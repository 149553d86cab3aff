// `send --via HOST:PORT`: the page goes to a running paging daemon over SNPP
// instead of out on a line of our own.
#include "cli_args.h"
#include "cli_context.h"
#include "core/app/reserve_time.h"
#include "snpp_client.h"

#include <ctime>

namespace tonalink::cli {
namespace {

// The next local time of day `at` (a time already passed today comes
// tomorrow), as HOLD takes it: local digits and the offset from GMT.
std::string holdArgument(const ReserveTime& at) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const bool tomorrow =
        local.tm_hour > at.hour || (local.tm_hour == at.hour && local.tm_min >= at.minute);
    local.tm_mday += tomorrow ? 1 : 0;
    local.tm_hour = at.hour;
    local.tm_min = at.minute;
    local.tm_sec = 0;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    localtime_r(&when, &local);
    char stamp[16];
    std::strftime(stamp, sizeof stamp, "%y%m%d%H%M%S", &local);
    const long offset = local.tm_gmtoff / 60;
    char zone[32];
    std::snprintf(zone, sizeof zone, "%c%02ld%02ld", offset < 0 ? '-' : '+', std::labs(offset) / 60,
                  std::labs(offset) % 60);
    return std::string(stamp) + " " + zone;
}

} // namespace

int submitViaSnpp(const CliContext& ctx, const ParsedArgs& args, const std::string& text) {
    for (const char* own : {"type", "call-number", "centre-number", "password", "port", "mode"}) {
        if (args.has(own))
            return ctx.usage(std::string("--via takes --entry or --group, not --") + own);
    }
    std::string pagerId;
    if (auto entry = args.value("entry"))
        pagerId = *entry;
    else if (auto group = args.value("group"); group && parseIntInRange(*group, 1, 4))
        pagerId = "group:" + *group;
    else
        return ctx.usage("--via needs --entry NAME or --group 1-4");
    std::string hold;
    if (auto at = args.value("at")) {
        ReserveTime time;
        if (!parseReserveTime(*at, time))
            return ctx.usage("--at must be HH:MM, from 0:00 to 23:59");
        hold = holdArgument(time);
    }
    if (text.find_first_of("\r\n") != std::string::npos)
        return ctx.usage("--via takes a message of one line");

    std::string error;
    std::unique_ptr<SnppClient> gateway = SnppClient::connect(*args.value("via"), &error);
    if (!gateway) {
        ctx.err << "tonalink-cli: " << error << "\n";
        return kExitFileError;
    }
    std::optional<SnppReply> reply = gateway->command("PAGE " + pagerId);
    if (reply && reply->code == 550) {
        ctx.err << "tonalink-cli: the gateway knows no pager " << pagerId << "\n";
        return kExitUsage;
    }
    if (reply && reply->code == 250)
        reply = gateway->command("MESS " + text);
    if (reply && reply->code == 250 && !hold.empty())
        reply = gateway->command("HOLD " + hold);
    if (reply && reply->code == 250)
        reply = gateway->command("SEND");
    gateway->command("QUIT");
    if (!reply) {
        ctx.err << "tonalink-cli: the gateway stopped answering; the page may not be queued\n";
        return kExitFileError;
    }
    if (reply->code != 250) {
        ctx.err << "tonalink-cli: the gateway refused the page: " << reply->code << " "
                << reply->text << "\n";
        return reply->code == 554 ? kExitNotEncodable : kExitFileError;
    }
    ctx.out << reply->text << "\n";
    return kExitOk;
}

} // namespace tonalink::cli
