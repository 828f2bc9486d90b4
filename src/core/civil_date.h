#pragma once

#include <cstdint>

namespace velmor {

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Proleptic Gregorian calendar, days counted from 1970-01-01 (H. Hinnant's algorithms).
CivilDate civilFromDays(std::int64_t days);
std::int64_t daysFromCivil(CivilDate date);

}  // namespace velmor
