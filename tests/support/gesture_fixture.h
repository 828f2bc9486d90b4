#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "input/mouse_controller.h"
#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"

namespace velmor::testing {

platform::Event makeEvent(std::uint32_t type, Point location = {});
platform::Event makeKeyEvent(bool down, std::int64_t keyCode);
platform::Event makeButtonEvent(std::uint32_t type, std::int64_t button);
platform::Event makeWheelEvent(std::int64_t delta);

// A started mouse controller on the simulated platform, in a temporary home, with helpers
// that feed events through the real tap callback.
class GestureFixture : public ::testing::Test {
protected:
    GestureFixture();

    platform::TapResult send(const platform::Event& event);
    platform::TapResult rightDown(double x, double y);
    platform::TapResult rightDrag(double x, double y);
    platform::TapResult rightUp(double x, double y);
    // Drag events every step points along the line from the last point to (x, y).
    void dragTo(double x, double y, double step);
    // A whole stroke: down at the first point, drags through the rest, up at the last.
    void stroke(const std::vector<Point>& points);

    std::vector<sim::SimRecord> records(std::string_view kind) const {
        return platform.recordsOfKind(kind);
    }
    std::string logText() const { return home.logText(); }

    TempHome home;
    sim::SimPlatform platform;
    VLMouseController controller{platform};
    Point last;
};

}  // namespace velmor::testing
