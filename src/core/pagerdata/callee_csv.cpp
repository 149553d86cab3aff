#include "core/pagerdata/callee_csv.h"

#include "core/common/cp932.h"
#include "core/pagerdata/numbered_list.h"
#include "core/pagerdata/phone_book.h"
#include "core/pagerdata/phone_book_editing.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace tonalink {

namespace {

enum class Field { Name, PbType, PbCallNo, PhsCallNo, PbPassWord, MsgGroup, Phrases };
constexpr std::size_t kFieldCount = 7;

constexpr std::array<std::string_view, 6> kTitles = {"Name",      "PbType",     "PbCallNo",
                                                     "PhsCallNo", "PbPassWord", "MsgGroup"};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// One column of the header: a field, the phrase count, or one phrase.
struct Column {
    Field field = Field::Name;
    bool isCount = false;
    std::size_t phrase = 0;
};

struct Header {
    std::vector<std::optional<Column>> columns;
    std::vector<std::string> titles;
    std::array<bool, kFieldCount> present{};
    std::vector<std::string> unknown;
};

struct Row {
    std::size_t line = 0;
    std::string_view bytes; // the whole record, for telling its encoding
    std::vector<std::string> fields;
};

// RFC 4180 records: quoted fields may hold commas, doubled quotes and line
// breaks. The bytes that matter here are never the second byte of a
// double-byte character, so the split works on both encodings.
std::optional<std::vector<Row>> splitRows(std::string_view text) {
    std::vector<Row> rows;
    std::size_t line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        Row row{line, {}, {}};
        const std::size_t begin = i;
        std::string field;
        for (bool endOfRow = false; !endOfRow;) {
            if (i < text.size() && text[i] == '"') {
                for (++i;; ++i) {
                    if (i >= text.size())
                        return std::nullopt;
                    if (text[i] == '"' && (i + 1 >= text.size() || text[i + 1] != '"')) {
                        ++i;
                        break;
                    }
                    if (text[i] == '"')
                        ++i;
                    else if (text[i] == '\n')
                        ++line;
                    field += text[i];
                }
            }
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                field += text[i++];
            row.fields.push_back(std::move(field));
            field.clear();
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            endOfRow = true;
            row.bytes = text.substr(begin, i - begin);
            if (i < text.size() && text[i] == '\r')
                ++i;
            if (i < text.size() && text[i] == '\n')
                ++i;
            ++line;
        }
        if (!(row.fields.size() == 1 && row.fields[0].empty()))
            rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<Column> columnOf(std::string_view title) {
    for (std::size_t c = 0; c < kTitles.size(); ++c)
        if (cp932::equalIgnoringAsciiCase(title, kTitles[c]))
            return Column{static_cast<Field>(c)};
    if (cp932::equalIgnoringAsciiCase(title, kUserPhraseList.countKey))
        return Column{Field::Phrases, true};
    if (const auto index = kUserPhraseList.indexOf(title);
        index && *index < static_cast<std::size_t>(PhoneBook::kMaxUserPhrases))
        return Column{Field::Phrases, false, *index};
    return std::nullopt;
}

Header readHeader(const Row& row) {
    Header header;
    const bool utf8 = cp932::isValidUtf8(row.bytes);
    for (const std::string& title : row.fields) {
        std::optional<Column> column = columnOf(title);
        // A title given twice: the first column is the one read.
        for (std::size_t c = 0; column && c < header.columns.size(); ++c)
            if (header.columns[c] && cp932::equalIgnoringAsciiCase(header.titles[c], title))
                column.reset();
        if (column)
            header.present[static_cast<std::size_t>(column->field)] = true;
        else
            header.unknown.push_back(utf8 ? cp932::fromUtf8(title).value_or(title) : title);
        header.columns.push_back(column);
        header.titles.push_back(title);
    }
    return header;
}

template <class Entry> auto textField(Entry& e, Field field) -> decltype(&e.Name) {
    switch (field) {
    case Field::Name:
        return &e.Name;
    case Field::PbType:
        return &e.PbType;
    case Field::PbCallNo:
        return &e.PbCallNo;
    case Field::PhsCallNo:
        return &e.PhsCallNo;
    case Field::PbPassWord:
        return &e.PbPassWord;
    case Field::MsgGroup:
    case Field::Phrases:
        break;
    }
    return nullptr;
}

template <class T> std::optional<T> wholeNumber(std::string_view text, T min, T max) {
    T n{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n < min || n > max)
        return std::nullopt;
    return n;
}

struct CsvCallee {
    std::size_t line = 0;
    PhoneBookEntry entry;
};

// The row as a callee, every value checked as the writer checks it, or the
// first reason it cannot be one.
std::optional<CsvProblem> readCallee(const Row& row, const Header& header, CsvCallee& callee) {
    if (row.fields.size() > header.columns.size())
        return CsvProblem{row.line, CsvRowProblem::TooManyFields, {}};
    const bool utf8 = cp932::isValidUtf8(row.bytes);
    PhoneBookEntry& entry = callee.entry;
    std::optional<std::size_t> count;
    std::string nameTitle;
    for (std::size_t f = 0; f < row.fields.size(); ++f) {
        if (!header.columns[f])
            continue;
        const Column& column = *header.columns[f];
        const auto problem = [&](CsvRowProblem p) {
            return CsvProblem{row.line, p, header.titles[f]};
        };
        std::optional<std::string> value =
            utf8 ? cp932::fromUtf8(row.fields[f]) : std::optional(row.fields[f]);
        if (!value)
            return problem(CsvRowProblem::NotCp932);
        if (column.field == Field::MsgGroup) {
            const auto group = value->empty() ? 0 : wholeNumber<int32_t>(*value, 0, 4);
            if (!group)
                return problem(CsvRowProblem::BadGroup);
            entry.MsgGroup = *group;
        } else if (column.isCount) {
            if (!value->empty()) {
                count = wholeNumber<std::size_t>(*value, 0, PhoneBook::kMaxUserPhrases);
                if (!count)
                    return problem(CsvRowProblem::BadPhraseCount);
            }
        } else if (column.field == Field::Phrases) {
            if (!kUserPhraseList.stored(*value))
                return problem(CsvRowProblem::BadValue);
            if (entry.UserPhrases.size() <= column.phrase)
                entry.UserPhrases.resize(column.phrase + 1);
            entry.UserPhrases[column.phrase] = std::move(*value);
        } else {
            if (column.field == Field::Name)
                nameTitle = header.titles[f];
            else if (!storableValue(*value))
                return problem(CsvRowProblem::BadValue);
            *textField(entry, column.field) = std::move(*value);
        }
    }
    if (entry.Name.empty())
        return CsvProblem{row.line, CsvRowProblem::NoName, {}};
    if (checkCalleeName(entry.Name) != ProfileError::None)
        return CsvProblem{row.line, CsvRowProblem::BadName, nameTitle};
    // Without a count the phrases end at the last one given; a phrase beyond the
    // count would never be read.
    std::size_t given = entry.UserPhrases.size();
    while (given > 0 && entry.UserPhrases[given - 1].empty())
        --given;
    if (count && *count < given)
        return CsvProblem{row.line, CsvRowProblem::BadPhraseCount, {}};
    entry.UserPhrases.resize(count.value_or(given));
    // The writer's own checks, on the callee as a new one.
    std::vector<ProfileFile::KeyEdit> edits;
    if (calleeEdits(ProfileSection(), entry, edits) != ProfileError::None)
        return CsvProblem{row.line, CsvRowProblem::BadValue, {}};
    callee.line = row.line;
    return std::nullopt;
}

// The callee of `row` as the merge leaves it: the columns the CSV has over
// what the phone book holds. An empty MsgGroup keeps a callee that is in no
// group as it is written.
PhoneBookEntry merged(PhoneBookEntry current, const PhoneBookEntry& row,
                      const std::array<bool, kFieldCount>& present) {
    for (Field field : {Field::PbType, Field::PbCallNo, Field::PhsCallNo, Field::PbPassWord})
        if (present[static_cast<std::size_t>(field)])
            *textField(current, field) = *textField(row, field);
    const bool inGroup = current.MsgGroup >= 1 && current.MsgGroup <= 4;
    if (present[static_cast<std::size_t>(Field::MsgGroup)] && (row.MsgGroup != 0 || inGroup))
        current.MsgGroup = row.MsgGroup;
    if (present[static_cast<std::size_t>(Field::Phrases)])
        current.UserPhrases = row.UserPhrases;
    return current;
}

void merge(ProfileFile& file, const Header& header, const std::vector<CsvCallee>& callees,
           CsvImport& result) {
    std::unordered_map<std::string, std::size_t> byName;
    for (std::size_t i = 0; i < file.sectionCount(); ++i)
        byName.try_emplace(cp932::upperAscii(file.sectionNameAt(i)), i);
    std::size_t namesUsed = listedNameBytes(file);
    std::vector<ProfileFile::SectionEdit> edits;
    CsvImport counts;
    for (const CsvCallee& callee : callees) {
        const std::string& name = callee.entry.Name;
        ProfileFile::SectionEdit edit;
        PhoneBookEntry entry;
        if (const auto it = byName.find(cp932::upperAscii(name)); it != byName.end()) {
            edit.at = it->second;
            entry = merged(phoneBookEntryAt(file, it->second), callee.entry, header.present);
            ++counts.updated;
        } else {
            if (namesUsed + name.size() + 1 > ProfileFile::kSectionNamesBufferBytes) {
                result.problems.push_back({callee.line, CsvRowProblem::NamesFull, {}});
                continue;
            }
            namesUsed += name.size() + 1;
            edit.name = name;
            entry = merged(PhoneBookEntry{}, callee.entry, header.present);
            ++counts.added;
        }
        const ProfileSection current = edit.at ? file.sectionAt(*edit.at) : ProfileSection();
        if (const ProfileError e = calleeEdits(current, entry, edit.keys);
            e != ProfileError::None) {
            result.error = e;
            return;
        }
        if (!edit.keys.empty() || !edit.at)
            edits.push_back(std::move(edit));
    }
    result.error = file.editSections(edits);
    if (result.error == ProfileError::None) {
        result.added = counts.added;
        result.updated = counts.updated;
    }
}

// A field as CSV: enclosed in quotes when it holds a comma, a quote or a line break.
std::string quoted(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace

CsvImport importCallees(ProfileFile& file, std::string_view csv) {
    CsvImport result;
    if (csv.size() > kMaxCsvBytes) {
        result.refusal = CsvRefusal::TooLarge;
        return result;
    }
    if (csv.substr(0, kBom.size()) == kBom)
        csv.remove_prefix(kBom.size());
    const auto rows = splitRows(csv);
    if (!rows) {
        result.refusal = CsvRefusal::OpenQuote;
        return result;
    }
    const Header header = rows->empty() ? Header{} : readHeader(rows->front());
    if (!header.present[static_cast<std::size_t>(Field::Name)]) {
        result.refusal = CsvRefusal::NoNameColumn;
        return result;
    }
    result.unknownColumns = header.unknown;
    std::vector<CsvCallee> callees;
    std::unordered_set<std::string> names;
    for (std::size_t r = 1; r < rows->size(); ++r) {
        const Row& row = (*rows)[r];
        CsvCallee callee;
        std::optional<CsvProblem> problem;
        if (callees.size() == kMaxCsvRows)
            problem = CsvProblem{row.line, CsvRowProblem::TooManyRows, {}};
        else
            problem = readCallee(row, header, callee);
        if (!problem && !names.insert(cp932::upperAscii(callee.entry.Name)).second)
            problem = CsvProblem{row.line, CsvRowProblem::RepeatedName, {}};
        if (problem)
            result.problems.push_back(std::move(*problem));
        else
            callees.push_back(std::move(callee));
    }
    merge(file, header, callees, result);
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const CsvProblem& a, const CsvProblem& b) { return a.line < b.line; });
    return result;
}

std::string exportCallees(const ProfileFile& file) {
    std::vector<PhoneBookEntry> entries;
    std::size_t phrases = 0;
    for (std::size_t i : file.listedSections()) {
        entries.push_back(phoneBookEntryAt(file, i));
        phrases = std::max(phrases, entries.back().UserPhrases.size());
    }
    std::string out;
    for (std::string_view title : kTitles)
        out.append(title).append(",");
    out.append(kUserPhraseList.countKey);
    for (std::size_t p = 0; p < phrases; ++p)
        out.append(",").append(kUserPhraseList.key(p));
    out += "\r\n";
    for (const PhoneBookEntry& e : entries) {
        const bool grouped = e.MsgGroup >= 1 && e.MsgGroup <= 4;
        std::vector<std::string> fields = {e.Name,
                                           e.PbType,
                                           e.PbCallNo,
                                           e.PhsCallNo,
                                           e.PbPassWord,
                                           grouped ? std::to_string(e.MsgGroup) : "",
                                           std::to_string(e.UserPhrases.size())};
        fields.insert(fields.end(), e.UserPhrases.begin(), e.UserPhrases.end());
        fields.resize(kTitles.size() + 1 + phrases);
        // UTF-8 when every field converts and comes back as the same bytes (an
        // NEC-selected IBM extension comes back as its IBM code); otherwise the
        // record's own bytes.
        std::vector<std::string> written;
        for (const std::string& field : fields)
            if (auto utf8 = cp932::toUtf8(field); utf8 && cp932::fromUtf8(*utf8) == field)
                written.push_back(std::move(*utf8));
        if (written.size() != fields.size())
            written = fields;
        for (std::size_t f = 0; f < written.size(); ++f)
            out.append(f ? "," : "").append(quoted(written[f]));
        out += "\r\n";
    }
    return out;
}

} // namespace tonalink
