#include "pagerd_options.h"

#include "platform/page_store.h"

#include <charconv>

namespace tonalink::pagerd {
namespace {

// "ADDR:PORT", or "[IPV6]:PORT".
bool parseListen(const std::string& text, PagerdOptions& options) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos)
        return false;
    std::string host = text.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    const std::string portText = text.substr(colon + 1);
    unsigned port = 0;
    auto [end, ec] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (ec != std::errc() || end != portText.data() + portText.size() || port > 65535)
        return false;
    options.listenPort = static_cast<quint16>(port);
    return options.listenAddress.setAddress(QString::fromStdString(host));
}

} // namespace

std::optional<PagerdOptions> parsePagerdOptions(const std::vector<std::string>& args,
                                                std::string* error) {
    PagerdOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) {
            *error = "option " + name + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (name == "--dir") {
            options.dir = value;
        } else if (name == "--listen") {
            if (!parseListen(value, options)) {
                *error = "--listen must be ADDRESS:PORT";
                return std::nullopt;
            }
        } else if (name == "--port") {
            options.port = value;
        } else if (name == "--queue") {
            options.queuePath = value;
        } else {
            *error = "unknown option " + name;
            return std::nullopt;
        }
    }
    if (options.dir.empty()) {
        *error = "--dir DIR is needed";
        return std::nullopt;
    }
    if (options.queuePath.empty())
        options.queuePath = defaultQueuePath(options.dir);
    return options;
}

} // namespace tonalink::pagerd
