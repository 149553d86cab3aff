#pragma once

#include "core/pagerdata/profile_file.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tonalink {

// The values of one callee section of maddress.dat.
struct PhoneBookEntry {
    std::string Name; // the section name
    std::string PbType;
    std::string PbCallNo;
    std::string PhsCallNo;
    std::string PbPassWord;
    int32_t MsgGroup = 0; // as written; only 1 to 4 name a broadcast group
    std::vector<std::string> UserPhrases;

    bool operator==(const PhoneBookEntry&) const = default;
};

// The phone book maddress.dat: where it is, the names of its callees and the
// entry applied to the form. The program only reads the file. Failures are
// returned as values; the form decides what to show.
class PhoneBook {
public:
    // UserSetFormCnt larger than this is cut to it, negative reads as 0.
    static constexpr int32_t kMaxUserPhrases = 10000;
    static constexpr const char* kFileName = "maddress.dat";

    // dataDir: the folder searched for maddress.dat; empty means the current directory.
    explicit PhoneBook(std::string dataDir = {});

    // Finds maddress.dat whatever the case of its name and sets PbFilePath to it;
    // false when there is none (PbFilePath unchanged).
    bool LocatePhoneBook();
    // 0 when located and PhoneBookNames now holds its section names in file order;
    // -1 when missing or unreadable (lastError()), PhoneBookNames unchanged.
    int ListPhoneBook();
    // The section names of PbFilePath in file order, for the picker; empty when the
    // file cannot be read.
    std::vector<std::string> ReadEntryNames() const;
    // One entry from PbFilePath; a missing file, section or key gives the defaults.
    PhoneBookEntry ReadPhoneBookEntry(const std::string& name) const;
    // MsgGroup of every name in PhoneBookNames, in that order, read in one pass
    // over the file: a section that many names reach is read once. fallback for
    // a missing key.
    std::vector<int32_t> ReadMsgGroups(int32_t fallback) const;

    ProfileError lastError() const { return lastError_; }

    std::string PbFilePath;
    std::string PbEntryName;
    int32_t PbLastIndex = 0;
    std::vector<std::string> PhoneBookNames;

private:
    std::string dataDir_;
    ProfileError lastError_ = ProfileError::None;
};

// One entry of a loaded phone book; a missing section or key gives the defaults.
PhoneBookEntry readPhoneBookEntry(const ProfileFile& file, const std::string& name);
// The section at `index` of the file (ProfileFile::sectionAt), the second of two
// equal names included.
PhoneBookEntry phoneBookEntryAt(const ProfileFile& file, std::size_t index);

} // namespace tonalink
