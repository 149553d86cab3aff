// `send`: one whole send, or a broadcast to a group, without a window, through the
// same send job as the program, on real time and the user's modem settings;
// optionally at a time of day.
#include "cli_support.h"
#include "core/app/broadcast_groups.h"
#include "core/app/callee_rules.h"
#include "core/app/program_state.h"
#include "core/app/reserve_time.h"
#include "core/common/cp932.h"
#include "send_session.h"
#include "snpp_client.h"

#include <algorithm>
#include <variant>

namespace tonalink::cli {
namespace {

constexpr const char* kSendFinished = QT_TRANSLATE_NOOP("tonalink-cli", "送信を終了しました。");
constexpr const char* kSendCancelled =
    QT_TRANSLATE_NOOP("tonalink-cli", "送信をキャンセルしました。");

// Fills the current send with the callee from --entry (as the phone-book picker
// applies it) or from the options typed by hand, and loads its pager type.
int applyCallee(const CliContext& ctx, const ParsedArgs& args, ProgramState& state) {
    if (auto entry = args.value("entry")) {
        if (args.has("type") || args.has("call-number") || args.has("centre-number") ||
            args.has("password"))
            return ctx.usage(
                "--entry takes the callee from the phone book; give no callee options");
        auto name = ctx.toCp932(*entry, "--entry");
        if (!name)
            return kExitUsage;
        if (state.pagerTypes.ListPagerTypes(false) != 0) {
            ctx.err << "tonalink-cli: no readable call.dat in " << ctx.dir << "\n";
            return kExitFileError;
        }
        PhoneBook& book = state.phoneBook;
        if (book.ListPhoneBook() != 0) {
            ctx.err << "tonalink-cli: no readable maddress.dat in " << ctx.dir << "\n";
            return kExitFileError;
        }
        auto it = std::find_if(
            book.PhoneBookNames.begin(), book.PhoneBookNames.end(),
            [&](const std::string& n) { return cp932::equalIgnoringAsciiCase(n, *name); });
        if (it == book.PhoneBookNames.end())
            return ctx.usage("--entry names no callee of the phone book");
        const AppliedCallee applied = ApplyPhoneBookEntry(state, *it);
        if (!applied.pagerTypeName) {
            ctx.err << "tonalink-cli: call.dat has no pager type "
                    << cp932::toUtf8Lossy(applied.entry.PbType) << "\n";
            return kExitUsage;
        }
        book.PbEntryName = *it;
        return kExitOk;
    }
    if (!args.has("type") || !args.has("call-number"))
        return ctx.usage("send needs --entry NAME, or --type NAME and --call-number N");
    auto type = optionText(ctx, args, "type");
    auto number = optionText(ctx, args, "call-number");
    auto centre = optionText(ctx, args, "centre-number");
    auto password = optionText(ctx, args, "password");
    if (!type || !number || !centre || !password)
        return kExitUsage;
    int exitCode = kExitOk;
    auto loaded = loadPagerType(ctx, *type, &exitCode);
    if (!loaded)
        return exitCode;
    PagerTypeCatalog& catalog = state.pagerTypes;
    catalog = std::move(*loaded);
    // The fields the form would hold: a type without a centre or a password
    // leaves those fields empty.
    CurrentSend& send = state.currentSend;
    send.PagerTypeName = catalog.PagerTypeName;
    send.CallNumber = *number;
    send.CentreNumber = catalog.PagerType.PbOrPhsSw != 0 ? *centre : std::string();
    send.CallPassword = catalog.PagerType.PassWordSw != 0 ? *password : std::string();
    return kExitOk;
}

// The same facts the window's broadcast reports for a member not sent.
const char* outcomeName(const SendResult& result) {
    switch (memberOutcome(result)) {
    case MemberOutcome::Sent:
        return "sent";
    case MemberOutcome::Cancelled:
        return "cancelled";
    case MemberOutcome::NotEncodable:
        return "not encodable";
    case MemberOutcome::NotStarted:
    case MemberOutcome::LineFailed:
        break;
    }
    return "failed";
}

int exitCodeOf(const SendResult& result) {
    switch (result.failure) {
    case SendFailure::None:
        return result.outcome == SendOutcome::Sent ? kExitOk : kExitCancelled;
    case SendFailure::NotEncodable:
        return kExitNotEncodable;
    case SendFailure::PortNotOpen:
    case SendFailure::NoTimer:
    case SendFailure::LineFailed:
        break;
    }
    return kExitFileError;
}

int sendOnce(const CliContext& ctx, SendSession& session) {
    const SendResult result = session.send(SendJob::Kind::Single);
    if (result.failure == SendFailure::NotEncodable)
        ctx.err << "tonalink-cli: the message cannot be sent with this pager type\n";
    else if (result.failure == SendFailure::NoTimer)
        ctx.err << "tonalink-cli: the call could not start\n";
    if (result.failure == SendFailure::None || result.failure == SendFailure::LineFailed)
        ctx.err << translated(result.outcome == SendOutcome::Sent ? kSendFinished : kSendCancelled)
                << "\n";
    return exitCodeOf(result);
}

// Every member in file order, as the window's broadcast calls them, one line
// each on stdout. A signal cancels the call under way and ends the broadcast.
int sendToGroup(const CliContext& ctx, ProgramState& state, SendSession& session,
                const std::vector<std::string>& members) {
    int exitCode = kExitOk;
    const auto worse = [&exitCode](int code) {
        // A line failure outweighs a cancel, which outweighs an unencodable member.
        static constexpr int rank[] = {0, 1, 0, 3, 2};
        if (rank[code] > rank[exitCode])
            exitCode = code;
    };
    const std::string text = state.currentSend.MessageText;
    const int32_t mode = state.currentSend.MessageMode;
    for (const std::string& name : members) {
        if (session.terminated()) {
            worse(kExitCancelled);
            break;
        }
        ApplyPhoneBookEntry(state, name);
        state.phoneBook.PbEntryName = name;
        state.currentSend.MessageText = text;
        state.currentSend.MessageMode = mode;
        const SendResult result = session.send(SendJob::Kind::BroadcastMember);
        ctx.out << cp932::toUtf8Lossy(name) << "\t" << outcomeName(result) << std::endl;
        worse(exitCodeOf(result));
    }
    ctx.err << translated(kSendFinished) << "\n";
    return exitCode;
}

// The members of `group`, or an exit code when there are none to call.
std::variant<std::vector<std::string>, int> listGroup(const CliContext& ctx, ProgramState& state,
                                                      int group) {
    if (state.pagerTypes.ListPagerTypes(false) != 0) {
        ctx.err << "tonalink-cli: no readable call.dat in " << ctx.dir << "\n";
        return kExitFileError;
    }
    if (state.phoneBook.ListPhoneBook() != 0) {
        ctx.err << "tonalink-cli: no readable maddress.dat in " << ctx.dir << "\n";
        return kExitFileError;
    }
    std::vector<std::string> members = groupMembers(state.phoneBook, group);
    if (members.empty())
        return ctx.usage("group " + std::to_string(group) + " has no members in maddress.dat");
    return members;
}

} // namespace

int runSend(const CliContext& ctx, const std::vector<std::string>& args) {
    std::string error;
    auto parsed = ParsedArgs::parse(args,
                                    {"entry", "type", "call-number", "centre-number", "password",
                                     "mode", "port", "group", "at", "via"},
                                    &error);
    if (!parsed)
        return ctx.usage(error);
    if (parsed->positionals().size() != 1)
        return ctx.usage("send needs one TEXT");
    if (parsed->has("via"))
        return submitViaSnpp(ctx, *parsed, parsed->positionals()[0]);
    std::optional<int> mode = parseIntInRange(parsed->value("mode").value_or("0"), 0, 3);
    if (!mode)
        return ctx.usage("--mode must be 0, 1, 2 or 3");
    std::optional<int> group;
    if (auto value = parsed->value("group")) {
        group = parseIntInRange(*value, 1, kBroadcastGroups);
        if (!group)
            return ctx.usage("--group must be 1, 2, 3 or 4");
        for (const char* callee : {"entry", "type", "call-number", "centre-number", "password"}) {
            if (parsed->has(callee))
                return ctx.usage("--group calls the group's members; give no callee options");
        }
    }
    std::optional<ReserveTime> at;
    if (auto value = parsed->value("at")) {
        at.emplace();
        if (!parseReserveTime(*value, *at))
            return ctx.usage("--at must be HH:MM, from 0:00 to 23:59");
    }
    auto text = ctx.toCp932(parsed->positionals()[0], "TEXT");
    if (!text)
        return kExitNotEncodable;

    ProgramState state(ctx.dir, ctx.dir, [&](SendLogNotice notice, const std::string& detail) {
        if (notice == SendLogNotice::SizeWarning)
            ctx.err << translated(QT_TRANSLATE_NOOP("tonalink-cli",
                                                    "ＬＯＧファイルのサイズが大きくなりました。\n"
                                                    "整理して下さい。"))
                    << "\n";
        else
            ctx.err << "tonalink-cli: the send log could not be written: " << detail << "\n";
    });
    std::vector<std::string> members;
    if (group) {
        auto listed = listGroup(ctx, state, *group);
        if (const int* exitCode = std::get_if<int>(&listed))
            return *exitCode;
        members = std::get<std::vector<std::string>>(std::move(listed));
    } else if (int applied = applyCallee(ctx, *parsed, state); applied != kExitOk) {
        return applied;
    }
    state.currentSend.MessageText = *text;
    state.currentSend.MessageMode = *mode;

    state.settings = loadUserSettings();
    Settings& settings = state.settings;
    if (auto port = parsed->value("port")) {
        if (settings.CommPort < 0 || settings.CommPort >= static_cast<int>(settings.Ports.size()))
            settings.CommPort = 0;
        settings.Ports[static_cast<std::size_t>(settings.CommPort)] = *port;
    }

    SendSession session(ctx, state);
    if (!session.portOpen())
        return kExitFileError;
    if (at) {
        ctx.err << "tonalink-cli: waiting for " << reserveTimeText(*at) << "\n";
        if (!session.waitUntil(*at)) {
            ctx.err << translated(kSendCancelled) << "\n";
            return kExitCancelled;
        }
    }
    return group ? sendToGroup(ctx, state, session, members) : sendOnce(ctx, session);
}

} // namespace tonalink::cli
