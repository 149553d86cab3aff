#pragma once

namespace tonalink {

struct KeyboardLocks {
    bool capsLock = false;
    bool kanaLock = false;
};

// The lock lights of the keyboards as the kernel shows them (/sys/class/leds);
// all off where they cannot be read.
KeyboardLocks readKeyboardLocks();

} // namespace tonalink
