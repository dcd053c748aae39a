#include "Scalars.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace scrivlette::plist {
namespace {

std::string_view trim(std::string_view text) {
    constexpr std::string_view space = " \t\r\n";
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(space) + 1 - first);
}

template <typename Number> bool parseWhole(std::string_view text, Number& value, int base = 10) {
    const char* end = text.data() + text.size();
    std::from_chars_result result{};
    if constexpr (std::is_floating_point_v<Number>) {
        result = std::from_chars(text.data(), end, value);
    } else {
        result = std::from_chars(text.data(), end, value, base);
    }
    return result.ec == std::errc() && result.ptr == end && !text.empty();
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

} // namespace

std::optional<Integer> parseIntegerText(std::string_view text) {
    text = trim(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t magnitude = 0;
    if (!parseWhole(text, magnitude, base)) {
        return std::nullopt;
    }
    constexpr auto signedMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        if (magnitude > signedMax + 1) {
            return std::nullopt;
        }
        return Integer{static_cast<std::int64_t>(0 - magnitude), false};
    }
    return Integer{static_cast<std::int64_t>(magnitude), magnitude > signedMax};
}

std::optional<double> parseRealText(std::string_view text) {
    text = trim(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0;
    if (!parseWhole(text, value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<Date> parseDateText(std::string_view text) {
    text = trim(text);
    // 2001-01-01T00:00:00Z
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || text[19] != 'Z') {
        return std::nullopt;
    }
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!parseWhole(text.substr(0, 4), year) || !parseWhole(text.substr(5, 2), month) ||
        !parseWhole(text.substr(8, 2), day) || !parseWhole(text.substr(11, 2), hour) ||
        !parseWhole(text.substr(14, 2), minute) || !parseWhole(text.substr(17, 2), second)) {
        return std::nullopt;
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60) {
        return std::nullopt;
    }
    constexpr std::int64_t secondsFrom1970To2001 = 978307200;
    const std::int64_t days = daysFromCivil(year, month, day);
    const std::int64_t seconds =
        days * 86400 + std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + second;
    return Date{static_cast<double>(seconds - secondsFrom1970To2001)};
}

} // namespace scrivlette::plist
