#include "core/pagerdata/phone_book.h"

#include "core/common/file_io.h"
#include "core/pagerdata/numbered_list.h"

#include <unordered_map>

namespace tonalink {

PhoneBook::PhoneBook(std::string dataDir) : dataDir_(std::move(dataDir)) {}

bool PhoneBook::LocatePhoneBook() {
    auto found = findFileIgnoringCase(dataDir_, kFileName);
    if (!found)
        return false;
    PbFilePath = *found;
    return true;
}

int PhoneBook::ListPhoneBook() {
    if (!LocatePhoneBook()) {
        lastError_ = ProfileError::Missing;
        return -1;
    }
    // A file gone since it was found reads as empty.
    const auto file = ProfileFile::loadAbsentAsEmpty(PbFilePath, &lastError_);
    if (!file)
        return -1;
    PhoneBookNames = file->sectionNames();
    return 0;
}

std::vector<std::string> PhoneBook::ReadEntryNames() const {
    return ProfileFile::loadOrEmpty(PbFilePath).sectionNames();
}

PhoneBookEntry PhoneBook::ReadPhoneBookEntry(const std::string& name) const {
    return readPhoneBookEntry(ProfileFile::loadOrEmpty(PbFilePath), name);
}

namespace {

PhoneBookEntry entryOf(std::string name, const ProfileSection& section) {
    PhoneBookEntry entry;
    entry.Name = std::move(name);
    entry.PbType = section.readString("PbType");
    entry.PbCallNo = section.readString("PbCallNo");
    entry.PhsCallNo = section.readString("PhsCallNo");
    entry.PbPassWord = section.readString("PbPassWord");
    entry.MsgGroup = section.readInt("MsgGroup", 0);
    entry.UserPhrases = readListValues(section, kUserPhraseList, PhoneBook::kMaxUserPhrases);
    return entry;
}

} // namespace

PhoneBookEntry readPhoneBookEntry(const ProfileFile& file, const std::string& name) {
    return entryOf(name, file.section(name));
}

PhoneBookEntry phoneBookEntryAt(const ProfileFile& file, std::size_t index) {
    return entryOf(std::string(file.sectionNameAt(index)), file.sectionAt(index));
}

std::vector<int32_t> PhoneBook::ReadMsgGroups(int32_t fallback) const {
    const ProfileFile file = ProfileFile::loadOrEmpty(PbFilePath);
    std::unordered_map<std::size_t, int32_t> groupOfSection;
    std::vector<int32_t> groups;
    groups.reserve(PhoneBookNames.size());
    for (const std::string& name : PhoneBookNames) {
        const std::optional<std::size_t> index = file.sectionIndex(name);
        if (!index) {
            groups.push_back(fallback);
            continue;
        }
        auto [it, fresh] = groupOfSection.try_emplace(*index, fallback);
        if (fresh)
            it->second = file.sectionAt(*index).readInt("MsgGroup", fallback);
        groups.push_back(it->second);
    }
    return groups;
}

} // namespace tonalink
