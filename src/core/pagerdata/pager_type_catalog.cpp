#include "core/pagerdata/pager_type_catalog.h"

#include "core/common/cp932.h"
#include "core/common/file_io.h"

#include <algorithm>
#include <cstdio>

namespace tonalink {
namespace {

std::string numberedKey(const char* format, int32_t index) {
    char key[32];
    std::snprintf(key, sizeof key, format, index);
    return key;
}

int32_t boundedCount(const ProfileSection& section, const char* key) {
    return std::clamp(section.readInt(key, 0), 0, PagerTypeCatalog::kMaxEntriesPerList);
}

// An Fe or Nu entry whose code is two digits may end in a blank, which the file
// would lose: such entries are written with a ':' after the blank, dropped here.
// The last whole character goes, so a stray double-byte tail is never split.
std::string dropGuardCharacter(std::string value) {
    if (value.size() >= 6 && value[5] == ':')
        value.resize(cp932::clampToCharBoundary(value, value.size() - 1));
    return value;
}

std::vector<TableEntry> readEntries(const ProfileSection& section, const char* countKey,
                                    const char* keyFormat, bool guarded) {
    const int32_t count = boundedCount(section, countKey);
    std::vector<TableEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        std::string value = section.readString(numberedKey(keyFormat, i));
        entries.push_back(
            TableEntry::parse(guarded ? dropGuardCharacter(std::move(value)) : std::move(value)));
    }
    return entries;
}

} // namespace

PagerTypeCatalog::PagerTypeCatalog(std::string dataDir) : dataDir_(std::move(dataDir)) {}

int PagerTypeCatalog::ListPagerTypes(bool keepPath) {
    auto found = findFileIgnoringCase(dataDir_, kFileName);
    if (!found) {
        lastError_ = ProfileError::Missing;
        return -1;
    }
    if (!keepPath || CallDatPath.empty())
        CallDatPath = *found;
    // A file gone since it was found reads as empty.
    const auto file = ProfileFile::loadAbsentAsEmpty(CallDatPath, &lastError_);
    if (!file)
        return -1;
    PagerTypeNames = file->sectionNames();
    return 0;
}

void PagerTypeCatalog::ClearPagerType() {
    PagerType.FreeStartCmd.clear();
    PagerType.FreeEndCmd.clear();
    PagerType.FormStartCmd.clear();
    PagerType.FormEndCmd.clear();
    PagerType.FreeToSuzi.clear();
    PagerType.MsgJoinFrontCmd.clear();
    PagerType.MsgJoinAfterCmd.clear();
    PagerType.FormStyles.clear();
    PagerType.FreeWords.clear();
    PagerType.NumberWords.clear();
}

void PagerTypeCatalog::LoadPagerType(const std::string& name) {
    PagerTypeName = name;
    ClearPagerType();
    PagerType.MsgCount = 0;
    lastError_ = ProfileError::None;
    const ProfileFile file = (name.empty() || CallDatPath.empty())
                                 ? ProfileFile()
                                 : ProfileFile::loadOrEmpty(CallDatPath, &lastError_);
    const ProfileSection section = file.section(name);
    auto text = [&](const char* key) { return section.readString(key); };
    auto number = [&](const char* key) { return section.readInt(key, 0); };
    tonalink::PagerType& t = PagerType;
    t.FreeStartCmd = text("FreeStartCmd");
    t.FreeEndCmd = text("FreeEndCmd");
    t.FormStartCmd = text("FormStartCmd");
    t.FormEndCmd = text("FormEndCmd");
    t.MsgEndCmd = text("MsgEndCmd");
    t.MsgCount = number("MsgCount");
    t.AsCount = number("AsCount");
    t.FreeToSuzi = text("FreeToSuzi");
    t.FormContSw = number("FormContSw");
    t.FormContStartCmd = text("FormContStartCmd");
    t.MsgJoinSw = number("MsgJoinSw");
    t.MsgJoinFrontCmd = text("MsgJoinFrontCmd");
    t.MsgJoinAfterCmd = text("MsgJoinAfterCmd");
    t.WaitTime = number("WaitTime");
    t.CutTime = number("CutTime");
    t.MsgCancelCmd = text("MsgCancelCmd");
    t.PassWordSw = number("PassWordSw");
    t.PbOrPhsSw = number("PbOrPhsSw");
    t.PhsCallEnd = number("PhsCallEnd");
    t.FormStyles = readEntries(section, "FormStyleCnt", "Fm%.3d", false);
    t.FreeWords = readEntries(section, "FreeWordCnt", "Fe%.3d", true);
    t.NumberWords = readEntries(section, "NumberWordCnt", "Nu%.3d", true);
}

void PagerTypeCatalog::AppendFormStyles(const std::vector<std::string>& phrases) {
    for (const std::string& phrase : phrases)
        PagerType.FormStyles.push_back(TableEntry::parse(phrase));
}

int PagerTypeCatalog::WriteWaitAndCutTime() {
    lastError_ = ProfileError::None;
    if (PagerTypeName.empty())
        return 0;
    if (CallDatPath.empty()) {
        lastError_ = ProfileError::Missing;
        return -1;
    }
    lastError_ = writeProfileStrings(CallDatPath, PagerTypeName,
                                     {{"WaitTime", std::to_string(PagerType.WaitTime)},
                                      {"CutTime", std::to_string(PagerType.CutTime)}});
    return lastError_ == ProfileError::None ? 0 : -1;
}

std::optional<std::size_t> PagerTypeCatalog::FindPagerTypeName(std::string_view name) const {
    for (std::size_t i = 0; i < PagerTypeNames.size(); ++i) {
        if (cp932::equalIgnoringAsciiCase(PagerTypeNames[i], name))
            return i;
    }
    return std::nullopt;
}

} // namespace tonalink
