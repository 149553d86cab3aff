#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Code page 932 (Windows-31J) is the byte encoding of every data file and of all
// text the core handles. Conversions refuse what the target cannot hold; only
// toUtf8Lossy, which is for display, puts a substitute character in its place.
namespace tonalink::cp932 {

// True for the first byte of a double-byte character.
constexpr bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Position of the first `c` at or after `from` that is a character of its own,
// never the second byte of a double-byte character: that byte can be any of
// 0x40-0x7E and 0x80-0xFC, '[', '\\', ']', '|' and letters among them. `from`
// must be a character boundary. npos when there is none.
std::size_t findChar(std::string_view s, char c, std::size_t from = 0);
inline bool containsChar(std::string_view s, char c) {
    return findChar(s, c) != std::string_view::npos;
}

// Length of the longest prefix of `bytes` of at most `maxBytes` bytes that does
// not end inside a double-byte character.
std::size_t clampToCharBoundary(std::string_view bytes, std::size_t maxBytes);

struct Failure {
    std::size_t offset; // byte offset in the input of the first unconvertible character
};

// UTF-8 -> CP932. Fails on invalid UTF-8 or a character CP932 cannot hold.
std::optional<std::string> fromUtf8(std::string_view utf8, Failure* failure = nullptr);
// CP932 -> UTF-8. Fails on bytes that are not valid CP932.
std::optional<std::string> toUtf8(std::string_view bytes, Failure* failure = nullptr);

// Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate,
// nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

std::optional<std::string> fromUtf16(std::u16string_view utf16, Failure* failure = nullptr);

// CP932 -> UTF-8 that never fails, for showing damaged text: a byte that starts no
// character, or a double-byte character CP932 does not have, shows as U+FFFD.
std::string toUtf8Lossy(std::string_view bytes);

// Orders texts as if every ASCII letter that starts a character were upper case,
// as Windows compares profile names and file names. The second byte of a
// double-byte character is compared exactly.
int compareIgnoringAsciiCase(std::string_view a, std::string_view b);
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);
// The text with every ASCII letter that starts a character in upper case: two
// texts are equal ignoring ASCII case exactly when these are equal (a key for
// hashing names).
std::string upperAscii(std::string_view text);

} // namespace tonalink::cp932
