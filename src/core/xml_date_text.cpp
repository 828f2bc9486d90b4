#include "core/xml_date_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace velmor {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kDaysFrom1970To2001 = 11323;

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Proleptic Gregorian calendar, days counted from 1970-01-01 (H. Hinnant's algorithms).
CivilDate civilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<std::uint64_t>(days - era * 146097);
    const std::uint64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::uint64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::uint64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<unsigned>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const auto month = static_cast<unsigned>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);
    return {year, month, day};
}

std::int64_t daysFromCivil(CivilDate date) {
    const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<std::uint64_t>(year - era * 400);
    const std::uint64_t monthIndex = date.month > 2 ? date.month - 3 : date.month + 9;
    const std::uint64_t dayOfYear = (153 * monthIndex + 2) / 5 + date.day - 1;
    const std::uint64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

std::optional<unsigned> digitsAt(std::string_view text, std::size_t offset, std::size_t count) {
    unsigned number = 0;
    const char* first = text.data() + offset;
    const auto [end, error] = std::from_chars(first, first + count, number);
    if (error != std::errc() || end != first + count) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

std::string xmlDateText(double secondsSince2001) {
    // Far beyond any calendar a property list can hold: keep the arithmetic defined.
    constexpr double kLimit = 1e15;
    const double clamped = std::isnan(secondsSince2001)
                               ? 0.0
                               : std::fmax(-kLimit, std::fmin(kLimit, secondsSince2001));
    const auto whole = static_cast<std::int64_t>(std::floor(clamped));
    std::int64_t days = whole / kSecondsPerDay;
    std::int64_t secondOfDay = whole % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        days -= 1;
    }
    const CivilDate date = civilFromDays(days + kDaysFrom1970To2001);
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02lld:%02lld:%02lldZ",
                  static_cast<long long>(date.year), date.month, date.day,
                  static_cast<long long>(secondOfDay / 3600),
                  static_cast<long long>(secondOfDay / 60 % 60),
                  static_cast<long long>(secondOfDay % 60));
    return text;
}

std::optional<double> parseXmlDateText(std::string_view text) {
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || text[19] != 'Z') {
        return std::nullopt;
    }
    const auto year = digitsAt(text, 0, 4);
    const auto month = digitsAt(text, 5, 2);
    const auto day = digitsAt(text, 8, 2);
    const auto hour = digitsAt(text, 11, 2);
    const auto minute = digitsAt(text, 14, 2);
    const auto second = digitsAt(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second || *month < 1 || *month > 12 ||
        *day < 1 || *day > 31 || *hour > 23 || *minute > 59 || *second > 60) {
        return std::nullopt;
    }
    const std::int64_t days = daysFromCivil({*year, *month, *day}) - kDaysFrom1970To2001;
    return static_cast<double>(days * kSecondsPerDay + *hour * 3600 + *minute * 60 + *second);
}

}  // namespace velmor
