#pragma once

#include "core/pagerdata/pager_type_editing.h"
#include "core/pagerdata/profile_file.h"

#include <QString>
#include <string_view>

// The editor's words, in one place.
namespace tonalink::typeedit {

QString title();

// What a key of a pager type means, for the form.
QString keyMeaning(std::string_view key);
QString listTitle(PagerTypeList list);
QString warningText(const EntryWarning& warning, PagerTypeList list);
// Empty when the count agrees with the entries.
QString countText(const ListInFile& list, std::string_view countKey);
QString errorText(ProfileError error, const QString& detail = {});

} // namespace tonalink::typeedit
