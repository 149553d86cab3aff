#pragma once

#include "core/common/file_io.h"
#include "core/pagerdata/profile_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace tonalink {

// A data file (maddress.dat, call.dat) as an editor holds it: every edit goes
// at once into a working copy, so untouched bytes stay as they were; saving
// replaces the file atomically. Before saving the editor can learn whether
// someone else changed the file since it was read, so that the last save does
// not silently wipe the other's work.
class EditedProfile {
public:
    // `fileName` in `dir` (empty: the current folder) whatever the case of its
    // name; a file that is not there is an empty one, created on saving.
    static std::optional<EditedProfile> open(const std::string& dir, std::string_view fileName,
                                             ProfileError* error);

    const std::string& path() const { return path_; }
    const ProfileFile& file() const { return file_; }
    ProfileFile& file() { return file_; }
    bool modified() const { return file_.bytes() != saved_; }

    // The file on disk is no longer what was read or last saved (or cannot be read).
    bool changedOnDisk() const;
    // The file as it is now; the working copy is dropped. Unchanged when refused.
    ProfileError reload();
    ProfileError save(std::string* detail = nullptr);

private:
    EditedProfile(std::string path, ProfileFile file, FileStamp stamp);
    static std::optional<ProfileFile> read(const std::string& path, FileStamp& stamp,
                                           ProfileError* error);

    std::string path_;
    std::string saved_;
    ProfileFile file_;
    FileStamp stamp_;
};

} // namespace tonalink
