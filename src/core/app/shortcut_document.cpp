#include "core/app/shortcut_document.h"

#include "core/common/file_io.h"

#include <filesystem>

namespace tonalink {
namespace {

// Counted-string length forms: one byte, 0xFF + 16 bits, 0xFF 0xFFFF + 32 bits.
constexpr uint8_t kWideLength = 0xFF;
constexpr uint16_t kLongLength = 0xFFFF;
// A 16-bit 0xFFFE announces a wide-character string, which this program never writes.
constexpr uint16_t kWideCharMarker = 0xFFFE;

void putLittleEndian(std::string& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void putCountedString(std::string& out, std::string_view text) {
    std::size_t length = text.size();
    if (length < kWideLength) {
        putLittleEndian(out, length, 1);
    } else if (length < kWideCharMarker) {
        putLittleEndian(out, kWideLength, 1);
        putLittleEndian(out, length, 2);
    } else {
        putLittleEndian(out, kWideLength, 1);
        putLittleEndian(out, kLongLength, 2);
        putLittleEndian(out, length, 4);
    }
    out.append(text);
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : m_rest(bytes) {}

    std::optional<uint32_t> number(std::size_t bytes) {
        if (m_rest.size() < bytes)
            return std::nullopt;
        uint32_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i)
            value |= static_cast<uint32_t>(static_cast<unsigned char>(m_rest[i])) << (8 * i);
        m_rest.remove_prefix(bytes);
        return value;
    }

    std::optional<std::string> countedString() {
        auto length = number(1);
        if (length == kWideLength)
            length = number(2);
        if (length == kWideCharMarker)
            return std::nullopt;
        if (length == kLongLength)
            length = number(4);
        // Checked against what is left before anything is allocated.
        if (!length || *length > m_rest.size())
            return std::nullopt;
        std::string text(m_rest.substr(0, *length));
        m_rest.remove_prefix(*length);
        return text;
    }

private:
    std::string_view m_rest;
};

ShortcutLoadResult formatError() {
    return {std::nullopt, std::string(kUnexpectedFileFormat)};
}

} // namespace

ShortcutModes shortcutModesFromMessageMode(int32_t messageMode) {
    switch (messageMode) {
    case 1:
        return {1, 0};
    case 2:
        return {0, 1};
    case 3:
        return {0, 2};
    default:
        return {0, 0};
    }
}

int32_t messageModeFromShortcutModes(uint32_t modeA, uint32_t modeB) {
    if (modeA == 1)
        return 1;
    if (modeB == 1)
        return 2;
    if (modeB == 2)
        return 3;
    return 0;
}

std::string storeShortcut(ShortcutDocument& doc) {
    doc.applied = 0;
    std::string out;
    putCountedString(out, doc.entryName);
    putCountedString(out, doc.message);
    putLittleEndian(out, doc.modeA, 4);
    putLittleEndian(out, doc.applied, 4);
    putLittleEndian(out, doc.modeB, 4);
    doc.applied = 1;
    return out;
}

ShortcutLoadResult loadShortcut(std::string_view bytes) {
    Reader reader(bytes);
    ShortcutDocument doc;
    auto entryName = reader.countedString();
    auto message = entryName ? reader.countedString() : std::nullopt;
    auto modeA = message ? reader.number(4) : std::nullopt;
    auto applied = modeA ? reader.number(4) : std::nullopt;
    auto modeB = applied ? reader.number(4) : std::nullopt;
    if (!modeB)
        return formatError();
    doc.entryName = std::move(*entryName);
    doc.message = std::move(*message);
    doc.modeA = *modeA;
    doc.applied = *applied;
    doc.modeB = *modeB;
    return {std::move(doc), {}};
}

ShortcutLoadResult readShortcutFile(const std::string& path) {
    std::error_code ec;
    auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxShortcutFileBytes)
        return formatError();
    std::string error;
    auto bytes = readFileBounded(path, kMaxShortcutFileBytes, &error);
    if (!bytes)
        return {std::nullopt, error};
    return loadShortcut(*bytes);
}

bool writeShortcutFile(const std::string& path, ShortcutDocument& doc, std::string* error) {
    return writeFileAtomically(path, storeShortcut(doc), error);
}

} // namespace tonalink
