#include "core/date_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/civil_date.h"

namespace velmor {

std::string dateDescription(double secondsSince1970) {
    const CivilTime time =
        civilTimeFromSeconds(static_cast<std::int64_t>(std::floor(secondsSince1970)));
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02u %02u:%02u:%02u +0000",
                  static_cast<long long>(time.date.year), time.date.month, time.date.day, time.hour,
                  time.minute, time.second);
    return text;
}

}  // namespace velmor
