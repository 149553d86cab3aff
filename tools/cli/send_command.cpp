// `send`: one whole send without a window, through the same call sequence as
// the program, on real time and the user's modem settings.
#include "cli_support.h"
#include "core/app/current_send.h"
#include "core/app/send_job.h"
#include "core/common/cp932.h"
#include "core/encoder/encoder.h"
#include "core/modem/call_sequence.h"
#include "core/modem/send_log.h"
#include "core/pagerdata/phone_book.h"
#include "json_writer.h"
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

struct Callee {
    CurrentSend send;
    std::string PbEntryName;
    std::vector<std::string> UserPhrases;
};

// The callee from --entry (as the phone-book picker applies it) or from the
// options typed by hand.
std::optional<Callee> resolveCallee(const CliContext& ctx, const ParsedArgs& args, int* exitCode) {
    *exitCode = kExitUsage;
    Callee callee;
    if (auto entry = args.value("entry")) {
        if (args.has("type") || args.has("call-number") || args.has("centre-number") ||
            args.has("password")) {
            ctx.usage("--entry takes the callee from the phone book; give no callee options");
            return std::nullopt;
        }
        auto name = ctx.toCp932(*entry, "--entry");
        if (!name)
            return std::nullopt;
        PhoneBook book(ctx.dir);
        if (book.ListPhoneBook() != 0) {
            ctx.err << "tonalink-cli: no readable maddress.dat in " << ctx.dir << "\n";
            *exitCode = kExitFileError;
            return std::nullopt;
        }
        auto it = std::find_if(book.PhoneBookNames.begin(), book.PhoneBookNames.end(),
                               [&](const std::string& n) { return profileNamesEqual(n, *name); });
        if (it == book.PhoneBookNames.end()) {
            ctx.usage("--entry names no callee of the phone book");
            return std::nullopt;
        }
        PhoneBookEntry found = book.ReadPhoneBookEntry(*it);
        callee.PbEntryName = *it;
        callee.send.PagerTypeName = found.PbType;
        callee.send.CallNumber = found.PbCallNo;
        callee.send.CentreNumber = found.PhsCallNo;
        callee.send.CallPassword = found.PbPassWord;
        callee.UserPhrases = found.UserPhrases;
        return callee;
    }
    if (!args.has("type") || !args.has("call-number")) {
        ctx.usage("send needs --entry NAME, or --type NAME and --call-number N");
        return std::nullopt;
    }
    auto type = optionText(ctx, args, "type");
    auto number = optionText(ctx, args, "call-number");
    auto centre = optionText(ctx, args, "centre-number");
    auto password = optionText(ctx, args, "password");
    if (!type || !number || !centre || !password)
        return std::nullopt;
    callee.send.PagerTypeName = *type;
    callee.send.CallNumber = *number;
    callee.send.CentreNumber = *centre;
    callee.send.CallPassword = *password;
    return callee;
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
    int exitCode = kExitOk;
    auto callee = resolveCallee(ctx, *parsed, &exitCode);
    if (!callee)
        return exitCode;
    auto text = ctx.toCp932(parsed->positionals()[0], "TEXT");
    if (!text)
        return kExitNotEncodable;
    auto catalog = loadPagerType(ctx, callee->send.PagerTypeName, &exitCode);
    if (!catalog)
        return exitCode;
    catalog->AppendFormStyles(callee->UserPhrases);
    const PagerType& type = catalog->PagerType;

    // The fields the form would hold: a type without a centre or a password
    // leaves those fields empty.
    CurrentSend send = callee->send;
    send.MessageText = *text;
    send.MessageMode = *mode;
    if (type.PbOrPhsSw == 0)
        send.CentreNumber.clear();
    if (type.PassWordSw == 0)
        send.CallPassword.clear();

    Settings settings = loadUserSettings();
    if (auto port = parsed->value("port")) {
        if (settings.CommPort < 0 || settings.CommPort >= static_cast<int>(settings.Ports.size()))
            settings.CommPort = 0;
        settings.Ports[static_cast<std::size_t>(settings.CommPort)] = *port;
    }

    int argc = 1;
    char appName[] = "tonalink-cli";
    char* argv[] = {appName, nullptr};
    QCoreApplication app(argc, argv);

    auto say = [&](std::string_view cp932Text) { ctx.err << displayUtf8(cp932Text) << "\n"; };
    SerialPort port([&](const QString& text) { ctx.err << text.toStdString() << "\n"; });
    port.open(settings.CommPort, settings.Ports);

    SendLog log(ctx.dir, [&](SendLogNotice notice, const std::string& detail) {
        if (notice == SendLogNotice::SizeWarning)
            ctx.err << "ＬＯＧファイルのサイズが大きくなりました。\n整理して下さい。\n";
        else
            ctx.err << "tonalink-cli: the send log could not be written: " << detail << "\n";
    });
    log.recoverJournal();

    Encoder encoder;
    EncoderInput input{type,
                       send.MessageText,
                       send.MessageMode,
                       settings.CustomCommand1,
                       settings.CustomCommand2,
                       settings.CustomCommand3,
                       send.CallNumber,
                       send.CallPassword};
    CallState state;
    auto addRecord = [&](const std::string& number, int32_t cancelled) {
        log.AddLogRecord(number, send.MessageText, cancelled,
                         {callee->PbEntryName, catalog->PagerTypeName, encoder.PartStarts,
                          state.m_nSentPart, state.m_strSentCommand});
    };

    std::unique_ptr<CallSequence> sequence;
    QtTimerHost timers([&](int id) { sequence->onTimer(id); });
    CallSequence::Hooks hooks;
    hooks.statusChanged = [&](CallStatus status) { say(callStatusText(status)); };
    hooks.counterChanged = [&](const std::string& counter) { ctx.err << counter << "\n"; };
    hooks.addLogRecord = [&](const std::string& number, const std::string&, int32_t cancelled) {
        addRecord(number, cancelled);
    };
    hooks.showWarning = say;
    // Leave the loop after the timer callback that ended the call has returned.
    hooks.finished = [&](int32_t) { QTimer::singleShot(0, &app, &QCoreApplication::quit); };
    sequence = std::make_unique<CallSequence>(makeCallSettings(settings, type, send), state, timers,
                                              port, hooks);

    int32_t started = sequence->start([&](MessageParts& parts) {
        int32_t result = encoder.BuildSendCommands(input);
        parts = encoder;
        return result;
    });
    if (started != 0) {
        ctx.err << "tonalink-cli: the message cannot be sent with this pager type\n";
        port.close();
        return kExitNotEncodable;
    }

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested,
                     [&](int) { sequence->cancel(); });
    app.exec();

    int32_t result = sequence->result().value_or(IDCANCEL);
    if (result == IDOK)
        addRecord(sequence->number(), 0);
    ctx.err << (result == IDOK ? kSendFinished : kSendCancelled) << "\n";
    log.FlushLog();
    port.close();
    return result == IDOK ? kExitOk : kExitCancelled;
}

} // namespace tonalink::cli
