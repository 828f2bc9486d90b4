#include "support/gesture_fixture.h"

#include <cmath>

namespace velmor::testing {

namespace type = platform::event_type;
namespace field = platform::event_field;

platform::Event makeEvent(std::uint32_t eventType, Point location) {
    return platform::Event(eventType, location);
}

platform::Event makeKeyEvent(bool down, std::int64_t keyCode) {
    auto event = makeEvent(down ? type::kKeyDown : type::kKeyUp);
    event.setIntegerField(field::kKeyboardKeycode, keyCode);
    return event;
}

platform::Event makeButtonEvent(std::uint32_t eventType, std::int64_t button) {
    auto event = makeEvent(eventType);
    event.setIntegerField(field::kMouseButtonNumber, button);
    return event;
}

platform::Event makeWheelEvent(std::int64_t delta) {
    auto event = makeEvent(type::kScrollWheel);
    event.setIntegerField(field::kScrollWheelDeltaAxis1, delta);
    return event;
}

GestureFixture::GestureFixture() : platform(sim::SimOptions{home.path(), true, std::nullopt}) {
    platform.setTrusted(true);
    EXPECT_TRUE(controller.start());
    platform.clearRecords();
}

platform::TapResult GestureFixture::send(const platform::Event& event) {
    return platform.deliverEvent(event);
}

platform::TapResult GestureFixture::rightDown(double x, double y) {
    last = {x, y};
    return send(makeEvent(type::kRightMouseDown, last));
}

platform::TapResult GestureFixture::rightDrag(double x, double y) {
    last = {x, y};
    return send(makeEvent(type::kRightMouseDragged, last));
}

platform::TapResult GestureFixture::rightUp(double x, double y) {
    last = {x, y};
    return send(makeEvent(type::kRightMouseUp, last));
}

void GestureFixture::dragTo(double x, double y, double step) {
    const Point from = last;
    const double length = std::hypot(x - from.x, y - from.y);
    const int steps = std::max(1, static_cast<int>(std::ceil(length / step)));
    for (int i = 1; i <= steps; ++i) {
        const double t = i == steps ? 1.0 : std::min(1.0, i * step / length);
        rightDrag(from.x + t * (x - from.x), from.y + t * (y - from.y));
    }
}

void GestureFixture::stroke(const std::vector<Point>& points) {
    rightDown(points.front().x, points.front().y);
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        rightDrag(points[i].x, points[i].y);
    }
    rightUp(points.back().x, points.back().y);
}

}  // namespace velmor::testing
