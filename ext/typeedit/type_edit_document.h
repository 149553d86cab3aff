#pragma once

#include "core/pagerdata/edited_profile.h"
#include "core/pagerdata/pager_type.h"
#include "core/pagerdata/pager_type_editing.h"
#include "core/pagerdata/profile_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// call.dat as the pager-type editor holds it: every edit goes at once into a
// working copy through the profile operations, so untouched bytes stay as they
// were and what is shown is exactly what the program will load after saving.
// The phone book beside it follows renamed and deleted types when asked to.
class TypeEditDocument {
public:
    // A name must fit the 99-byte values a phone-book entry names its type with.
    static constexpr std::size_t kMaxTypeNameBytes = 99;

    // call.dat in `dir` (empty: the current folder) whatever the case of its
    // name; a file that is not there is an empty one, created on saving.
    static std::optional<TypeEditDocument> open(const std::string& dir, ProfileError* error);

    const std::string& path() const { return edited_.path(); }
    std::vector<std::string> typeNames() const { return file().sectionNames(); }
    bool modified() const { return edited_.modified(); }
    const std::string& bytes() const { return file().bytes(); }
    bool changedOnDisk() const { return edited_.changedOnDisk(); }
    // call.dat as it is now; edits and phone-book changes not saved are dropped.
    ProfileError reload();
    // call.dat, then the phone book's changes asked for since the last save. A
    // phone book that cannot be written is reported (WriteFailed, its path in
    // `detail`) and its changes are tried again at the next save.
    ProfileError save(std::string* detail = nullptr);

    // Callees of the phone book in the same folder whose type is `type`, as the
    // phone book will be after the next save.
    std::size_t calleesOfType(std::string_view type) const;
    // At the next save, those callees get the type `to` instead.
    void retypeCalleesOnSave(std::string_view from, std::string_view to);

    // BadName for a name that cannot be a section (or is too long), NameTaken,
    // TooLarge when the program's list of type names could not hold it.
    ProfileError checkNewName(std::string_view name, std::string_view renamed = {}) const;
    ProfileError addType(std::string_view name);
    ProfileError copyType(std::string_view from, std::string_view to);
    ProfileError renameType(std::string_view from, std::string_view to);
    ProfileError deleteType(std::string_view name);

    std::string value(std::string_view type, std::string_view key) const;
    int32_t number(std::string_view type, std::string_view key) const {
        return file().readInt(type, key, 0);
    }
    // Leaves the file alone when the key already reads as `value`.
    ProfileError setValue(std::string_view type, std::string_view key, std::string_view value);

    TypeListContents list(std::string_view type, PagerTypeList list) const;
    ProfileError setList(std::string_view type, PagerTypeList list,
                         const std::vector<std::string>& values);

    // The type as the program would load it now.
    PagerType pagerType(std::string_view type) const;

private:
    TypeEditDocument(std::string dir, EditedProfile edited);
    const ProfileFile& file() const { return edited_.file(); }
    ProfileFile& file() { return edited_.file(); }
    // The phone book with the changes asked for applied (empty when there is
    // none, `path` then empty); nullopt when it is there and cannot be read.
    std::optional<ProfileFile> retypedPhoneBook(std::string* path = nullptr) const;

    std::string dir_;
    EditedProfile edited_;
    std::vector<std::pair<std::string, std::string>> retypes_; // from, to
};

} // namespace tonalink
