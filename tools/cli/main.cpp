#include "cli_context.h"
#include "core/common/cp932.h"

#include <iostream>
#include <string_view>

using namespace tonalink::cli;

namespace {

struct NamedCommand {
    std::string_view name;
    Command run;
};

constexpr NamedCommand kCommands[] = {
    {"types", runTypes},   {"book", runBook}, {"shortcut", runShortcut},
    {"encode", runEncode}, {"send", runSend}, {"queue", runQueue},
};

constexpr std::string_view kUsage =
    "usage: tonalink-cli [--dir DIR] COMMAND ...\n"
    "  types                       pager-type names of call.dat\n"
    "  book                        callees of maddress.dat\n"
    "  book import FILE.csv [--dry-run]\n"
    "                              merge callees from CSV (UTF-8 or code page 932);\n"
    "                              rows left out on stdout as LINE<TAB>reason, exit 1\n"
    "  book export [FILE]          every callee as UTF-8 CSV (stdout without FILE)\n"
    "  shortcut create --entry NAME [--mode 0-3] --message TEXT FILE\n"
    "  shortcut show FILE\n"
    "  encode --type NAME [--mode 0-3] [--call-number N] [--password P]\n"
    "         [--custom1 C] [--custom2 C] [--custom3 C] TEXT\n"
    "  send (--entry NAME | --type NAME --call-number N [--centre-number N]\n"
    "        [--password P] | --group 1-4) [--mode 0-3] [--port DEVICE]\n"
    "        [--at HH:MM] TEXT\n"
    "  send --via HOST:PORT (--entry NAME | --group 1-4) [--at HH:MM] TEXT\n"
    "                              queue the page at a running tonalink-pagerd over SNPP\n"
    "  queue [--json] [--queue FILE]  the paging daemon's queue (default DIR/pages.sqlite)\n"
    "  queue (cancel | retry) JOBID [--queue FILE]\n";

} // namespace

namespace tonalink::cli {

std::optional<std::string> CliContext::toCp932(std::string_view utf8, std::string_view what) const {
    cp932::Failure failure{};
    auto bytes = cp932::fromUtf8(utf8, &failure);
    if (!bytes)
        err << "tonalink-cli: " << what << ": character at byte " << failure.offset
            << " cannot be written in code page 932\n";
    return bytes;
}

int CliContext::usage(std::string_view message) const {
    err << "tonalink-cli: " << message << "\n" << kUsage;
    return kExitUsage;
}

} // namespace tonalink::cli

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CliContext ctx{".", std::cout, std::cerr};
    std::size_t i = 0;
    if (i < args.size() && (args[i] == "--dir" || args[i].rfind("--dir=", 0) == 0)) {
        if (args[i] == "--dir") {
            if (i + 1 >= args.size())
                return ctx.usage("option --dir needs a value");
            ctx.dir = args[i + 1];
            i += 2;
        } else {
            ctx.dir = args[i].substr(6);
            i += 1;
        }
    }
    if (i >= args.size())
        return ctx.usage("no command given");
    auto isHelp = [&](std::size_t k) {
        return k < args.size() && (args[k] == "--help" || args[k] == "-h");
    };
    // Also right after a command name: "send --help".
    if (isHelp(i) || isHelp(i + 1)) {
        std::cout << kUsage;
        return kExitOk;
    }
    for (const auto& command : kCommands) {
        if (args[i] == command.name)
            return command.run(ctx, std::vector<std::string>(args.begin() + i + 1, args.end()));
    }
    return ctx.usage("unknown command " + args[i]);
}
