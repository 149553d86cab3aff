// `queue`: the paging daemon's queue as a table or JSON lines, and cancelling
// or retrying a job. Reads and changes the queue file itself, also while the
// daemon runs; the daemon picks the change up within seconds.
#include "cli_args.h"
#include "cli_context.h"
#include "core/common/cp932.h"
#include "json_writer.h"
#include "platform/page_store.h"

#include <algorithm>
#include <ctime>
#include <limits>

namespace tonalink::cli {
namespace {

std::string localTimeText(int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local));
}

// Columns on a terminal: East Asian characters take two, half-width kana one.
std::size_t displayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        uint32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        width += cp >= 0x1100 && !(cp >= 0xFF61 && cp <= 0xFF9F) ? 2 : 1;
        i += length;
    }
    return width;
}

struct Row {
    std::vector<std::string> cells; // UTF-8
};

void printTable(const CliContext& ctx, const std::vector<RecipientRow>& rows) {
    std::vector<Row> table{{{"JOB", "RECIPIENT", "STATE", "TRIES", "NEXT TRY", "LAST FAILURE"}}};
    for (const RecipientRow& r : rows) {
        const bool waiting = r.state == RecipientState::Queued;
        table.push_back(
            {{std::to_string(r.pageId), cp932::toUtf8Lossy(r.name),
              std::string(recipientStateName(r.state)), std::to_string(r.tries),
              waiting ? localTimeText(r.nextTry) : "-", cp932::toUtf8Lossy(r.lastFailure)}});
    }
    std::vector<std::size_t> widths(table.front().cells.size(), 0);
    for (const Row& row : table) {
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row.cells[c]));
    }
    for (const Row& row : table) {
        std::string line;
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            line += row.cells[c];
            if (c + 1 < row.cells.size())
                line += std::string(widths[c] - displayWidth(row.cells[c]) + 2, ' ');
        }
        ctx.out << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
    }
}

void printJson(const CliContext& ctx, const std::vector<RecipientRow>& rows) {
    for (const RecipientRow& r : rows) {
        JsonObject object;
        object.number("job", r.pageId)
            .text("recipient", r.name)
            .text("state", recipientStateName(r.state))
            .number("tries", r.tries);
        if (r.state == RecipientState::Queued)
            object.number("next_try", r.nextTry);
        ctx.out << object.text("last_failure", r.lastFailure).str() << "\n";
    }
}

} // namespace

int runQueue(const CliContext& ctx, const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    const auto json = std::find(rest.begin(), rest.end(), "--json");
    const bool asJson = json != rest.end();
    if (asJson)
        rest.erase(json);
    std::string error;
    auto parsed = ParsedArgs::parse(rest, {"queue"}, &error);
    if (!parsed)
        return ctx.usage(error);
    const std::vector<std::string>& words = parsed->positionals();
    const bool listing = words.empty();
    if (!listing && (words.size() != 2 || (words[0] != "cancel" && words[0] != "retry")))
        return ctx.usage("queue takes no arguments, or cancel JOBID, or retry JOBID");
    const std::optional<int> job =
        listing ? std::nullopt : parseIntInRange(words[1], 1, std::numeric_limits<int>::max());
    if (!listing && !job)
        return ctx.usage("JOBID must be a job number");

    const std::string path = parsed->value("queue").value_or(defaultQueuePath(ctx.dir));
    std::unique_ptr<PageStore> store = PageStore::open(path, false, &error);
    if (!store) {
        ctx.err << "tonalink-cli: no queue: " << error << "\n";
        return kExitFileError;
    }
    if (listing) {
        const std::vector<RecipientRow> rows = store->list();
        asJson ? printJson(ctx, rows) : printTable(ctx, rows);
        return kExitOk;
    }
    const int jobId = job.value_or(0);
    const std::optional<int> changed =
        words[0] == "cancel" ? store->cancel(jobId) : store->retry(jobId, std::time(nullptr));
    if (!changed) {
        ctx.err << "tonalink-cli: no job " << jobId << " in " << path << "\n";
        return kExitUsage;
    }
    ctx.out << "job " << jobId << ": " << *changed << " recipient(s) "
            << (words[0] == "cancel" ? "cancelled" : "queued again") << "\n";
    return kExitOk;
}

} // namespace tonalink::cli
