#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tonalink {

// Lock files "LCK..NAME" holding the owner's process id, as serial tools on
// Linux keep them in the system's lock folder. The serial port takes its own on
// open (Qt Serial Port writes one for the device it opens); a SIP line takes one
// here. Before either, the line is looked up so that a line in use is refused
// with its holder named.
class LineLock {
public:
    struct Holder {
        pid_t pid = 0;    // 0: no lock file could be written
        std::string path; // the lock file
    };

    // The device a path resolves to (symbolic links followed), so every name of
    // one device shares one lock; a SIP address as it is.
    static std::string canonicalLine(const std::string& line);
    // "LCK..ttyS0", "LCK..pts_3", "LCK..sip_pbx.example_5060".
    static std::string lockName(const std::string& canonicalLine);
    // Another live process that holds the line, in any lock folder.
    static std::optional<Holder> holder(const std::string& canonicalLine);

    LineLock() = default;
    ~LineLock();
    LineLock(const LineLock&) = delete;
    LineLock& operator=(const LineLock&) = delete;

    // Writes this process's lock file for the line, in the system's lock folder
    // or, where that cannot be written, the user's runtime folder. False when
    // another holds the line (*holder says who) or nothing could be written.
    bool acquire(const std::string& canonicalLine, Holder* holder);
    void release();

private:
    std::string m_path; // the lock file this process holds
};

} // namespace tonalink
