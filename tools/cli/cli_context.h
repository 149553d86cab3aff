#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitNotEncodable = 1,
    kExitRowsSkipped = 1, // book import: some row was left out
    kExitUsage = 2,
    kExitFileError = 3,
    kExitCancelled = 4,
};

struct CliContext {
    std::string dir; // holds call.dat, maddress.dat and bell.log
    std::ostream& out;
    std::ostream& err;

    // A command-line text (UTF-8) as CP932; reports and returns nothing when the
    // text holds a character CP932 cannot represent.
    std::optional<std::string> toCp932(std::string_view utf8, std::string_view what) const;
    int usage(std::string_view message) const;
};

using Command = int (*)(const CliContext&, const std::vector<std::string>& args);

int runTypes(const CliContext& ctx, const std::vector<std::string>& args);
int runBook(const CliContext& ctx, const std::vector<std::string>& args);
// `book import FILE.csv [--dry-run]` and `book export [FILE]`; args[0] names which.
int runBookTransfer(const CliContext& ctx, const std::vector<std::string>& args);
int runShortcut(const CliContext& ctx, const std::vector<std::string>& args);
int runEncode(const CliContext& ctx, const std::vector<std::string>& args);
int runSend(const CliContext& ctx, const std::vector<std::string>& args);
int runQueue(const CliContext& ctx, const std::vector<std::string>& args);

} // namespace tonalink::cli
