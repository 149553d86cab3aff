// `send`: one whole send without a window, through the same send job as the
// program, on real time and the user's modem settings.
#include "cli_support.h"
#include "core/app/callee_rules.h"
#include "core/app/program_state.h"
#include "core/app/send_job.h"
#include "core/common/cp932.h"
#include "platform/qt_timer_host.h"
#include "platform/serial_port.h"
#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

namespace tonalink::cli {
namespace {

constexpr const char* kSendFinished = "送信を終了しました。";
constexpr const char* kSendCancelled = "送信をキャンセルしました。";

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

} // namespace

int runSend(const CliContext& ctx, const std::vector<std::string>& args) {
    std::string error;
    auto parsed = ParsedArgs::parse(
        args, {"entry", "type", "call-number", "centre-number", "password", "mode", "port"},
        &error);
    if (!parsed)
        return ctx.usage(error);
    if (parsed->positionals().size() != 1)
        return ctx.usage("send needs one TEXT");
    std::optional<int> mode = parseIntInRange(parsed->value("mode").value_or("0"), 0, 3);
    if (!mode)
        return ctx.usage("--mode must be 0, 1, 2 or 3");
    auto text = ctx.toCp932(parsed->positionals()[0], "TEXT");
    if (!text)
        return kExitNotEncodable;

    ProgramState state(ctx.dir, ctx.dir, [&](SendLogNotice notice, const std::string& detail) {
        if (notice == SendLogNotice::SizeWarning)
            ctx.err << "ＬＯＧファイルのサイズが大きくなりました。\n整理して下さい。\n";
        else
            ctx.err << "tonalink-cli: the send log could not be written: " << detail << "\n";
    });
    if (int applied = applyCallee(ctx, *parsed, state); applied != kExitOk)
        return applied;
    state.currentSend.MessageText = *text;
    state.currentSend.MessageMode = *mode;

    state.settings = loadUserSettings();
    Settings& settings = state.settings;
    if (auto port = parsed->value("port")) {
        if (settings.CommPort < 0 || settings.CommPort >= static_cast<int>(settings.Ports.size()))
            settings.CommPort = 0;
        settings.Ports[static_cast<std::size_t>(settings.CommPort)] = *port;
    }

    int argc = 1;
    char appName[] = "tonalink-cli";
    char* argv[] = {appName, nullptr};
    QCoreApplication app(argc, argv);

    auto say = [&](std::string_view cp932Text) {
        ctx.err << cp932::toUtf8Lossy(cp932Text) << "\n";
    };
    SerialPort port([&](const QString& text) { ctx.err << text.toStdString() << "\n"; });
    port.open(settings.CommPort, settings.Ports);
    state.sendLog.recoverJournal();

    std::unique_ptr<SendJob> job;
    QtTimerHost timers([&](int id) { job->onTimer(id); });
    SendJob::Display display;
    display.statusChanged = [&](CallStatus status) { say(callStatusText(status)); };
    display.counterChanged = [&](const std::string& counter) { ctx.err << counter << "\n"; };
    display.showWarning = say;
    // Leave the loop after the timer callback that ended the call has returned.
    display.finished = [&](const SendResult&) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    };
    job = std::make_unique<SendJob>(state, port, timers, display);

    if (!job->start()) {
        const SendFailure why = job->result()->failure;
        if (why == SendFailure::NotEncodable)
            ctx.err << "tonalink-cli: the message cannot be sent with this pager type\n";
        else if (why != SendFailure::PortNotOpen)
            ctx.err << "tonalink-cli: the call could not start\n";
        port.close();
        return why == SendFailure::NotEncodable ? kExitNotEncodable : kExitFileError;
    }

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested,
                     [&](int) { job->cancel(); });
    app.exec();

    const SendResult result = job->result().value_or(SendResult{SendOutcome::Cancelled});
    if (result.outcome == SendOutcome::Failed)
        ctx.err << "tonalink-cli: the line failed during the call\n";
    ctx.err << (result.outcome == SendOutcome::Sent ? kSendFinished : kSendCancelled) << "\n";
    state.sendLog.FlushLog();
    port.close();
    switch (result.outcome) {
    case SendOutcome::Sent:
        return kExitOk;
    case SendOutcome::Cancelled:
        return kExitCancelled;
    case SendOutcome::Failed:
        break;
    }
    return kExitFileError;
}

} // namespace tonalink::cli
