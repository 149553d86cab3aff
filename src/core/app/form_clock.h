#pragma once

#include <cstdint>

namespace tonalink {

// The counters of the form's one-second clock, kept by the application: the
// deferred start-up work runs on the first tick after the form is (re)initialised,
// and a shortcut send waits for a given tick.
struct FormClock {
    static constexpr int32_t kNoSendPending = -1;

    bool startupDone = false;
    int32_t tickCount = 0;
    int32_t sendAtTick = kNoSendPending;

    void restart() {
        startupDone = false;
        tickCount = 0;
        sendAtTick = kNoSendPending;
    }
};

// Where the next send of the form comes from.
enum class SendSource : int32_t {
    Normal = 0,
    ShortcutPending = 1, // a loaded shortcut waits for its send-at tick
    Shortcut = 2,        // the send running now is a shortcut's
};

} // namespace tonalink
