#include "core/pagerdata/numbered_list.h"

#include "core/common/cp932.h"

#include <algorithm>

namespace tonalink {
namespace {

constexpr std::size_t kMaxIndexDigits = 9;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string NumberedList::key(std::size_t index) const {
    std::string number = std::to_string(index);
    if (number.size() < static_cast<std::size_t>(digits))
        number.insert(0, static_cast<std::size_t>(digits) - number.size(), '0');
    return std::string(prefix) + number;
}

std::optional<std::size_t> NumberedList::indexOf(std::string_view name) const {
    if (name.size() <= prefix.size() ||
        !cp932::equalIgnoringAsciiCase(name.substr(0, prefix.size()), prefix))
        return std::nullopt;
    const std::string_view number = name.substr(prefix.size());
    if (number.size() > kMaxIndexDigits || !std::all_of(number.begin(), number.end(), isDigit))
        return std::nullopt;
    const std::size_t index = std::stoul(std::string(number));
    // Fe0001 is no key of the list: only the written form is ever read.
    if (key(index).size() != name.size())
        return std::nullopt;
    return index;
}

std::string NumberedList::loaded(std::string value) const {
    if (blankGuard && value.size() >= 6 && value[5] == ':')
        value.resize(cp932::clampToCharBoundary(value, value.size() - 1));
    return value;
}

std::optional<std::string> NumberedList::stored(std::string_view value) const {
    std::string written(value);
    const bool endsInBlank = !value.empty() && (value.back() == ' ' || value.back() == '\t');
    if (blankGuard &&
        ((value.size() >= 6 && value[5] == ':') || (value.size() == 5 && endsInBlank)))
        written += ':';
    if (written.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos ||
        loaded(ProfileFile::valueAsRead(written)) != value)
        return std::nullopt;
    return written;
}

std::vector<std::string> readListValues(const ProfileSection& section, const NumberedList& list,
                                        int32_t maxEntries) {
    const int32_t count = std::clamp(section.readInt(list.countKey, 0), 0, maxEntries);
    std::vector<std::string> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        values.push_back(list.loaded(section.readString(list.key(static_cast<std::size_t>(i)))));
    return values;
}

ListInFile scanList(const ProfileSection& section, const NumberedList& list, int32_t maxEntries) {
    ListInFile result;
    result.countPresent = section.contains(list.countKey);
    result.count = std::clamp(section.readInt(list.countKey, 0), 0, maxEntries);
    std::size_t rows = static_cast<std::size_t>(result.count);
    for (std::string_view name : section.keyNames()) {
        const auto index = list.indexOf(name);
        if (index && *index < static_cast<std::size_t>(maxEntries))
            rows = std::max(rows, *index + 1);
    }
    result.values.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i)
        result.values.push_back(list.loaded(section.readString(list.key(i))));
    return result;
}

ProfileError listEdits(const ProfileSection& current, const NumberedList& list,
                       const std::vector<std::string>& values, int32_t maxEntries,
                       std::vector<ProfileFile::KeyEdit>& edits) {
    if (values.size() > static_cast<std::size_t>(maxEntries))
        return ProfileError::BadValue;
    const std::string count = std::to_string(values.size());
    if (!current.contains(list.countKey) ||
        current.readInt(list.countKey, 0) != static_cast<int32_t>(values.size()))
        edits.push_back({std::string(list.countKey), count});
    std::string after(list.countKey);
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::string key = list.key(i);
        const auto written = list.stored(values[i]);
        if (!written)
            return ProfileError::BadValue;
        if (!current.contains(key) || list.loaded(current.readString(key)) != values[i])
            edits.push_back({key, *written, after});
        after = std::move(key);
    }
    for (std::string_view name : current.keyNames()) {
        if (const auto index = list.indexOf(name); index && *index >= values.size())
            edits.push_back({std::string(name), std::nullopt});
    }
    return ProfileError::None;
}

ProfileError writeList(ProfileFile& file, std::string_view section, const NumberedList& list,
                       const std::vector<std::string>& values, int32_t maxEntries) {
    std::vector<ProfileFile::KeyEdit> edits;
    if (const ProfileError e = listEdits(file.section(section), list, values, maxEntries, edits);
        e != ProfileError::None)
        return e;
    return file.editKeys(section, edits);
}

} // namespace tonalink
