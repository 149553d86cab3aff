#pragma once

#include "core/modem/call_settings.h"

namespace tonalink {

struct Settings;
struct PagerType;
struct CurrentSend;

CallSettings makeCallSettings(const Settings& settings, const PagerType& pagerType,
                              const CurrentSend& send);

} // namespace tonalink
