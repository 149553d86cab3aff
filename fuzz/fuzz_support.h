#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

// What every fuzz target shares: an input cut into the values a target needs, and
// a check that stops the run on a broken invariant, under libFuzzer and in the
// replay test alike.

// Prints the broken invariant and aborts, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::tonalink::fuzz::fail(__FILE__, __LINE__, #condition);                                \
    } while (false)

namespace tonalink::fuzz {

[[noreturn]] inline void fail(const char* file, int line, const char* condition) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

// Values cut from the front of the input: a byte, or a text of up to 255 bytes
// after its length byte. Past the end every value is zero or empty, so every
// input is a valid one.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size) {}

    uint8_t byte() {
        if (m_rest.empty())
            return 0;
        const auto b = static_cast<uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return b;
    }
    // Four bytes, little-endian.
    uint32_t number() {
        uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n |= uint32_t{byte()} << (8 * i);
        return n;
    }
    std::string text() {
        const std::size_t wanted = byte();
        const std::size_t length = std::min(wanted, m_rest.size());
        std::string t(m_rest.substr(0, length));
        m_rest.remove_prefix(length);
        return t;
    }
    // The next stretch (a length byte and that many bytes) as an input of its own.
    FuzzInput sub() {
        const std::size_t wanted = byte();
        const std::size_t length = std::min(wanted, m_rest.size());
        FuzzInput part(m_rest.substr(0, length));
        m_rest.remove_prefix(length);
        return part;
    }
    // Everything not yet taken.
    std::string rest() {
        std::string r(m_rest);
        m_rest = {};
        return r;
    }
    bool empty() const { return m_rest.empty(); }

private:
    explicit FuzzInput(std::string_view rest) : m_rest(rest) {}

    std::string_view m_rest;
};

// The code points of a valid UTF-8 text; nullopt when it is not valid UTF-8.
std::optional<std::u32string> decodeUtf8(std::string_view s);

// A folder of this process's own for targets that go through files; removed
// when the process ends.
const std::string& scratchFolder();
// An empty folder `name` in the scratch folder; returns its path.
std::string emptyScratchFolder(const std::string& name);
// Writes `bytes` to `name` in the scratch folder and returns its path.
std::string scratchFile(const std::string& name, std::string_view bytes);

} // namespace tonalink::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);
