#pragma once

#include "cli_args.h"
#include "cli_context.h"
#include "core/app/settings.h"
#include "core/pagerdata/pager_type_catalog.h"

#include <optional>
#include <string>

namespace tonalink::cli {

// The user's settings store as the program loads it (defaults when there is none).
Settings loadUserSettings();

// The value of --name as CP932, or `fallback` (already CP932) when the option is
// absent; nothing when the given text cannot be written in CP932 (reported).
std::optional<std::string> optionText(const CliContext& ctx, const ParsedArgs& args,
                                      const std::string& name, const std::string& fallback = {});

// Lists call.dat in the data folder and loads the type named `nameCp932`
// (compared as the profile functions compare names). On failure reports it and
// sets *exitCode.
std::optional<PagerTypeCatalog> loadPagerType(const CliContext& ctx, const std::string& nameCp932,
                                              int* exitCode);

// A text of the tool in the user's language (once a send session has loaded it).
std::string translated(const char* source);

} // namespace tonalink::cli
