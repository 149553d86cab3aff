#include "core/pagerdata/edited_profile.h"

#include <filesystem>

namespace tonalink {

EditedProfile::EditedProfile(std::string path, ProfileFile file, FileStamp stamp)
    : path_(std::move(path)), saved_(file.bytes()), file_(std::move(file)), stamp_(stamp) {}

std::optional<ProfileFile> EditedProfile::read(const std::string& path, FileStamp& stamp,
                                               ProfileError* error) {
    ProfileError why = ProfileError::None;
    std::optional<ProfileFile> file = ProfileFile::load(path, &why);
    if (file) {
        stamp = stampOfBytes(file->bytes());
    } else if (why == ProfileError::Missing) {
        file = ProfileFile();
        stamp = FileStamp{};
        why = ProfileError::None;
    }
    if (error)
        *error = why;
    return file;
}

std::optional<EditedProfile> EditedProfile::open(const std::string& dir, std::string_view fileName,
                                                 ProfileError* error) {
    const auto found = findFileIgnoringCase(dir, fileName);
    std::string path =
        found ? *found
              : (std::filesystem::path(dir.empty() ? "." : dir) / std::string(fileName)).string();
    FileStamp stamp;
    auto file = read(path, stamp, error);
    if (!file)
        return std::nullopt;
    return EditedProfile(std::move(path), std::move(*file), stamp);
}

bool EditedProfile::changedOnDisk() const {
    return stampOfFile(path_, ProfileFile::kMaxFileBytes) != stamp_;
}

ProfileError EditedProfile::reload() {
    ProfileError error = ProfileError::None;
    FileStamp stamp;
    auto file = read(path_, stamp, &error);
    if (!file)
        return error;
    file_ = std::move(*file);
    saved_ = file_.bytes();
    stamp_ = stamp;
    return ProfileError::None;
}

ProfileError EditedProfile::save(std::string* detail) {
    const ProfileError e = file_.save(path_, detail);
    if (e == ProfileError::None) {
        saved_ = file_.bytes();
        stamp_ = stampOfBytes(saved_);
    }
    return e;
}

} // namespace tonalink
