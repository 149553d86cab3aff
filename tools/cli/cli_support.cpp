#include "cli_support.h"

#include "core/app/settings_model.h"
#include "core/common/cp932.h"
#include "platform/qt_settings_store.h"

#include <QCoreApplication>

namespace tonalink::cli {

Settings loadUserSettings() {
    QtSettingsStore store;
    Settings settings;
    loadSettings(store, settings);
    return settings;
}

std::optional<std::string> optionText(const CliContext& ctx, const ParsedArgs& args,
                                      const std::string& name, const std::string& fallback) {
    std::optional<std::string> given = args.value(name);
    if (!given)
        return fallback;
    return ctx.toCp932(*given, "--" + name);
}

std::optional<PagerTypeCatalog> loadPagerType(const CliContext& ctx, const std::string& nameCp932,
                                              int* exitCode) {
    PagerTypeCatalog catalog(ctx.dir);
    if (catalog.ListPagerTypes(false) != 0) {
        ctx.err << "tonalink-cli: no readable call.dat in " << ctx.dir << "\n";
        *exitCode = kExitFileError;
        return std::nullopt;
    }
    std::optional<std::size_t> found = catalog.FindPagerTypeName(nameCp932);
    if (!found) {
        ctx.err << "tonalink-cli: call.dat has no pager type " << cp932::toUtf8Lossy(nameCp932)
                << "\n";
        *exitCode = kExitUsage;
        return std::nullopt;
    }
    catalog.LoadPagerType(catalog.PagerTypeNames[*found]);
    return catalog;
}

std::string translated(const char* source) {
    return QCoreApplication::translate("tonalink-cli", source).toStdString();
}

} // namespace tonalink::cli
