#pragma once

#include <functional>
#include <string>
#include <utility>

namespace tonalink {

// The telephone line a call is made on: takes one complete modem command line
// (ending in CR LF) at a time.
class LineSink {
public:
    // Told when the line learns on its own that the call under way failed: a
    // modem's BUSY or NO CARRIER, a SIP call that dropped. `reason` is CP932 text
    // for the user, such as the modem's reply.
    using FaultHandler = std::function<void(const std::string& reason)>;

    virtual ~LineSink() = default;
    // False when no command can reach the modem (its port is not open).
    virtual bool isOpen() const = 0;
    // False when the line did not take the bytes; the call cannot go on then.
    virtual bool writeLine(const std::string& line) = 0;

    // The call that runs sets its handler and clears it when it ends.
    void setFaultHandler(FaultHandler handler) { m_onFault = std::move(handler); }

protected:
    void reportFault(const std::string& reason) {
        // A copy: the call the fault ends clears the handler while it runs.
        if (FaultHandler handler = m_onFault)
            handler(reason);
    }

private:
    FaultHandler m_onFault;
};

} // namespace tonalink
