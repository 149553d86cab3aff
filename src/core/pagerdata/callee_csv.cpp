#include "core/pagerdata/callee_csv.h"

#include "core/common/cp932.h"
#include "core/pagerdata/phone_book_editing.h"

#include <charconv>
#include <optional>

namespace tonalink {

namespace {

constexpr std::array<std::string_view, kCsvColumnCount> kColumnNames = {
    "Name", "PbType", "PbCallNo", "PhsCallNo", "PbPassWord", "MsgGroup"};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Row {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

// RFC 4180 records: quoted fields may hold commas, doubled quotes and line breaks.
std::optional<std::vector<Row>> splitRows(std::string_view text) {
    std::vector<Row> rows;
    std::size_t line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        Row row{line, {}};
        std::string field;
        bool endOfRow = false;
        while (!endOfRow) {
            if (i < text.size() && text[i] == '"') {
                ++i;
                for (;;) {
                    if (i >= text.size())
                        return std::nullopt;
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n')
                        ++line;
                    field += text[i++];
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

template <class Entry> auto fieldOf(Entry& e, CsvColumn column) -> decltype(&e.Name) {
    switch (column) {
    case CsvColumn::Name:
        return &e.Name;
    case CsvColumn::PbType:
        return &e.PbType;
    case CsvColumn::PbCallNo:
        return &e.PbCallNo;
    case CsvColumn::PhsCallNo:
        return &e.PhsCallNo;
    case CsvColumn::PbPassWord:
        return &e.PbPassWord;
    case CsvColumn::MsgGroup:
        break;
    }
    return nullptr;
}

std::optional<int32_t> groupOf(std::string_view text) {
    if (text.empty())
        return 0;
    int32_t group = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), group);
    if (ec != std::errc() || end != text.data() + text.size() || group < 0 || group > 4)
        return std::nullopt;
    return group;
}

std::string quoted(std::string_view bytes) {
    const std::string utf8 = cp932::toUtf8(bytes).value_or(cp932::toUtf8Lossy(bytes));
    if (utf8.find_first_of(",\"\r\n") == std::string::npos)
        return utf8;
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace

CalleeCsv parseCalleeCsv(std::string_view bytes) {
    CalleeCsv csv;
    if (bytes.size() > kMaxCsvBytes) {
        csv.refusal = CsvRefusal::TooLarge;
        return csv;
    }
    if (bytes.substr(0, kBom.size()) == kBom)
        bytes.remove_prefix(kBom.size());
    // UTF-8 is tried first: CP932 text is rarely valid UTF-8, the reverse often is CP932.
    const bool utf8 = cp932::fromUtf8(bytes).has_value();
    if (!utf8 && !cp932::toUtf8(bytes)) {
        csv.refusal = CsvRefusal::NotText;
        return csv;
    }
    auto rows = splitRows(bytes);
    if (!rows) {
        csv.refusal = CsvRefusal::OpenQuote;
        return csv;
    }
    if (rows->empty()) {
        csv.refusal = CsvRefusal::NoNameColumn;
        return csv;
    }
    std::vector<std::optional<CsvColumn>> columns;
    for (const std::string& title : rows->front().fields) {
        std::optional<CsvColumn> column;
        for (std::size_t c = 0; c < kCsvColumnCount; ++c)
            if (cp932::equalIgnoringAsciiCase(title, kColumnNames[c]) && !csv.present[c]) {
                column = static_cast<CsvColumn>(c);
                csv.present[c] = true;
            }
        if (!column)
            csv.unknownColumns.push_back(cp932::fromUtf8(title).value_or(title));
        columns.push_back(column);
    }
    if (!csv.present[0]) {
        csv.refusal = CsvRefusal::NoNameColumn;
        return csv;
    }
    for (std::size_t r = 1; r < rows->size(); ++r) {
        const Row& row = (*rows)[r];
        const auto refuse = [&](CsvRowProblem p) { csv.problems.push_back({row.line, p}); };
        if (csv.callees.size() == kMaxCsvRows) {
            refuse(CsvRowProblem::TooManyRows);
            continue;
        }
        if (row.fields.size() > columns.size()) {
            refuse(CsvRowProblem::TooManyFields);
            continue;
        }
        PhoneBookEntry entry;
        std::optional<CsvRowProblem> problem;
        for (std::size_t f = 0; f < row.fields.size() && !problem; ++f) {
            if (!columns[f])
                continue;
            std::optional<std::string> value =
                utf8 ? cp932::fromUtf8(row.fields[f]) : std::optional(row.fields[f]);
            if (!value || !storableValue(*value)) {
                problem = CsvRowProblem::BadValue;
            } else if (*columns[f] == CsvColumn::MsgGroup) {
                const auto group = groupOf(*value);
                if (group)
                    entry.MsgGroup = *group;
                else
                    problem = CsvRowProblem::BadGroup;
            } else {
                *fieldOf(entry, *columns[f]) = std::move(*value);
            }
        }
        if (!problem && entry.Name.empty())
            problem = CsvRowProblem::NoName;
        // A name no section header can carry is refused here, not by the whole merge.
        if (!problem && checkCalleeName(ProfileFile(), entry.Name) != ProfileError::None)
            problem = CsvRowProblem::BadName;
        if (problem)
            refuse(*problem);
        else
            csv.callees.push_back(std::move(entry));
    }
    return csv;
}

std::string calleeCsv(const std::vector<PhoneBookEntry>& callees) {
    std::string out;
    for (std::size_t c = 0; c < kCsvColumnCount; ++c)
        out.append(c ? "," : "").append(kColumnNames[c]);
    out += "\r\n";
    for (const PhoneBookEntry& e : callees) {
        out.append(quoted(e.Name)).append(",").append(quoted(e.PbType)).append(",");
        out.append(quoted(e.PbCallNo)).append(",").append(quoted(e.PhsCallNo)).append(",");
        out.append(quoted(e.PbPassWord)).append(",");
        if (e.MsgGroup >= 1 && e.MsgGroup <= 4)
            out.append(std::to_string(e.MsgGroup));
        out += "\r\n";
    }
    return out;
}

ProfileError mergeCallees(ProfileFile& file, const CalleeCsv& csv, CsvMerge* merge) {
    ProfileFile changed = file;
    CsvMerge counts;
    for (const PhoneBookEntry& row : csv.callees) {
        std::string name = row.Name;
        bool exists = false;
        for (const std::string& other : changed.sectionNames())
            if (cp932::equalIgnoringAsciiCase(other, row.Name)) {
                name = other;
                exists = true;
            }
        if (!exists)
            if (const ProfileError e = addCallee(changed, name); e != ProfileError::None)
                return e;
        PhoneBookEntry entry = readPhoneBookEntry(changed, name);
        for (std::size_t c = 1; c < kCsvColumnCount; ++c) {
            if (!csv.present[c])
                continue;
            if (static_cast<CsvColumn>(c) == CsvColumn::MsgGroup)
                entry.MsgGroup = row.MsgGroup;
            else
                *fieldOf(entry, static_cast<CsvColumn>(c)) =
                    *fieldOf(row, static_cast<CsvColumn>(c));
        }
        if (const ProfileError e = writeCallee(changed, entry); e != ProfileError::None)
            return e;
        ++(exists ? counts.updated : counts.added);
    }
    file = std::move(changed);
    if (merge)
        *merge = counts;
    return ProfileError::None;
}

} // namespace tonalink
