#include "platform/event.h"

namespace velmor::platform {

Event Event::keyboard(std::uint16_t keyCode, bool keyDown, Point where) {
    Event event(keyDown ? event_type::kKeyDown : event_type::kKeyUp, where);
    event.setIntegerField(event_field::kKeyboardKeycode, keyCode);
    return event;
}

Event Event::mouse(std::uint32_t eventType, Point where, int button) {
    Event event(eventType, where);
    event.setIntegerField(event_field::kMouseButtonNumber, button);
    return event;
}

Event Event::scrollWheel(std::int32_t delta, bool continuous, Point where) {
    Event event(event_type::kScrollWheel, where);
    event.setIntegerField(event_field::kScrollWheelDeltaAxis1, delta);
    event.setIntegerField(event_field::kScrollWheelEventIsContinuous, continuous ? 1 : 0);
    return event;
}

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
