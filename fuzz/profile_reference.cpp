#include "profile_reference.h"

#include "core/common/cp932.h"

namespace tonalink::fuzz {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::vector<ReferenceLine> splitLines(std::string_view all) {
    std::vector<ReferenceLine> lines;
    std::size_t pos = 0;
    while (pos < all.size()) {
        const std::size_t end = std::min(all.find_first_of("\r\n", pos), all.size());
        std::size_t next = end;
        if (all.substr(end, 2) == "\r\n")
            next += 2;
        else if (end < all.size())
            next += 1;
        lines.push_back({pos, end, next, all.substr(pos, end - pos)});
        pos = next;
    }
    return lines;
}

} // namespace

std::size_t firstCharAt(std::string_view s, char c) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == c)
            return i;
        if (cp932::isLeadByte(static_cast<unsigned char>(s[i])))
            ++i;
    }
    return std::string_view::npos;
}

std::string foldName(std::string_view name) {
    std::string out(name);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] >= 'a' && out[i] <= 'z')
            out[i] = static_cast<char>(out[i] - 'a' + 'A');
        else if (cp932::isLeadByte(static_cast<unsigned char>(out[i])))
            ++i;
    }
    return out;
}

ReferenceProfile readReference(std::string_view bytes) {
    ReferenceProfile profile;
    profile.lines = splitLines(bytes);
    for (std::size_t i = 0; i < profile.lines.size(); ++i) {
        const ReferenceLine& line = profile.lines[i];
        const std::string_view text = trimmed(line.text);
        if (text.empty() || text.front() == ';')
            continue;
        if (text.front() == '[') {
            const std::size_t close = firstCharAt(text.substr(1), ']');
            if (close != std::string_view::npos) {
                const std::string_view name = trimmed(text.substr(1, close));
                profile.sections.push_back({std::string(name),
                                            static_cast<std::size_t>(name.data() - bytes.data()),
                                            i,
                                            line.begin,
                                            line.next,
                                            line.next,
                                            {}});
                continue;
            }
        }
        const std::size_t eq = firstCharAt(line.text, '=');
        if (eq == std::string_view::npos || profile.sections.empty())
            continue;
        ReferenceSection& section = profile.sections.back();
        section.lastKeyEnd = line.next;
        const std::string_view name = trimmed(line.text.substr(0, eq));
        if (!name.empty())
            section.keys.push_back(
                {std::string(name), std::string(trimmed(line.text.substr(eq + 1))), i});
    }
    return profile;
}

const ReferenceSection* ReferenceProfile::find(std::string_view name) const {
    const std::string wanted = foldName(name);
    for (const ReferenceSection& s : sections)
        if (foldName(s.name) == wanted)
            return &s;
    return nullptr;
}

namespace {

const ReferenceKey* keyOf(const ReferenceSection* section, std::string_view key) {
    if (!section)
        return nullptr;
    const std::string wanted = foldName(key);
    for (const ReferenceKey& k : section->keys)
        if (foldName(k.name) == wanted)
            return &k;
    return nullptr;
}

std::string_view unquoted(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

} // namespace

std::optional<std::string> ReferenceProfile::value(const ReferenceSection* section,
                                                   std::string_view key) {
    const ReferenceKey* k = keyOf(section, key);
    if (!k)
        return std::nullopt;
    const std::string_view v = unquoted(k->value);
    if (v.size() <= 99)
        return std::string(v);
    std::size_t cut = 0;
    while (cut < v.size()) {
        const std::size_t width = cp932::isLeadByte(static_cast<unsigned char>(v[cut])) ? 2 : 1;
        if (cut + width > 99)
            break;
        cut += width;
    }
    return std::string(v.substr(0, std::min(cut, v.size())));
}

std::optional<int32_t> ReferenceProfile::number(const ReferenceSection* section,
                                                std::string_view key) {
    const ReferenceKey* k = keyOf(section, key);
    if (!k || unquoted(k->value).empty())
        return std::nullopt;
    const std::string_view v = unquoted(k->value);
    const bool negative = v.front() == '-';
    uint64_t n = 0;
    for (std::size_t i = (v.front() == '-' || v.front() == '+') ? 1 : 0;
         i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i)
        n = (n * 10 + static_cast<uint64_t>(v[i] - '0')) & 0xFFFFFFFFu;
    return static_cast<int32_t>(static_cast<uint32_t>(negative ? (0x100000000u - n) : n));
}

bool headerHolds(std::string_view name, std::size_t maxBytes) {
    if (name.empty() || name.size() > maxBytes || name.find('\0') != std::string_view::npos ||
        trimmed(name) != name)
        return false;
    const ReferenceProfile probe = readReference("[" + std::string(name) + "]\r\n");
    return probe.sections.size() == 1 && probe.sections[0].name == name && probe.lines.size() == 1;
}

bool keyLineHolds(std::string_view value) {
    const ReferenceProfile probe = readReference("[s]\r\nk=" + std::string(value) + "\r\n");
    return value.find('\0') == std::string_view::npos &&
           ReferenceProfile::value(probe.find("s"), "k") == value;
}

std::vector<std::size_t> ReferenceProfile::listed() const {
    constexpr std::size_t kBuffer = 32767;
    std::vector<std::size_t> places;
    std::size_t used = 1;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::string& name = sections[i].name;
        if (name.empty() || name.size() + 2 > kBuffer)
            continue;
        if (used + name.size() + 1 > kBuffer)
            break;
        used += name.size() + 1;
        places.push_back(i);
    }
    return places;
}

std::vector<std::string> ReferenceProfile::listedNames() const {
    std::vector<std::string> names;
    for (std::size_t i : listed())
        names.push_back(sections[i].name);
    return names;
}

} // namespace tonalink::fuzz
