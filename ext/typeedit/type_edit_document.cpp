#include "type_edit_document.h"

#include "core/common/cp932.h"
#include "core/common/file_io.h"
#include "core/pagerdata/pager_type_catalog.h"

#include <filesystem>

namespace tonalink {

TypeEditDocument::TypeEditDocument(std::string path, ProfileFile file)
    : path_(std::move(path)), saved_(file.bytes()), file_(std::move(file)) {}

std::optional<TypeEditDocument> TypeEditDocument::open(const std::string& dir,
                                                       ProfileError* error) {
    const auto found = findFileIgnoringCase(dir, PagerTypeCatalog::kFileName);
    std::string path =
        found ? *found
              : (std::filesystem::path(dir.empty() ? "." : dir) / PagerTypeCatalog::kFileName)
                    .string();
    auto file = ProfileFile::loadAbsentAsEmpty(path, error);
    if (!file)
        return std::nullopt;
    return TypeEditDocument(std::move(path), std::move(*file));
}

ProfileError TypeEditDocument::save(std::string* detail) {
    const ProfileError e = file_.save(path_, detail);
    if (e == ProfileError::None)
        saved_ = file_.bytes();
    return e;
}

ProfileError TypeEditDocument::checkNewName(std::string_view name, std::string_view renamed) const {
    if (name.empty() || name.size() > kMaxTypeNameBytes)
        return ProfileError::BadName;
    // What the new list of names costs in the program's buffer of names.
    std::size_t used = 1 + name.size() + 1;
    for (const std::string& other : typeNames()) {
        if (other == renamed)
            continue;
        if (cp932::equalIgnoringAsciiCase(other, name))
            return ProfileError::NameTaken;
        used += other.size() + 1;
    }
    if (used > ProfileFile::kSectionNamesBufferBytes)
        return ProfileError::TooLarge;
    ProfileFile probe;
    return probe.appendSection(name);
}

ProfileError TypeEditDocument::addType(std::string_view name) {
    if (const ProfileError e = checkNewName(name); e != ProfileError::None)
        return e;
    return appendPagerType(file_, name);
}

ProfileError TypeEditDocument::copyType(std::string_view from, std::string_view to) {
    if (const ProfileError e = checkNewName(to); e != ProfileError::None)
        return e;
    return file_.copySection(from, to);
}

ProfileError TypeEditDocument::renameType(std::string_view from, std::string_view to) {
    if (const ProfileError e = checkNewName(to, from); e != ProfileError::None)
        return e;
    return file_.renameSection(from, to);
}

ProfileError TypeEditDocument::deleteType(std::string_view name) {
    return file_.deleteSection(name);
}

std::string TypeEditDocument::value(std::string_view type, std::string_view key) const {
    return file_.readString(type, key);
}

ProfileError TypeEditDocument::setValue(std::string_view type, std::string_view key,
                                        std::string_view value) {
    const ProfileSection section = file_.section(type);
    if (section.readString(key) == value && (section.contains(key) || value.empty()))
        return ProfileError::None;
    if (ProfileFile::valueAsRead(value) != value)
        return ProfileError::BadValue;
    return file_.writeString(type, key, value);
}

TypeListContents TypeEditDocument::list(std::string_view type, PagerTypeList list) const {
    return readTypeList(file_.section(type), list);
}

ProfileError TypeEditDocument::setList(std::string_view type, PagerTypeList list,
                                       const std::vector<std::string>& values) {
    return writeTypeList(file_, type, list, values);
}

PagerType TypeEditDocument::pagerType(std::string_view type) const {
    return readPagerType(file_.section(type));
}

} // namespace tonalink
