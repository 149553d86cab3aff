// The CP932 codec: the input read as CP932 and as UTF-8. Conversions that succeed
// round-trip (up to CP932's duplicate codes and its one-way fallbacks), a failure
// names the first character that cannot be converted, the lossy decoder keeps
// every line break, and the case-blind comparison orders as its folding says.
#include "core/common/cp932.h"
#include "fuzz_support.h"
#include "profile_reference.h"

#include <array>
#include <utility>

namespace {

using namespace tonalink;
using fuzz::decodeUtf8;

std::u16string utf16Of(const std::u32string& text) {
    std::u16string out;
    for (char32_t c : text) {
        if (c < 0x10000) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

// Characters CP932 takes in but gives back as another one.
constexpr std::array<std::pair<char32_t, char32_t>, 9> kOneWay = {{{0x00A2, 0xFFE0},
                                                                   {0x00A3, 0xFFE1},
                                                                   {0x00A5, 0x005C},
                                                                   {0x00AC, 0xFFE2},
                                                                   {0x2014, 0x2015},
                                                                   {0x2016, 0x2225},
                                                                   {0x203E, 0x007E},
                                                                   {0x2212, 0xFF0D},
                                                                   {0x301C, 0xFF5E}}};

std::u32string afterRoundTrip(std::u32string text) {
    for (char32_t& c : text)
        for (auto [from, to] : kOneWay)
            if (c == from)
                c = to;
    return text;
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

void checkAsCp932(std::string_view bytes, std::size_t cut) {
    cp932::Failure failure{};
    const auto utf8 = cp932::toUtf8(bytes, &failure);
    const std::string lossy = cp932::toUtf8Lossy(bytes);
    FUZZ_CHECK(decodeUtf8(lossy).has_value());
    FUZZ_CHECK(std::count(lossy.begin(), lossy.end(), '\n') ==
               std::count(bytes.begin(), bytes.end(), '\n'));
    const std::size_t clamped = cp932::clampToCharBoundary(bytes, cut);
    FUZZ_CHECK(clamped <= std::min(cut, bytes.size()));
    FUZZ_CHECK(clamped + 1 >= std::min(cut, bytes.size()));
    if (!utf8) {
        FUZZ_CHECK(failure.offset < bytes.size());
        FUZZ_CHECK(cp932::toUtf8(bytes.substr(0, failure.offset)).has_value());
        return;
    }
    FUZZ_CHECK(lossy == *utf8);
    FUZZ_CHECK(cp932::toUtf8(bytes.substr(0, clamped)).has_value());
    const auto back = cp932::fromUtf8(*utf8);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(back->size() == bytes.size()); // duplicate codes are all two bytes
    FUZZ_CHECK(cp932::toUtf8(*back) == utf8);
}

void checkAsUtf8(std::string_view text) {
    const auto points = decodeUtf8(text);
    cp932::Failure failure{};
    const auto bytes = cp932::fromUtf8(text, &failure);
    if (!points) {
        FUZZ_CHECK(!bytes.has_value());
        return;
    }
    cp932::Failure wideFailure{};
    const auto fromWide = cp932::fromUtf16(utf16Of(*points), &wideFailure);
    FUZZ_CHECK(fromWide == bytes);
    if (!bytes) {
        FUZZ_CHECK(failure.offset < text.size());
        FUZZ_CHECK(cp932::fromUtf8(text.substr(0, failure.offset)).has_value());
        return;
    }
    const auto again = cp932::toUtf8(*bytes);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(decodeUtf8(*again) == afterRoundTrip(*points));
}

void checkComparison(std::string_view a, std::string_view b) {
    const int ab = cp932::compareIgnoringAsciiCase(a, b);
    FUZZ_CHECK(sign(ab) == -sign(cp932::compareIgnoringAsciiCase(b, a)));
    FUZZ_CHECK(cp932::compareIgnoringAsciiCase(a, a) == 0);
    FUZZ_CHECK(sign(ab) == sign(fuzz::foldName(a).compare(fuzz::foldName(b))));
    FUZZ_CHECK(cp932::equalIgnoringAsciiCase(a, b) == (ab == 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkAsCp932(bytes, size > 0 ? data[0] : 0);
    checkAsUtf8(bytes);
    const std::size_t half = size / 2;
    checkComparison(bytes.substr(0, half), bytes.substr(half));
    return 0;
}
