#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The five kinds of command line written to the modem. Every line ends in CR LF
// and is exactly one line: values taken from settings, data files or the phone
// book lose any CR, LF and NUL bytes, and values placed inside a dial string also
// lose ';', which would return the modem to command mode and let the rest of the
// value run as commands.
namespace tonalink {

// Settings that shape the dial and code lines.
struct DialLineOptions {
    int32_t PhoneType = 0;   // 0 = pulse ("ATDP"), else tone ("ATDT")
    int32_t CKExtension = 0; // 1 = put Extension in front of the number
    std::string Extension;
    int32_t ModemSw = 0;  // 1 = non-split: the codes travel in the dial line
    int32_t KeitaiSw = 0; // 1 = mobile-phone modem: "V" after the number, "AT#STX=" for codes
};

// `text` without CR, LF and NUL.
std::string withoutLineBreaks(std::string_view text);
// `text` without CR, LF, NUL and ';': safe inside a dial string.
std::string dialStringValue(std::string_view text);

std::string resetLine();
// The user's extra command as typed plus CR LF; empty when there is nothing to write.
std::string extCommandLine(std::string_view ExtCommand);
// `codes` is used only in non-split mode (ModemSw 1). WaitTime in seconds; the
// pause before the codes is 1 + WaitTime / 2 commas, at most 129.
std::string dialLine(const DialLineOptions& options, int32_t WaitTime, std::string_view number,
                     std::string_view codes);
// Never "ATDP": the codes always go out as tones.
std::string codeLine(int32_t KeitaiSw, std::string_view codes);
std::string hangUpLine();

// What a written line asks of the modem, by its text: the reset and hang-up lines
// as written above, a dial or code line ("ATD...", "AT#STX="), or anything else
// (the user's extra command).
enum class CommandKind { Reset, HangUp, Call, Other };
CommandKind commandKind(std::string_view line);

// Seconds the line is held after a code line: DefaultOffTime + CutTime, kept
// within the int32_t range.
int32_t holdTime(int32_t DefaultOffTime, int32_t CutTime);

} // namespace tonalink
