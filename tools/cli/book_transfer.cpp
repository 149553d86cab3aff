// `book import` and `book export`: the phone book to and from CSV over the same
// core as the phone-book editor, so a script can load a phone book from a
// directory export.
#include "cli_context.h"
#include "core/common/file_io.h"
#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/edited_profile.h"
#include "core/pagerdata/phone_book.h"

#include <algorithm>

namespace tonalink::cli {
namespace {

std::string_view reasonText(CsvRowProblem problem) {
    switch (problem) {
    case CsvRowProblem::NoName:
        return "no name";
    case CsvRowProblem::BadName:
        return "the name cannot be a callee's";
    case CsvRowProblem::TooManyFields:
        return "more fields than column titles";
    case CsvRowProblem::BadGroup:
        return "group must be empty or 0-4";
    case CsvRowProblem::BadPhraseCount:
        return "UserSetFormCnt does not match the phrases";
    case CsvRowProblem::BadValue:
        return "value cannot be stored (99 bytes at most, no line break, no blanks at its ends)";
    case CsvRowProblem::NotCp932:
        return "character not in code page 932";
    case CsvRowProblem::RepeatedName:
        return "name repeated from an earlier row";
    case CsvRowProblem::TooManyRows:
        return "more rows than 10000";
    case CsvRowProblem::NamesFull:
        return "the phone book's list of names is full";
    }
    return {};
}

std::string_view refusalText(CsvRefusal refusal) {
    switch (refusal) {
    case CsvRefusal::TooLarge:
        return "larger than 4 MiB";
    case CsvRefusal::NoNameColumn:
        return "the header row has no Name column";
    case CsvRefusal::OpenQuote:
        return "a quoted field runs to the end of the file";
    case CsvRefusal::None:
        break;
    }
    return {};
}

int importBook(const CliContext& ctx, std::vector<std::string> args) {
    const auto dry = std::find(args.begin(), args.end(), "--dry-run");
    const bool dryRun = dry != args.end();
    if (dryRun)
        args.erase(dry);
    if (args.size() != 1 || args[0].starts_with("--"))
        return ctx.usage("book import takes one FILE.csv and --dry-run");
    ProfileError error = ProfileError::None;
    auto book = EditedProfile::open(ctx.dir, PhoneBook::kFileName, &error);
    if (!book) {
        ctx.err << "tonalink-cli: no readable maddress.dat in " << ctx.dir << "\n";
        return kExitFileError;
    }
    std::string detail;
    const auto csv = readFileBounded(args[0], kMaxCsvBytes + 1, &detail);
    if (!csv) {
        ctx.err << "tonalink-cli: " << detail << "\n";
        return kExitFileError;
    }
    const CsvImport result = importCallees(book->file(), *csv);
    if (result.refusal != CsvRefusal::None || result.error != ProfileError::None) {
        ctx.err << "tonalink-cli: " << args[0] << ": "
                << (result.refusal != CsvRefusal::None ? refusalText(result.refusal)
                                                       : "the phone book cannot take the rows")
                << "; nothing imported\n";
        return kExitFileError;
    }
    for (const CsvProblem& p : result.problems)
        ctx.out << p.line << '\t' << (p.column.empty() ? "" : p.column + ": ")
                << reasonText(p.problem) << "\n";
    ctx.err << "added " << result.added << ", updated " << result.updated << ", skipped "
            << result.problems.size() << (dryRun ? " (dry run: nothing written)" : "") << "\n";
    if (!dryRun && book->modified()) {
        if (book->changedOnDisk()) {
            ctx.err << "tonalink-cli: maddress.dat changed while importing; nothing written\n";
            return kExitFileError;
        }
        if (book->save(&detail) != ProfileError::None) {
            ctx.err << "tonalink-cli: " << detail << "\n";
            return kExitFileError;
        }
    }
    return result.problems.empty() ? kExitOk : kExitRowsSkipped;
}

int exportBook(const CliContext& ctx, const std::vector<std::string>& args) {
    if (args.size() > 1 || (!args.empty() && args[0].starts_with("--")))
        return ctx.usage("book export takes at most one FILE");
    PhoneBook book(ctx.dir);
    ProfileError error = ProfileError::None;
    const auto file =
        book.LocatePhoneBook() ? ProfileFile::load(book.PbFilePath, &error) : std::nullopt;
    if (!file) {
        ctx.err << "tonalink-cli: no readable maddress.dat in " << ctx.dir << "\n";
        return kExitFileError;
    }
    const std::string csv = exportCallees(*file);
    if (args.empty()) {
        ctx.out << csv;
        return kExitOk;
    }
    std::string detail;
    if (!writeFileAtomically(args[0], csv, &detail)) {
        ctx.err << "tonalink-cli: " << detail << "\n";
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace

int runBookTransfer(const CliContext& ctx, const std::vector<std::string>& args) {
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    return args[0] == "import" ? importBook(ctx, rest) : exportBook(ctx, rest);
}

} // namespace tonalink::cli
