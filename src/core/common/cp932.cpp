#include "core/common/cp932.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <vector>

namespace tonalink::cp932 {
namespace {

// One iconv conversion descriptor, closed with the object.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (ok())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const {
        // iconv_open fails with (iconv_t)-1.
        return m_cd != reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)
    }

    // Appends the conversion of `in` to `out` up to the first character that
    // cannot be converted (EILSEQ) or is cut off (EINVAL); returns how many bytes
    // of `in` it converted.
    std::size_t run(std::string_view in, std::string& out) {
        if (!ok())
            return 0;
        std::vector<char> buffer(4096);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        while (inLeft > 0) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            std::size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer.data(), buffer.size() - outLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG)
                return in.size() - inLeft;
            // glibc counts irreversible conversions in rc; CP932 maps a few characters
            // one way by design (the fallbacks), which is wanted here.
        }
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        iconv(m_cd, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        return in.size();
    }

private:
    iconv_t m_cd;
};

// One whole conversion; reports the input offset of the first character that
// cannot be converted.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   Failure* failure) {
    Converter converter(to, from);
    std::string out;
    const std::size_t done = converter.run(in, out);
    if (converter.ok() && done == in.size())
        return out;
    if (failure)
        failure->offset = done;
    return std::nullopt;
}

// To CP932, refusing at `tag` too: glibc's iconv drops the Unicode tag characters
// (U+E0000-U+E007F) without a word, and CP932 has none of them.
std::optional<std::string> toCp932(const char* from, std::string_view in, std::size_t tag,
                                   Failure* failure) {
    auto out = convert("CP932", from, in.substr(0, tag), failure);
    if (!out || tag >= in.size())
        return out;
    if (failure)
        failure->offset = tag;
    return std::nullopt;
}

unsigned char foldAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

} // namespace

std::size_t findChar(std::string_view s, char c, std::size_t from) {
    for (std::size_t i = from; i < s.size();
         i += isLeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1) {
        if (s[i] == c)
            return i;
    }
    return std::string_view::npos;
}

std::size_t clampToCharBoundary(std::string_view bytes, std::size_t maxBytes) {
    if (bytes.size() <= maxBytes)
        return bytes.size();
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t width = isLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
        if (i + width > maxBytes)
            break;
        i += width;
    }
    return i;
}

std::optional<std::string> fromUtf8(std::string_view utf8, Failure* failure) {
    // F3 A0 80-81: the lead of a tag character, never a continuation.
    const std::size_t tag = std::min(utf8.find("\xF3\xA0\x80"), utf8.find("\xF3\xA0\x81"));
    return toCp932("UTF-8", utf8, tag, failure);
}

std::optional<std::string> toUtf8(std::string_view bytes, Failure* failure) {
    return convert("UTF-8", "CP932", bytes, failure);
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t more = 0;
        uint32_t code = 0;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
            code = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            code = b & 0x0Fu;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            code = b & 0x07u;
        } else {
            return false;
        }
        if (bytes.size() - i <= more)
            return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0u) != 0x80u)
                return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        const uint32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (code < least[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

std::optional<std::string> fromUtf16(std::u16string_view utf16, Failure* failure) {
    std::size_t tag = utf16.size();
    for (std::size_t i = 0; i + 1 < utf16.size() && tag == utf16.size(); ++i)
        if (utf16[i] == 0xDB40 && (utf16[i + 1] & 0xFF80) == 0xDC00)
            tag = i;
    auto result = toCp932(
        "UTF-16LE", {reinterpret_cast<const char*>(utf16.data()), utf16.size() * sizeof(char16_t)},
        tag * sizeof(char16_t), failure);
    if (!result && failure)
        failure->offset /= sizeof(char16_t);
    return result;
}

std::string toUtf8Lossy(std::string_view bytes) {
    Converter converter("UTF-8", "CP932");
    std::string out;
    while (!bytes.empty()) {
        const std::size_t done = converter.run(bytes, out);
        if (done == bytes.size())
            break;
        out += "\xEF\xBF\xBD";
        // An ASCII second byte stays a character of its own, so a damaged
        // character never hides the letter or line break after it.
        const bool pair = isLeadByte(static_cast<unsigned char>(bytes[done])) &&
                          done + 1 < bytes.size() &&
                          static_cast<unsigned char>(bytes[done + 1]) >= 0x80;
        bytes.remove_prefix(done + (pair ? 2 : 1));
    }
    return out;
}

// Letters are never lead bytes, so folding keeps the character boundaries and two
// texts that compare equal have the same boundaries.
int compareIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    bool trail = false;
    for (std::size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (!trail) {
            x = foldAscii(x);
            y = foldAscii(y);
        }
        if (x != y)
            return x < y ? -1 : 1;
        trail = !trail && isLeadByte(x);
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareIgnoringAsciiCase(a, b) == 0;
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (isLeadByte(c))
            ++i;
        else
            out[i] = static_cast<char>(foldAscii(c));
    }
    return out;
}

} // namespace tonalink::cp932
