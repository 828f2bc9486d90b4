#include "core/xml_date_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/civil_date.h"

namespace velmor {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kDaysFrom1970To2001 = 11323;

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
    const CivilTime time = civilTimeFromSeconds(whole + kDaysFrom1970To2001 * kSecondsPerDay);
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02u:%02u:%02uZ",
                  static_cast<long long>(time.date.year), time.date.month, time.date.day, time.hour,
                  time.minute, time.second);
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
