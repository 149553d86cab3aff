#pragma once

#include "core/app/settings.h"
#include "core/app/settings_store.h"

#include <string>

namespace tonalink {

inline constexpr int kUserMsgListSlots = 20;

// Reads every setting except BarSet from the store, one read per value, in the
// order the program has always read them; missing values get their defaults.
// Empty message slots close up.
void loadSettings(SettingsStore& store, Settings& settings);

// Writes every setting except BarSet, the version stamp first, all twenty
// message slots always (entries past the twentieth are not kept).
void saveSettings(SettingsStore& store, const Settings& settings);

// "userlist%2d": "userlist 5", "userlist15".
std::string userMsgListKey(int slot);

} // namespace tonalink
