#pragma once

#include <cstdint>

namespace velmor {

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

struct CivilTime {
    CivilDate date;
    unsigned hour;
    unsigned minute;
    unsigned second;
};

// Proleptic Gregorian calendar, days counted from 1970-01-01 (H. Hinnant's algorithms).
CivilDate civilFromDays(std::int64_t days);
std::int64_t daysFromCivil(CivilDate date);
// Whole seconds counted from 1970-01-01 00:00:00 UTC, before 1970 too.
CivilTime civilTimeFromSeconds(std::int64_t secondsSince1970);

}  // namespace velmor
