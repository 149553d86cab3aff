#pragma once

#include "core/common/line_splitter.h"
#include "core/modem/modem_commands.h"

#include <optional>
#include <string>
#include <string_view>

namespace tonalink {

// Reads what the modem sends back, line by line, against the command line
// written last. A reply that says the call cannot go on (BUSY, NO DIALTONE,
// NO CARRIER, NO ANSWER, ERROR, or their numeric codes 7, 6, 3, 8, 4) after a
// dial or code line is a fault of the part under way. After the reset, the
// hang-up or the user's extra command it is not: the part it would speak of has
// not started or has already gone out, and a modem that refuses an extra setting
// still dials. A line that repeats the command written last is the modem's echo,
// not a reply.
class ModemReplies {
public:
    // Longer lines are no reply of a modem; they are cut to this and ignored.
    static constexpr std::size_t kMaxLine = 128;

    // Every command line, CR LF included, as it is written.
    void commandWritten(std::string_view line);
    // Bytes from the modem, in pieces of any size. Returns the first reply among
    // them that fails the part under way, as the user is to see it ("BUSY",
    // "7 (BUSY)").
    std::optional<std::string> feed(std::string_view bytes);
    // A reply (not only an echo) came since the reset line was written.
    bool answeredSinceReset() const { return m_answered; }

private:
    std::optional<std::string> replyLine(std::string_view line);

    LineSplitter m_splitter{kMaxLine};
    std::optional<CommandKind> m_last;
    std::string m_lastText; // the last command without its line end, to know its echo
    bool m_resetWritten = false;
    bool m_answered = false;
};

} // namespace tonalink
