#include "core/common/cp932.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace tonalink::cp932 {
namespace {

// One conversion over iconv; reports the input offset of the first character
// that cannot be converted (EILSEQ) or is cut off (EINVAL).
std::optional<std::string> convert(const char* to, const char* from, const char* in,
                                   std::size_t inLen, Failure* failure) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        if (failure)
            failure->offset = 0;
        return std::nullopt;
    }
    std::string out;
    std::vector<char> buffer(4096);
    char* inPtr = const_cast<char*>(in);
    std::size_t inLeft = inLen;
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
        // glibc counts irreversible conversions in rc; CP932 maps a few characters
        // one way by design (the fallbacks), which is wanted here.
    }
    if (ok) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
    }
    iconv_close(cd);
    if (!ok) {
        if (failure)
            failure->offset = static_cast<std::size_t>(inPtr - in);
        return std::nullopt;
    }
    return out;
}

} // namespace

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
    return convert("CP932", "UTF-8", utf8.data(), utf8.size(), failure);
}

std::optional<std::string> toUtf8(std::string_view bytes, Failure* failure) {
    return convert("UTF-8", "CP932", bytes.data(), bytes.size(), failure);
}

std::optional<std::string> fromUtf16(std::u16string_view utf16, Failure* failure) {
    auto result = convert("CP932", "UTF-16LE", reinterpret_cast<const char*>(utf16.data()),
                          utf16.size() * sizeof(char16_t), failure);
    if (!result && failure)
        failure->offset /= sizeof(char16_t);
    return result;
}

std::optional<std::u16string> toUtf16(std::string_view bytes, Failure* failure) {
    auto raw = convert("UTF-16LE", "CP932", bytes.data(), bytes.size(), failure);
    if (!raw)
        return std::nullopt;
    std::u16string out(raw->size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>((*raw)[2 * i]) |
                                       (static_cast<unsigned char>((*raw)[2 * i + 1]) << 8));
    return out;
}

} // namespace tonalink::cp932
