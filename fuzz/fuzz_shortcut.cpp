// Shortcut files: the file and memory readings agree, a document read stores
// back to bytes that read as the same document, and the message mode survives
// the two stored integers.
#include "core/app/shortcut_document.h"
#include "fuzz_support.h"

namespace {

using namespace tonalink;

bool sameDocument(const ShortcutDocument& a, const ShortcutDocument& b) {
    return a.entryName == b.entryName && a.message == b.message && a.modeA == b.modeA &&
           a.modeB == b.modeB && a.applied == b.applied;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ShortcutLoadResult loaded = loadShortcut(bytes);
    const ShortcutLoadResult fromFile = readShortcutFile(fuzz::scratchFile("doc.tks", bytes));
    FUZZ_CHECK(loaded.error == fromFile.error);
    FUZZ_CHECK(loaded.document.has_value() == fromFile.document.has_value());
    if (!loaded.document) {
        FUZZ_CHECK(loaded.error == kUnexpectedFileFormat);
        return 0;
    }
    FUZZ_CHECK(sameDocument(*loaded.document, *fromFile.document));
    const ShortcutDocument& doc = *loaded.document;
    FUZZ_CHECK(doc.entryName.size() + doc.message.size() + 14 <= size);

    ShortcutDocument copy = doc;
    const std::string stored = storeShortcut(copy);
    FUZZ_CHECK(copy.applied == 1);
    const ShortcutLoadResult again = loadShortcut(stored);
    FUZZ_CHECK(again.document.has_value());
    ShortcutDocument expected = doc;
    expected.applied = 0;
    FUZZ_CHECK(sameDocument(*again.document, expected));

    const int32_t mode = messageModeFromShortcutModes(doc.modeA, doc.modeB);
    FUZZ_CHECK(mode >= 0 && mode <= 3);
    const ShortcutModes modes = shortcutModesFromMessageMode(mode);
    FUZZ_CHECK(messageModeFromShortcutModes(modes.modeA, modes.modeB) == mode);
    return 0;
}
