#include "core/snpp/hold_time.h"

#include <charconv>
#include <ctime>
#include <string>

namespace tonalink::snpp {
namespace {

std::optional<int> digitsValue(std::string_view text) {
    int value = 0;
    if (text.empty())
        return std::nullopt;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool allDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// "+HH" or "+HHMM" (or '-'): seconds east of GMT.
std::optional<int64_t> gmtOffset(std::string_view text) {
    if ((text.size() != 3 && text.size() != 5) || (text[0] != '+' && text[0] != '-') ||
        !allDigits(text.substr(1)))
        return std::nullopt;
    const int hours = *digitsValue(text.substr(1, 2));
    const int minutes = text.size() == 5 ? *digitsValue(text.substr(3, 2)) : 0;
    if (hours > 14 || minutes > 59)
        return std::nullopt;
    const int64_t seconds = hours * 3600 + minutes * 60;
    return text[0] == '-' ? -seconds : seconds;
}

} // namespace

std::optional<int64_t> parseHoldTime(std::string_view argument) {
    const std::size_t space = argument.find(' ');
    std::string_view stamp = argument.substr(0, space);
    std::string_view rest =
        space == std::string_view::npos ? std::string_view() : argument.substr(space + 1);
    while (rest.starts_with(' '))
        rest.remove_prefix(1);
    while (rest.ends_with(' '))
        rest.remove_suffix(1);
    if (!allDigits(stamp) || (stamp.size() != 10 && stamp.size() != 12 && stamp.size() != 14))
        return std::nullopt;
    const std::size_t yearDigits = stamp.size() == 14 ? 4 : 2;
    int year = *digitsValue(stamp.substr(0, yearDigits));
    if (yearDigits == 2)
        year += 2000;
    stamp.remove_prefix(yearDigits);
    const int month = *digitsValue(stamp.substr(0, 2));
    const int day = *digitsValue(stamp.substr(2, 2));
    const int hour = *digitsValue(stamp.substr(4, 2));
    const int minute = *digitsValue(stamp.substr(6, 2));
    const int second = stamp.size() == 10 ? *digitsValue(stamp.substr(8, 2)) : 0;
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) ||
        hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    if (rest.empty()) {
        time.tm_isdst = -1;
        return static_cast<int64_t>(std::mktime(&time));
    }
    const std::optional<int64_t> offset = gmtOffset(rest);
    if (!offset)
        return std::nullopt;
    return static_cast<int64_t>(timegm(&time)) - *offset;
}

} // namespace tonalink::snpp
