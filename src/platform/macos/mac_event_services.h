#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/event_services.h"

namespace velmor::macos {

// Quartz event services: a session event tap at the head of the taps, its source on the
// main run loop in the common modes, the combined session key state, and events created
// and posted at the HID level. The program's own events carry the marker in their
// source-user-data field.
class MacEventServices : public platform::EventServices {
public:
    std::unique_ptr<platform::EventTap> createSessionTap(std::uint64_t eventMask,
                                                         platform::TapCallback callback) override;
    std::unique_ptr<platform::RunLoopSource> addTapToMainRunLoop(platform::EventTap& tap) override;
    bool isKeyDown(std::uint16_t keyCode) const override;
    std::uint16_t keyCode(platform::Key key) const override;
    std::unique_ptr<platform::EventSource> createEventSource() override;
    std::optional<platform::Event> createKeyboardEvent(const platform::EventSource& source,
                                                       std::uint16_t keyCode,
                                                       bool keyDown) override;
    std::optional<platform::Event> createMouseEvent(const platform::EventSource& source,
                                                    std::uint32_t type, Point location,
                                                    int button) override;
    std::optional<platform::Event> createScrollWheelEvent(const platform::EventSource& source,
                                                          platform::ScrollUnit units,
                                                          std::uint32_t wheelCount,
                                                          std::int32_t delta) override;
    void post(const platform::Event& event) override;
    void postOwn(const platform::Event& event) override;
    bool isOwn(const platform::Event& event) const override;
    bool postSystemDefined(const platform::SystemDefinedEvent& event) override;
};

}  // namespace velmor::macos
