#include "tone_plan.h"

#include <cctype>

namespace tonalink::modemsim {
namespace {

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (upper(text[i]) != prefix[i])
            return false;
    }
    return true;
}

// Renders a dial string up to the ';' that returns the modem to command mode.
// T and P switch the dialling method, so "P123,,DT456" pulses 123 and tones 456.
TonePlan renderDialString(std::string_view dial, bool tone) {
    TonePlan plan;
    for (char c : dial) {
        c = upper(c);
        if (c == ';')
            break;
        if (c == 'T') {
            tone = true;
        } else if (c == 'P') {
            tone = false;
        } else if (c == ',') {
            plan.push_back({0, kPauseMs});
        } else if (tone && (isDigit(c) || c == '*' || c == '#')) {
            plan.push_back({c, kToneMs});
            plan.push_back({0, kToneMs});
        } else if (!tone && isDigit(c)) {
            int pulses = c == '0' ? 10 : c - '0';
            plan.push_back({0, pulses * kPulseMs + kInterDigitMs});
        }
        // Anything else (W, @, !, V, spaces, a 'D' before 'T') makes no sound here.
    }
    return plan;
}

// Skips one ordinary command such as E1, &D2, S7=30 and returns the index after it.
std::size_t skipCommand(std::string_view cmds, std::size_t i) {
    char c = cmds[i];
    if (c == '+' || c == '#') {
        // Extended syntax runs up to the next ';'.
        std::size_t end = cmds.find(';', i);
        return end == std::string_view::npos ? cmds.size() : end + 1;
    }
    if (c == '&' || c == '\\' || c == '%')
        ++i;
    ++i; // the command letter
    while (i < cmds.size() && (isDigit(cmds[i]) || cmds[i] == '=' || cmds[i] == '?'))
        ++i;
    return i;
}

} // namespace

TonePlan tonePlanForLine(std::string_view line) {
    if (!startsWithIgnoringCase(line, "AT"))
        return {};
    std::string_view cmds = line.substr(2);
    std::size_t i = 0;
    while (i < cmds.size()) {
        std::string_view rest = cmds.substr(i);
        if (upper(rest[0]) == 'D')
            return renderDialString(rest.substr(1), true);
        if (startsWithIgnoringCase(rest, "#STX="))
            return renderDialString(rest.substr(5), true);
        i = skipCommand(cmds, i);
    }
    return {};
}

int planDurationMs(const TonePlan& plan) {
    int total = 0;
    for (const ToneSegment& s : plan)
        total += s.durationMs;
    return total;
}

} // namespace tonalink::modemsim
