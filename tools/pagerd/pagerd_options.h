#pragma once

#include <QHostAddress>
#include <optional>
#include <string>
#include <vector>

namespace tonalink::pagerd {

struct PagerdOptions {
    std::string dir;
    QHostAddress listenAddress{QHostAddress::LocalHost};
    quint16 listenPort = 444;
    std::optional<std::string> port; // DEVICE or sip:HOST[:PORT]
    std::string queuePath;           // default beside bell.log
};

inline constexpr const char* kPagerdUsage =
    "usage: tonalink-pagerd --dir DIR [--listen ADDR:PORT] [--port DEVICE|sip:HOST[:PORT]]\n"
    "                       [--queue FILE]\n"
    "  --dir DIR        call.dat and maddress.dat are read from DIR, bell.log written there\n"
    "  --listen A:P     SNPP address (default 127.0.0.1:444; port 0 picks a free one)\n"
    "  --port LINE      the line instead of the settings' CommPort\n"
    "  --queue FILE     the queue (default DIR/pages.sqlite)\n";

// Nothing, with *error set, for a wrong command line.
std::optional<PagerdOptions> parsePagerdOptions(const std::vector<std::string>& args,
                                                std::string* error);

} // namespace tonalink::pagerd
