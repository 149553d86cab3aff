#include "core/pagerdata/pager_type_catalog.h"

#include "core/common/cp932.h"
#include "core/common/file_io.h"
#include "core/pagerdata/numbered_list.h"

namespace tonalink {
namespace {

std::vector<TableEntry> readEntries(const ProfileSection& section, const NumberedList& list) {
    std::vector<TableEntry> entries;
    for (std::string& value : readListValues(section, list, PagerTypeCatalog::kMaxEntriesPerList))
        entries.push_back(TableEntry::parse(std::move(value)));
    return entries;
}

} // namespace

PagerType readPagerType(const ProfileSection& section) {
    auto text = [&](const char* key) { return section.readString(key); };
    auto number = [&](const char* key) { return section.readInt(key, 0); };
    PagerType t;
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
    t.FormStyles = readEntries(section, kFormStyleList);
    t.FreeWords = readEntries(section, kFreeWordList);
    t.NumberWords = readEntries(section, kNumberWordList);
    return t;
}

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
    PagerType = readPagerType(file.section(name));
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
