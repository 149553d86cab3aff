// `shortcut create` and `shortcut show`: .tks files exactly as the program
// writes and reads them.
#include "cli_args.h"
#include "cli_context.h"
#include "core/app/shortcut_document.h"
#include "core/common/cp932.h"
#include "core/pagerdata/phone_book.h"
#include "json_writer.h"

#include <algorithm>

namespace tonalink::cli {
namespace {

int createShortcut(const CliContext& ctx, const std::vector<std::string>& args) {
    std::string error;
    auto parsed = ParsedArgs::parse(args, {"entry", "mode", "message"}, &error);
    if (!parsed)
        return ctx.usage(error);
    if (!parsed->has("entry") || !parsed->has("message") || parsed->positionals().size() != 1)
        return ctx.usage("shortcut create needs --entry, --message and one FILE");
    std::optional<int> mode = parseIntInRange(parsed->value("mode").value_or("0"), 0, 3);
    if (!mode)
        return ctx.usage("--mode must be 0, 1, 2 or 3");
    auto entry = ctx.toCp932(*parsed->value("entry"), "--entry");
    auto message = ctx.toCp932(*parsed->value("message"), "--message");
    if (!entry || !message)
        return kExitUsage;
    // The program makes shortcuts only for a phone-book callee with a call number
    // and a message; refuse the same here so no file is made that cannot send.
    PhoneBook book(ctx.dir);
    if (book.ListPhoneBook() != 0) {
        ctx.err << "tonalink-cli: no readable maddress.dat in " << ctx.dir << "\n";
        return kExitFileError;
    }
    auto named = [&](const std::string& name) {
        return cp932::equalIgnoringAsciiCase(name, *entry);
    };
    if (std::none_of(book.PhoneBookNames.begin(), book.PhoneBookNames.end(), named))
        return ctx.usage("--entry names no callee of the phone book");
    if (book.ReadPhoneBookEntry(*entry).PbCallNo.empty())
        return ctx.usage("the callee has no call number");
    if (message->empty())
        return ctx.usage("the message is empty");

    ShortcutDocument doc;
    doc.entryName = *entry;
    doc.message = *message;
    ShortcutModes modes = shortcutModesFromMessageMode(*mode);
    doc.modeA = modes.modeA;
    doc.modeB = modes.modeB;
    if (!writeShortcutFile(parsed->positionals()[0], doc, &error)) {
        ctx.err << "tonalink-cli: " << error << "\n";
        return kExitFileError;
    }
    return kExitOk;
}

int showShortcut(const CliContext& ctx, const std::vector<std::string>& args) {
    if (args.size() != 1)
        return ctx.usage("shortcut show needs one FILE");
    ShortcutLoadResult result = readShortcutFile(args[0]);
    if (!result.document) {
        // The program's own wording for any shortcut it cannot load; the reason after it.
        ctx.err << kUnexpectedFileFormat << "\n";
        if (result.error != kUnexpectedFileFormat)
            ctx.err << "tonalink-cli: " << result.error << "\n";
        return kExitFileError;
    }
    const ShortcutDocument& doc = *result.document;
    ctx.out << JsonObject()
                   .text("entry", doc.entryName)
                   .text("message", doc.message)
                   .number("mode_a", doc.modeA)
                   .number("mode_b", doc.modeB)
                   .number("applied", doc.applied)
                   .number("mode", messageModeFromShortcutModes(doc.modeA, doc.modeB))
                   .str()
            << "\n";
    return kExitOk;
}

} // namespace

int runShortcut(const CliContext& ctx, const std::vector<std::string>& args) {
    if (args.empty())
        return ctx.usage("shortcut needs create or show");
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "create")
        return createShortcut(ctx, rest);
    if (args[0] == "show")
        return showShortcut(ctx, rest);
    return ctx.usage("unknown shortcut command " + args[0]);
}

} // namespace tonalink::cli
