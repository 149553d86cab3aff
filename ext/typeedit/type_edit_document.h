#pragma once

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
class TypeEditDocument {
public:
    // A name must fit the 99-byte values a phone-book entry names its type with.
    static constexpr std::size_t kMaxTypeNameBytes = 99;

    // call.dat in `dir` (empty: the current folder) whatever the case of its
    // name; a file that is not there is an empty one, created on saving.
    static std::optional<TypeEditDocument> open(const std::string& dir, ProfileError* error);

    const std::string& path() const { return path_; }
    std::vector<std::string> typeNames() const { return file_.sectionNames(); }
    bool modified() const { return file_.bytes() != saved_; }
    const std::string& bytes() const { return file_.bytes(); }
    ProfileError save(std::string* detail = nullptr);

    // BadName for a name that cannot be a section (or is too long), NameTaken,
    // TooLarge when the program's list of type names could not hold it.
    ProfileError checkNewName(std::string_view name, std::string_view renamed = {}) const;
    ProfileError addType(std::string_view name);
    ProfileError copyType(std::string_view from, std::string_view to);
    ProfileError renameType(std::string_view from, std::string_view to);
    ProfileError deleteType(std::string_view name);

    std::string value(std::string_view type, std::string_view key) const;
    int32_t number(std::string_view type, std::string_view key) const {
        return file_.readInt(type, key, 0);
    }
    // Leaves the file alone when the key already reads as `value`.
    ProfileError setValue(std::string_view type, std::string_view key, std::string_view value);

    TypeListContents list(std::string_view type, PagerTypeList list) const;
    ProfileError setList(std::string_view type, PagerTypeList list,
                         const std::vector<std::string>& values);

    // The type as the program would load it now.
    PagerType pagerType(std::string_view type) const;

private:
    TypeEditDocument(std::string path, ProfileFile file);

    std::string path_;
    std::string saved_;
    ProfileFile file_;
};

} // namespace tonalink
