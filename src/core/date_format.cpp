#include "core/date_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/civil_date.h"

namespace velmor {

std::string dateDescription(double secondsSince1970) {
    const auto whole = static_cast<std::int64_t>(std::floor(secondsSince1970));
    std::int64_t days = whole / 86400;
    std::int64_t secondOfDay = whole % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        days -= 1;
    }
    const CivilDate date = civilFromDays(days);
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02u %02lld:%02lld:%02lld +0000",
                  static_cast<long long>(date.year), date.month, date.day,
                  static_cast<long long>(secondOfDay / 3600),
                  static_cast<long long>(secondOfDay / 60 % 60),
                  static_cast<long long>(secondOfDay % 60));
    return text;
}

}  // namespace velmor
