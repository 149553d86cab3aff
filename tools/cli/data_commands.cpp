// `types` and `book`: the pager types and callees of the data folder.
#include "cli_context.h"
#include "core/common/cp932.h"
#include "core/pagerdata/pager_type_catalog.h"
#include "core/pagerdata/phone_book.h"

namespace tonalink::cli {

int runTypes(const CliContext& ctx, const std::vector<std::string>& args) {
    if (!args.empty())
        return ctx.usage("types takes no arguments");
    PagerTypeCatalog catalog(ctx.dir);
    if (catalog.ListPagerTypes(false) != 0) {
        ctx.err << "tonalink-cli: no readable call.dat in " << ctx.dir << "\n";
        return kExitFileError;
    }
    for (const auto& name : catalog.PagerTypeNames)
        ctx.out << cp932::toUtf8Lossy(name) << "\n";
    return kExitOk;
}

int runBook(const CliContext& ctx, const std::vector<std::string>& args) {
    if (!args.empty() && (args[0] == "import" || args[0] == "export"))
        return runBookTransfer(ctx, args);
    if (!args.empty())
        return ctx.usage("book takes no arguments, or import or export");
    PhoneBook book(ctx.dir);
    if (book.ListPhoneBook() != 0) {
        ctx.err << "tonalink-cli: no readable maddress.dat in " << ctx.dir << "\n";
        return kExitFileError;
    }
    for (const auto& name : book.PhoneBookNames) {
        PhoneBookEntry entry = book.ReadPhoneBookEntry(name);
        ctx.out << cp932::toUtf8Lossy(name) << '\t' << cp932::toUtf8Lossy(entry.PbType) << '\t'
                << cp932::toUtf8Lossy(entry.PbCallNo) << '\t' << entry.MsgGroup << "\n";
    }
    return kExitOk;
}

} // namespace tonalink::cli
