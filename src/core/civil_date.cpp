#include "core/civil_date.h"

namespace velmor {

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

CivilTime civilTimeFromSeconds(std::int64_t secondsSince1970) {
    constexpr std::int64_t kSecondsPerDay = 86400;
    std::int64_t days = secondsSince1970 / kSecondsPerDay;
    std::int64_t secondOfDay = secondsSince1970 % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        days -= 1;
    }
    const auto second = static_cast<unsigned>(secondOfDay);
    return {civilFromDays(days), second / 3600, second / 60 % 60, second % 60};
}

}  // namespace velmor
