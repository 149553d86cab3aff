#include "child_process.h"
#include "core/app/shortcut_document.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using tonalink::test::TempDir;

using namespace tonalink;
namespace fs = std::filesystem;

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

const std::string kTwelveZeros(12, '\0');

ShortcutDocument document(std::string entry, std::string message, int32_t messageMode) {
    ShortcutDocument doc;
    doc.entryName = std::move(entry);
    doc.message = std::move(message);
    auto modes = shortcutModesFromMessageMode(messageMode);
    doc.modeA = modes.modeA;
    doc.modeB = modes.modeB;
    return doc;
}

} // namespace

TEST(ShortcutDocument, SmallestDocumentIsSixteenBytes) {
    ShortcutDocument doc = document("A", "B", 0);
    EXPECT_EQ(storeShortcut(doc), bytes({0x01, 'A', 0x01, 'B'}) + kTwelveZeros);
}

TEST(ShortcutDocument, StoringWritesTheFlagAsZeroThenSetsIt) {
    ShortcutDocument doc = document("A", "", 3);
    doc.applied = 1;
    EXPECT_EQ(storeShortcut(doc),
              bytes({1, 'A', 0, 0, 0, 0, 0, /*flag*/ 0, 0, 0, 0, /*mode B*/ 2, 0, 0, 0}));
    EXPECT_EQ(doc.applied, 1u);
}

struct LengthCase {
    const char* name;
    std::size_t length;
    std::string prefix;
};

class CountedStringLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(CountedStringLength, UsesTheShortestFormAndReadsBack) {
    const auto& param = GetParam();
    ShortcutDocument doc = document("X", std::string(param.length, 'm'), 0);
    std::string stored = storeShortcut(doc);
    EXPECT_EQ(stored,
              bytes({1, 'X'}) + param.prefix + std::string(param.length, 'm') + kTwelveZeros);
    auto loaded = loadShortcut(stored);
    ASSERT_TRUE(loaded.document) << loaded.error;
    EXPECT_EQ(loaded.document->message, doc.message);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CountedStringLength,
    ::testing::Values(LengthCase{"Empty", 0, bytes({0x00})},
                      LengthCase{"OneByteLongest", 254, bytes({0xFE})},
                      LengthCase{"SixteenBitShortest", 255, bytes({0xFF, 0xFF, 0x00})},
                      LengthCase{"ThreeHundred", 300, bytes({0xFF, 0x2C, 0x01})},
                      LengthCase{"SixteenBitLongest", 65533, bytes({0xFF, 0xFD, 0xFF})},
                      LengthCase{"ThirtyTwoBitAtMarker", 65534,
                                 bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
                      LengthCase{"ThirtyTwoBit70000", 70000,
                                 bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})}),
    [](const auto& info) { return std::string(info.param.name); });

struct ModeCase {
    const char* name;
    uint32_t modeA;
    uint32_t modeB;
    int32_t messageMode;
};

class ShortcutModeDecoding : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ShortcutModeDecoding, TestsModeAFirst) {
    EXPECT_EQ(messageModeFromShortcutModes(GetParam().modeA, GetParam().modeB),
              GetParam().messageMode);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShortcutModeDecoding,
    ::testing::Values(ModeCase{"FreeWordsAndPhrases", 0, 0, 0},
                      ModeCase{"DigitsAndPhrases", 1, 0, 1}, ModeCase{"FreeWordsOnly", 0, 1, 2},
                      ModeCase{"Direct", 0, 2, 3}, ModeCase{"ModeAWinsOverModeB", 1, 2, 1},
                      ModeCase{"UnknownModeA", 2, 0, 0}, ModeCase{"UnknownModeB", 0, 7, 0},
                      ModeCase{"UnknownModeAWithDirect", 5, 2, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShortcutDocument, MessageModesSurviveAStoreAndLoad) {
    for (int32_t mode = 0; mode <= 3; ++mode) {
        ShortcutDocument doc = document("entry", "text", mode);
        auto loaded = loadShortcut(storeShortcut(doc));
        ASSERT_TRUE(loaded.document);
        EXPECT_EQ(messageModeFromShortcutModes(loaded.document->modeA, loaded.document->modeB),
                  mode);
    }
    EXPECT_EQ(shortcutModesFromMessageMode(3).modeB, 2u);
    EXPECT_EQ(shortcutModesFromMessageMode(-1).modeA, 0u);
    EXPECT_EQ(shortcutModesFromMessageMode(4).modeB, 0u);
}

TEST(ShortcutDocument, LoadsAllFiveFieldsAndIgnoresTrailingBytes) {
    // "ﾃｽﾄ" in CP932 as the entry name.
    std::string file =
        bytes({3, 0xC3, 0xBD, 0xC4, 2, 'h', 'i', 1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 'x', 'y'});
    auto loaded = loadShortcut(file);
    ASSERT_TRUE(loaded.document) << loaded.error;
    EXPECT_EQ(loaded.document->entryName, "\xC3\xBD\xC4");
    EXPECT_EQ(loaded.document->message, "hi");
    EXPECT_EQ(loaded.document->modeA, 1u);
    EXPECT_EQ(loaded.document->applied, 1u);
    EXPECT_EQ(loaded.document->modeB, 2u);
}

TEST(ShortcutDocument, EveryTruncationIsAnUnexpectedFormat) {
    ShortcutDocument doc = document("entry", std::string(300, 'z'), 2);
    std::string stored = storeShortcut(doc);
    for (std::size_t size = 0; size < stored.size(); ++size) {
        auto loaded = loadShortcut(std::string_view(stored).substr(0, size));
        EXPECT_FALSE(loaded.document) << "cut at " << size;
        EXPECT_EQ(loaded.error, "Unexpected file format.") << "cut at " << size;
    }
    EXPECT_TRUE(loadShortcut(stored).document);
}

struct BadFile {
    const char* name;
    std::string bytes;
};

class MalformedShortcut : public ::testing::TestWithParam<BadFile> {};

TEST_P(MalformedShortcut, IsRefusedWithTheFrameworkMessage) {
    auto loaded = loadShortcut(GetParam().bytes);
    EXPECT_FALSE(loaded.document);
    EXPECT_EQ(loaded.error, "Unexpected file format.");
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedShortcut,
    ::testing::Values(
        BadFile{"Empty", ""}, BadFile{"OneByteLengthBeyondFile", bytes({5, 'a', 'b'})},
        BadFile{"SixteenBitLengthBeyondFile", bytes({0xFF, 0x00, 0x01}) + std::string(200, 'a')},
        // Long enough to hold 0xFFFE bytes and the integers: only the marker is wrong.
        BadFile{"WideCharMarker",
                bytes({1, 'A', 0xFF, 0xFE, 0xFF}) + std::string(0xFFFE + 12, 'a')},
        BadFile{"ThirtyTwoBitAllOnes",
                bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + std::string(16, '\0')},
        BadFile{"ThirtyTwoBitLengthBeyondFile",
                bytes({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00}) + std::string(100, 'a')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShortcutFile, WritesAndReadsBackAFile) {
    TempDir dir;
    std::string path = (dir.path / "msg.tks").string();
    ShortcutDocument doc = document("A", "B", 0);
    ASSERT_TRUE(writeShortcutFile(path, doc));
    EXPECT_EQ(doc.applied, 1u);
    std::ifstream in(path, std::ios::binary);
    std::string onDisk((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(onDisk, bytes({0x01, 'A', 0x01, 'B'}) + kTwelveZeros);
    auto loaded = readShortcutFile(path);
    ASSERT_TRUE(loaded.document) << loaded.error;
    EXPECT_EQ(loaded.document->entryName, "A");
    EXPECT_EQ(loaded.document->applied, 0u);
}

TEST(ShortcutFile, EmptyOversizedAndMissingFilesAreRefused) {
    TempDir dir;
    std::string empty = (dir.path / "empty.tks").string();
    std::ofstream(empty).close();
    EXPECT_EQ(readShortcutFile(empty).error, "Unexpected file format.");

    std::string big = (dir.path / "big.tks").string();
    fs::resize_file((std::ofstream(big).close(), big), kMaxShortcutFileBytes + 1);
    auto loadedBig = readShortcutFile(big);
    EXPECT_FALSE(loadedBig.document);
    EXPECT_EQ(loadedBig.error, "Unexpected file format.");

    auto missing = readShortcutFile((dir.path / "missing.tks").string());
    EXPECT_FALSE(missing.document);
    EXPECT_NE(missing.error.find("missing.tks"), std::string::npos);
}
