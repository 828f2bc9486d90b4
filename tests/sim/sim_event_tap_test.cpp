#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"

namespace velmor::sim {
namespace {

using platform::Event;
using platform::TapResult;
namespace event_type = platform::event_type;

constexpr std::uint64_t kRightButtonMask = (1u << 3) | (1u << 4);

struct EventTapFixture : ::testing::Test {
    testing::TempHome home;
    SimPlatform sim{SimOptions{home.path(), true, std::nullopt}};
    std::vector<std::uint32_t> seen;

    std::unique_ptr<platform::EventTap> makeTap() {
        return sim.events().createSessionTap(
            kRightButtonMask, [this](std::uint32_t type, const Event&) {
                seen.push_back(type);
                // A block queued inside the callback must wait until the callback has returned.
                sim.scheduler().asyncMain([this] { seen.push_back(0); });
                return TapResult::swallow;
            });
    }
    static Event rightDown() { return Event(event_type::kRightMouseDown, Point{10, 20}); }
};

TEST_F(EventTapFixture, RefusedUntrustedThenDeliversOnlyWhileEnabledInTheRunLoop) {
    EXPECT_EQ(makeTap(), nullptr);
    sim.setTrusted(true);
    sim.failNextTapCreation();
    EXPECT_EQ(makeTap(), nullptr);
    EXPECT_EQ(sim.recordsOfKind("tap-refused").size(), 2u);
    sim.failRunLoopSource(true);
    EXPECT_EQ(sim.events().addTapToMainRunLoop(*makeTap()), nullptr);
    sim.failRunLoopSource(false);

    auto tap = makeTap();
    EXPECT_FALSE(tap->isEnabled());
    auto source = sim.events().addTapToMainRunLoop(*tap);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(sim.deliverEvent(rightDown()), TapResult::pass);
    tap->enable(true);
    EXPECT_EQ(sim.deliverEvent(rightDown()), TapResult::swallow);
    EXPECT_EQ(sim.deliverEvent(Event(event_type::kKeyDown, Point{})), TapResult::pass);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{3, 0}));
    const auto events = sim.recordsOfKind("event");
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].fields,
              (Value::Dictionary{{"type", Value::integer(3)}, {"result", Value("swallow")}}));

    // The system turns the tap off, with a notice to the callback or silently.
    EXPECT_TRUE(sim.disableTap(true));
    EXPECT_FALSE(tap->isEnabled());
    EXPECT_TRUE(sim.disableTap(false));
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{3, 0, event_type::kTapDisabledByTimeout, 0,
                                                event_type::kTapDisabledByUserInput, 0}));
    tap->enable(true);
    EXPECT_TRUE(sim.disableTapSilently());
    EXPECT_FALSE(sim.tapEnabled());
    EXPECT_EQ(seen.size(), 6u);

    source.reset();
    EXPECT_EQ(sim.deliverEvent(rightDown()), TapResult::pass);
    tap.reset();
    EXPECT_FALSE(sim.tapExists());
    EXPECT_EQ(sim.recordsOfKind("run-loop-source-removed").size(), 1u);
    EXPECT_EQ(sim.recordsOfKind("tap-released").size(), 2u);
}

TEST_F(EventTapFixture, HandlesOutlivingThePlatformAreHarmless) {
    std::unique_ptr<platform::EventTap> tap;
    std::unique_ptr<platform::Timer> timer;
    {
        testing::TempHome other;
        SimPlatform brief{SimOptions{other.path(), true, std::nullopt}};
        brief.setTrusted(true);
        tap = brief.events().createSessionTap(kRightButtonMask, {});
        timer = brief.scheduler().scheduleRepeatingTimer(1.0, {},
                                                         platform::TimerMode::pausesDuringModal);
    }
    tap->enable(true);
    EXPECT_FALSE(tap->isEnabled());
    EXPECT_FALSE(timer->isValid());
}

TEST_F(EventTapFixture, PostedEventsAreRecordedWithTheirFields) {
    auto& events = sim.events();
    auto source = events.createEventSource();
    ASSERT_NE(source, nullptr);
    Event key = *events.createKeyboardEvent(*source, 13, true);
    key.flags = 0x100000;
    events.post(key);
    Event click = *events.createMouseEvent(*source, 4, Point{5.5, 6}, 1);
    click.setIntegerField(platform::event_field::kSourceUserData, 0x564C515A);
    events.post(click);
    events.post(*events.createScrollWheelEvent(*source, -2000));
    platform::SystemDefinedEvent media;
    media.subtype = 8;
    media.data1 = 0x100A00;
    media.data2 = -1;
    EXPECT_TRUE(events.postSystemDefined(media));

    const auto& records = sim.records();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].kind, "key");
    EXPECT_EQ(records[0].fields, (Value::Dictionary{{"key", Value::integer(13)},
                                                    {"flags", Value::integer(0x100000)},
                                                    {"down", Value::boolean(true)}}));
    EXPECT_EQ(records[1].fields, (Value::Dictionary{{"type", Value::integer(4)},
                                                    {"x", Value::real(5.5)},
                                                    {"y", Value::real(6)},
                                                    {"marker", Value::integer(1447842138)}}));
    EXPECT_EQ(records[2].fields, (Value::Dictionary{{"delta", Value::integer(-2000)}}));
    EXPECT_EQ(records[3].fields, (Value::Dictionary{{"media", Value::integer(16)},
                                                    {"data1", Value::integer(0x100A00)}}));
}

}  // namespace
}  // namespace velmor::sim
