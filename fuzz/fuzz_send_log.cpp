// bell.log: reading a file and reading the same bytes from memory agree under
// any limits and account for every line; and every record SendLog writes reads
// back with its fields, or is reported, never silently lost or changed.
//
// Input: a mode byte. Even: limits (a length byte and that many bytes), then the
// log's bytes. Odd: a clock, then up to four records (number, name, type,
// message, command, part choice, cancelled flag).
#include "core/common/cp932.h"
#include "core/modem/send_log.h"
#include "core/modem/send_log_reader.h"
#include "fuzz_support.h"

#include <algorithm>
#include <filesystem>

namespace {

using namespace tonalink;
using fuzz::FuzzInput;

bool sameRecord(const SendLogRecord& a, const SendLogRecord& b) {
    return a.lineNumber == b.lineNumber && a.date == b.date && a.time == b.time &&
           a.cancelled == b.cancelled && a.text == b.text && a.ends == b.ends;
}

bool sameLine(const MalformedLogLine& a, const MalformedLogLine& b) {
    return a.lineNumber == b.lineNumber && a.fault == b.fault && a.text == b.text &&
           a.shortened == b.shortened;
}

void checkReading(FuzzInput& in) {
    FuzzInput given = in.sub();
    SendLogLimits limits;
    if (const uint8_t b = given.byte())
        limits.maxBytes = b * 16u;
    if (const uint8_t b = given.byte())
        limits.maxRecords = b % 16u;
    if (const uint8_t b = given.byte())
        limits.maxRecordBytes = b;
    if (const uint8_t b = given.byte())
        limits.maxKeptMalformed = b % 8u;
    if (const uint8_t b = given.byte())
        limits.maxShownBytes = b;
    const std::string bytes = in.rest();

    const SendLogContents memory = parseSendLog(bytes, limits);
    const SendLogContents file = readSendLog(fuzz::scratchFile("bell.log", bytes), limits);
    FUZZ_CHECK(memory.end == file.end);
    FUZZ_CHECK(memory.linesRead == file.linesRead);
    FUZZ_CHECK(memory.malformedCount == file.malformedCount);
    FUZZ_CHECK(std::equal(memory.records.begin(), memory.records.end(), file.records.begin(),
                          file.records.end(), sameRecord));
    FUZZ_CHECK(std::equal(memory.malformed.begin(), memory.malformed.end(), file.malformed.begin(),
                          file.malformed.end(), sameLine));

    FUZZ_CHECK(memory.records.size() <= limits.maxRecords);
    FUZZ_CHECK(memory.malformed.size() == std::min(memory.malformedCount, limits.maxKeptMalformed));
    for (const SendLogRecord& r : memory.records)
        FUZZ_CHECK(r.ends.back() == r.text.size() && cp932::fromUtf8(r.text).has_value());
    if (memory.end == LogReadEnd::EndOfFile) {
        const std::size_t lines =
            static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
            (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
        FUZZ_CHECK(memory.linesRead == lines);
    }
}

// A field as the reader gives it back: a CR LF inside it reads as a line feed.
std::string asRead(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i)
        if (!(field[i] == '\r' && i + 1 < field.size() && field[i + 1] == '\n'))
            out += field[i];
    return cp932::toUtf8(out).value_or(std::string());
}

bool isText(std::string_view field) {
    const bool control = std::any_of(field.begin(), field.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && c != '\t' && c != '\n' && c != '\r') || b == 0x7F;
    });
    return !control && cp932::toUtf8(field).has_value();
}

void checkWriting(FuzzInput& in) {
    std::tm clock{};
    clock.tm_year = 100 + in.byte() % 69;
    clock.tm_mon = in.byte() % 12;
    clock.tm_mday = 1 + in.byte() % 28;
    clock.tm_hour = in.byte() % 24;
    clock.tm_min = in.byte() % 60;
    clock.tm_sec = in.byte() % 60;
    const std::string folder = fuzz::scratchFolder();
    std::filesystem::remove(folder + "/bell.log");
    std::filesystem::remove(folder + "/bell.log.journal");
    SendLog log(folder, {}, [&] { return clock; });

    std::vector<std::array<std::string, 5>> expected;
    std::size_t unreadable = 0;
    const int count = in.byte() % 4 + 1;
    for (int i = 0; i < count; ++i) {
        const std::string number = in.text(), name = in.text(), type = in.text();
        const std::string message = in.text(), command = in.text();
        const uint8_t choice = in.byte();
        // Part starts as the encoder leaves them: rising, ending at the length.
        const std::vector<int32_t> starts = {0, static_cast<int32_t>(message.size() * (choice & 1)),
                                             static_cast<int32_t>(message.size())};
        const int32_t part = (choice >> 1) & 1;
        const bool cancelled = choice & 4;
        log.AddLogRecord(number, message, cancelled ? 1 : 0, {name, type, starts, part, command});
        const std::string_view slice = std::string_view(message).substr(
            static_cast<std::size_t>(starts[part]),
            static_cast<std::size_t>(starts[part + 1] - starts[part]));
        const std::string sent = cancelled ? *cp932::fromUtf8("同報で送信をキャンセル") : command;
        std::array<std::string, 5> fields = {number, name, type, std::string(slice), sent};
        if (std::all_of(fields.begin(), fields.end(), isText)) {
            for (std::string& f : fields)
                f = asRead(f);
            expected.push_back(fields);
        } else {
            ++unreadable;
        }
    }
    FUZZ_CHECK(log.FlushLog());
    const SendLogContents read = readSendLog(folder + "/bell.log");
    FUZZ_CHECK(read.end == LogReadEnd::EndOfFile);
    FUZZ_CHECK(read.records.size() == expected.size());
    FUZZ_CHECK(read.malformedCount == unreadable);
    const int32_t date = (1900 + clock.tm_year) * 10000 + (clock.tm_mon + 1) * 100 + clock.tm_mday;
    const int32_t time = clock.tm_hour * 3600 + clock.tm_min * 60 + clock.tm_sec;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const SendLogRecord& r = read.records[i];
        FUZZ_CHECK(r.date == date && r.time == time);
        const LogColumn columns[] = {LogColumn::CallNo, LogColumn::Name, LogColumn::Type,
                                     LogColumn::Message, LogColumn::Command};
        for (std::size_t c = 0; c < 5; ++c)
            FUZZ_CHECK(r.field(columns[c]) == expected[i][c]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    if (in.byte() % 2 == 0)
        checkReading(in);
    else
        checkWriting(in);
    return 0;
}
