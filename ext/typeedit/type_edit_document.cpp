#include "type_edit_document.h"

#include "core/common/cp932.h"
#include "core/common/file_io.h"
#include "core/pagerdata/pager_type_catalog.h"
#include "core/pagerdata/phone_book.h"
#include "core/pagerdata/phone_book_editing.h"

namespace tonalink {

TypeEditDocument::TypeEditDocument(std::string dir, EditedProfile edited)
    : dir_(std::move(dir)), edited_(std::move(edited)) {}

std::optional<TypeEditDocument> TypeEditDocument::open(const std::string& dir,
                                                       ProfileError* error) {
    auto edited = EditedProfile::open(dir, PagerTypeCatalog::kFileName, error);
    if (!edited)
        return std::nullopt;
    return TypeEditDocument(dir, std::move(*edited));
}

ProfileError TypeEditDocument::reload() {
    const ProfileError e = edited_.reload();
    if (e == ProfileError::None)
        retypes_.clear();
    return e;
}

std::optional<ProfileFile> TypeEditDocument::retypedPhoneBook(std::string* path) const {
    const auto found = findFileIgnoringCase(dir_, PhoneBook::kFileName);
    if (!found)
        return ProfileFile();
    if (path)
        *path = *found;
    auto book = ProfileFile::load(*found);
    for (const auto& [from, to] : retypes_)
        if (book && retypeCallees(*book, from, to) != ProfileError::None)
            return std::nullopt;
    return book;
}

ProfileError TypeEditDocument::save(std::string* detail) {
    if (const ProfileError e = edited_.save(detail); e != ProfileError::None)
        return e;
    if (retypes_.empty())
        return ProfileError::None;
    std::string path;
    const std::optional<ProfileFile> book = retypedPhoneBook(&path);
    if (!book || (!path.empty() && book->save(path, detail) != ProfileError::None)) {
        if (detail && detail->empty())
            *detail = path;
        return ProfileError::WriteFailed;
    }
    retypes_.clear();
    return ProfileError::None;
}

std::size_t TypeEditDocument::calleesOfType(std::string_view type) const {
    const std::optional<ProfileFile> book = retypedPhoneBook();
    return book ? countCalleesOfType(*book, type) : 0;
}

void TypeEditDocument::retypeCalleesOnSave(std::string_view from, std::string_view to) {
    retypes_.emplace_back(from, to);
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
    return appendPagerType(file(), name);
}

ProfileError TypeEditDocument::copyType(std::string_view from, std::string_view to) {
    if (const ProfileError e = checkNewName(to); e != ProfileError::None)
        return e;
    return file().copySection(from, to);
}

ProfileError TypeEditDocument::renameType(std::string_view from, std::string_view to) {
    if (const ProfileError e = checkNewName(to, from); e != ProfileError::None)
        return e;
    return file().renameSection(from, to);
}

ProfileError TypeEditDocument::deleteType(std::string_view name) {
    return file().deleteSection(name);
}

std::string TypeEditDocument::value(std::string_view type, std::string_view key) const {
    return file().readString(type, key);
}

ProfileError TypeEditDocument::setValue(std::string_view type, std::string_view key,
                                        std::string_view value) {
    const ProfileSection section = file().section(type);
    if (section.readString(key) == value && (section.contains(key) || value.empty()))
        return ProfileError::None;
    if (ProfileFile::valueAsRead(value) != value)
        return ProfileError::BadValue;
    return file().writeString(type, key, value);
}

TypeListContents TypeEditDocument::list(std::string_view type, PagerTypeList list) const {
    return readTypeList(file().section(type), list);
}

ProfileError TypeEditDocument::setList(std::string_view type, PagerTypeList list,
                                       const std::vector<std::string>& values) {
    return writeTypeList(file(), type, list, values);
}

PagerType TypeEditDocument::pagerType(std::string_view type) const {
    return readPagerType(file().section(type));
}

} // namespace tonalink
