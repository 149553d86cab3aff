// SIP line addresses: a [Ports] value is a SIP line exactly when it starts with
// "sip:", and a host taken from it is bounded, reads back as itself, and cannot
// carry a user, parameters, blanks or control bytes into the call's URI; dial
// lines turn into calls to digits and code lines into digits and pauses.
//
// Input: the [Ports] value (a length byte and its bytes), the dial prefix, then
// command lines separated by line feeds.
#include "core/modem/sip_address.h"
#include "core/modem/sip_line.h"
#include "fuzz_support.h"

#include <algorithm>
#include <vector>

namespace {

using namespace tonalink;

// Records what the line asks of the engine.
class RecordingEngine : public SipEngine {
public:
    bool dial(const std::string& number) override {
        dialled.push_back(number);
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
    return b > ' ' && b != 0x7F && c != '@' && c != ';' && c != '?' && c != '>';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::string value = in.text();
    const std::string prefix = in.text();
    const std::string lines = in.rest();

    FUZZ_CHECK(isSipLineValue(value) == value.starts_with("sip:"));
    const std::optional<SipHost> host = sipLineHost(value);
    if (host) {
        const std::string text = host->text();
        FUZZ_CHECK(!host->host.empty() && text.size() <= 270);
        FUZZ_CHECK(std::all_of(text.begin(), text.end(), safeInUri));
        FUZZ_CHECK(parseSipHost(text) == host);
        FUZZ_CHECK(!host->loopback || host->kind != SipHost::Kind::Name);
    }
    // A SIP line's host is exactly what the host parser makes of the rest.
    if (value.starts_with("sip:"))
        FUZZ_CHECK(host == parseSipHost(std::string_view(value).substr(4)));

    RecordingEngine engine;
    SipLineTranslator line(engine, [&prefix] { return prefix; });
    std::string_view rest = lines;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        line.take(rest.substr(0, end));
        line.answered();
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    for (const std::string& number : engine.dialled) {
        FUZZ_CHECK(!number.empty());
        FUZZ_CHECK(number.find_first_not_of("0123456789*#") == std::string::npos);
    }
    for (const std::string& digits : engine.played)
        FUZZ_CHECK(digits.find_first_not_of("0123456789*#,") == std::string::npos);
    return 0;
}
