#include "core/modem/modem_commands.h"

#include <algorithm>
#include <limits>

namespace tonalink {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kDialTone = "ATDT";
constexpr std::string_view kDialPulse = "ATDP";
constexpr std::string_view kSendText = "AT#STX=";
constexpr int32_t kMaxExtraPauseCommas = 128;

bool isLineBreak(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

std::string withLineEnd(std::string body) {
    body += kLineEnd;
    return body;
}

// One comma, then one more for every two whole seconds of WaitTime; a wild
// WaitTime from the data file must not build a line of megabytes.
std::string pauseBeforeCodes(int32_t WaitTime) {
    const int32_t extra = std::clamp(WaitTime / 2, 0, kMaxExtraPauseCommas);
    return std::string(1 + static_cast<std::size_t>(extra), ',');
}

} // namespace

std::string withoutLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return !isLineBreak(c); });
    return out;
}

std::string dialStringValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return !isLineBreak(c) && c != ';'; });
    return out;
}

std::string resetLine() {
    return withLineEnd("ATZ0");
}

std::string extCommandLine(std::string_view ExtCommand) {
    std::string body = withoutLineBreaks(ExtCommand);
    if (body.empty()) {
        return {};
    }
    return withLineEnd(std::move(body));
}

std::string dialLine(const DialLineOptions& options, int32_t WaitTime, std::string_view number,
                     std::string_view codes) {
    std::string text;
    if (options.CKExtension == 1) {
        text += dialStringValue(options.Extension);
    }
    text += dialStringValue(number);
    if (options.KeitaiSw == 1) {
        text += 'V';
    }
    const bool pulse = options.PhoneType == 0;
    if (options.ModemSw == 1) {
        text += pauseBeforeCodes(WaitTime);
        if (pulse) {
            // The codes must still go out as tones on a pulse line.
            text += "DT";
        }
        text += dialStringValue(codes);
    }
    return withLineEnd(std::string(pulse ? kDialPulse : kDialTone) + text + ';');
}

std::string codeLine(int32_t KeitaiSw, std::string_view codes) {
    return withLineEnd(std::string(KeitaiSw == 1 ? kSendText : kDialTone) + dialStringValue(codes) +
                       ';');
}

std::string hangUpLine() {
    return withLineEnd("ATE1V1Q0H0");
}

CommandKind commandKind(std::string_view line) {
    if (line == resetLine())
        return CommandKind::Reset;
    if (line == hangUpLine())
        return CommandKind::HangUp;
    // Every dial line and code line starts "ATD" ("ATDT", "ATDP") or "AT#STX=".
    if (line.starts_with(kDialTone.substr(0, 3)) || line.starts_with(kSendText))
        return CommandKind::Call;
    return CommandKind::Other;
}

int32_t holdTime(int32_t DefaultOffTime, int32_t CutTime) {
    const int64_t sum = int64_t{DefaultOffTime} + CutTime;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace tonalink
