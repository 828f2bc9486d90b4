#include "replay/session_runner.h"

#include <cmath>

#include "app/app_entry.h"
#include "gestures/synthetic_input.h"
#include "log/gesture_log.h"
#include "platform/macos_tables/macos_keys.h"

namespace velmor {

namespace {

namespace event_type = platform::event_type;
namespace event_field = platform::event_field;

constexpr std::int64_t kMiddleButton = 2;

const std::string& word(const SessionCommand& command, std::size_t index) {
    return command.arguments[index].text;
}

// The parser has checked every number already.
double numberAt(const SessionCommand& command, std::size_t index) {
    return sessionNumber(word(command, index)).value_or(0.0);
}

long long integerAt(const SessionCommand& command, std::size_t index) {
    return sessionInteger(word(command, index)).value_or(0);
}

Point pointAt(const SessionCommand& command) {
    return Point{numberAt(command, 0), numberAt(command, 1)};
}

bool isInputCommand(std::string_view name) {
    for (const std::string_view input :
         {"right-down", "right-drag", "right-up", "drag-to", "marked-right-down", "marked-right-up",
          "wheel", "middle-down", "middle-up", "key-down", "key-up"}) {
        if (name == input) {
            return true;
        }
    }
    return false;
}

}  // namespace

SessionRunner::SessionRunner(sim::SimPlatform& sim, Transcript& transcript)
    : sim_(sim), transcript_(transcript), logTail_(VLGestureLogPath(sim)) {
    sim_.setRecordListener([this](const sim::SimRecord& record) {
        emitLogLines();
        transcript_.write(record.t, record.kind, record.fields);
    });
}

SessionRunner::~SessionRunner() {
    sim_.setRecordListener({});
}

std::optional<std::string> SessionRunner::run(const SessionCommand& command) {
    std::optional<std::string> failure;
    if (command.name == "launch") {
        launch();
    } else if (command.name == "wait") {
        sim_.advance(numberAt(command, 0));
    } else if (command.name == "menu") {
        failure = runMenu(command);
    } else if (command.name == "defaults") {
        runDefaults(command);
    } else if (command.name == "show") {
        runShow(command);
    } else if (isInputCommand(command.name)) {
        runInput(command);
    } else {
        runScript(command);
    }
    emitLogLines();
    return failure;
}

void SessionRunner::launch() {
    {
        // The start-up runs on the main run loop; its queued blocks run after it returns.
        sim::SimScheduler::CallbackScope mainThread(sim_.simScheduler());
        delegate_ = VLRunApplicationEntry(sim_);
    }
    sim_.runUntilIdle();
}

void SessionRunner::deliver(std::uint32_t type, Point where,
                            std::optional<std::int64_t> markerField) {
    platform::Event event(type, where);
    if (markerField) {
        event.setIntegerField(event_field::kSourceUserData, *markerField);
    }
    sim_.deliverEvent(event);
}

void SessionRunner::dragTo(Point target, double step) {
    const Point from = lastPoint_;
    const double length = distanceBetween(from, target);
    const auto count = std::max<long long>(1, static_cast<long long>(std::ceil(length / step)));
    for (long long index = 1; index <= count; ++index) {
        const double share = index == count ? 1.0 : static_cast<double>(index) * step / length;
        const Point point = index == count ? target
                                           : Point{from.x + (target.x - from.x) * share,
                                                   from.y + (target.y - from.y) * share};
        deliver(event_type::kRightMouseDragged, point);
    }
    lastPoint_ = target;
}

void SessionRunner::runInput(const SessionCommand& command) {
    const std::string& name = command.name;
    const auto keyEvent = [&](bool down) {
        const auto code = static_cast<std::uint16_t>(integerAt(command, 0));
        sim_.setKeyDown(code, down);
        platform::Event event(down ? event_type::kKeyDown : event_type::kKeyUp, lastPoint_);
        event.setIntegerField(event_field::kKeyboardKeycode, code);
        sim_.deliverEvent(event);
    };
    const auto otherMouse = [&](std::uint32_t type) {
        platform::Event event(type, lastPoint_);
        event.setIntegerField(event_field::kMouseButtonNumber, kMiddleButton);
        sim_.deliverEvent(event);
    };
    if (name == "right-down" || name == "right-drag" || name == "right-up") {
        lastPoint_ = pointAt(command);
        deliver(name == "right-down"   ? event_type::kRightMouseDown
                : name == "right-drag" ? event_type::kRightMouseDragged
                                       : event_type::kRightMouseUp,
                lastPoint_);
    } else if (name == "marked-right-down" || name == "marked-right-up") {
        lastPoint_ = pointAt(command);
        deliver(
            name == "marked-right-down" ? event_type::kRightMouseDown : event_type::kRightMouseUp,
            lastPoint_, macos::kSyntheticEventMarker);
    } else if (name == "drag-to") {
        dragTo(pointAt(command), numberAt(command, 2));
    } else if (name == "wheel") {
        platform::Event event(event_type::kScrollWheel, lastPoint_);
        event.setIntegerField(event_field::kScrollWheelDeltaAxis1, integerAt(command, 0));
        sim_.deliverEvent(event);
    } else if (name == "middle-down" || name == "middle-up") {
        otherMouse(name == "middle-down" ? event_type::kOtherMouseDown : event_type::kOtherMouseUp);
    } else if (name == "key-down" || name == "key-up") {
        keyEvent(name == "key-down");
    }
}

}  // namespace velmor
