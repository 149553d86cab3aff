#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The UI's edge between Qt's UTF-16 and the CP932 bytes the program works on.
namespace tonalink {

// Fails when a character cannot be held by CP932: such text cannot be sent.
std::optional<std::string> toCp932(const QString& text);
// For text that must come back as it was, such as a file's path: fails also for a
// character that would come back as another (〜, ¥ and − read back as ～, \ and －).
std::optional<std::string> toCp932Exactly(const QString& text);
// For display: bytes that are not CP932 (a damaged data file) show as U+FFFD.
QString fromCp932(std::string_view bytes);

// A multi-line edit's text as the program keeps it: lines end in CR LF.
QString withCrLf(const QString& editText);
// Text to put into a multi-line edit: CR LF and lone CR become line feeds.
QString withLf(const QString& text);

} // namespace tonalink
