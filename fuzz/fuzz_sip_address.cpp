// SIP line addresses: a [Ports] value is a SIP line exactly when it starts with
// "sip:", and an address taken from it is a bounded host part that cannot carry
// a user, parameters, blanks or control bytes into the call's URI; dial lines
// turn into calls to digits at that host and nothing else.
//
// Input: the [Ports] value (a length byte and its bytes), the dial prefix, then
// command lines separated by line feeds.
#include "core/modem/sip_line.h"
#include "fuzz_support.h"

#include <algorithm>
#include <vector>

namespace {

using namespace tonalink;

// Records what the line asks of the engine.
class RecordingEngine : public SipEngine {
public:
    bool dial(const std::string& uri) override {
        dialled.push_back(uri);
        return true;
    }
    bool playDigits(const std::string& digits) override {
        played.push_back(digits);
        return true;
    }
    void hangUp() override {}

    std::vector<std::string> dialled;
    std::vector<std::string> played;
};

bool safeInUri(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b > ' ' && b != 0x7F && c != '@' && c != ';';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::string value = in.text();
    const std::string prefix = in.text();
    const std::string lines = in.rest();

    FUZZ_CHECK(isSipLineValue(value) == value.starts_with("sip:"));
    const std::optional<std::string> host = sipLineHost(value);
    if (!host) {
        const std::string_view rest =
            std::string_view(value).substr(std::min<std::size_t>(4, value.size()));
        FUZZ_CHECK(!value.starts_with("sip:") || rest.empty() || rest.size() > 260 ||
                   !std::all_of(rest.begin(), rest.end(), safeInUri));
        return 0;
    }
    FUZZ_CHECK(value == "sip:" + *host);
    FUZZ_CHECK(!host->empty() && host->size() <= 260);
    FUZZ_CHECK(std::all_of(host->begin(), host->end(), safeInUri));

    RecordingEngine engine;
    SipLineTranslator line(engine, *host, prefix);
    std::string_view rest = lines;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        line.take(rest.substr(0, end));
        line.answered();
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    for (const std::string& uri : engine.dialled) {
        FUZZ_CHECK(uri.starts_with("sip:") && uri.ends_with("@" + *host));
        const std::string_view user =
            std::string_view(uri).substr(4, uri.size() - 5 - host->size());
        FUZZ_CHECK(!user.empty());
        FUZZ_CHECK(user.find_first_not_of("0123456789*#") == std::string_view::npos);
    }
    for (const std::string& digits : engine.played)
        FUZZ_CHECK(digits.find_first_not_of("0123456789*#,") == std::string::npos);
    return 0;
}
