#include "platform/event.h"

namespace velmor::platform {

std::int64_t Event::integerField(int field) const {
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        if (fields_[i].first == field) {
            return fields_[i].second;
        }
    }
    return 0;
}

void Event::setIntegerField(int field, std::int64_t value) {
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        if (fields_[i].first == field) {
            fields_[i].second = value;
            return;
        }
    }
    if (fieldCount_ < kMaxFields) {
        fields_[fieldCount_++] = {field, value};
    }
}

}  // namespace velmor::platform
