// The core on the desktop's main loop and worker threads, so that a data race between the
// main thread and a background block shows in the ThreadSanitizer build.
#include <gtest/gtest.h>

#include "app/app_entry.h"
#include "platform/sim/sim_platform.h"
#include "platform/x11/glib_scheduler.h"
#include "support/temp_home.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

namespace type = platform::event_type;
namespace field = platform::event_field;

// The simulated platform with the real scheduler in place of its queues.
class ThreadedPlatform : public platform::Platform {
public:
    explicit ThreadedPlatform(sim::SimPlatform& sim) : sim_(sim) {}

    platform::EventServices& events() override { return sim_.events(); }
    platform::Accessibility& accessibility() override { return sim_.accessibility(); }
    platform::Workspace& workspace() override { return sim_.workspace(); }
    platform::Ui& ui() override { return sim_.ui(); }
    platform::Scheduler& scheduler() override { return scheduler_; }
    platform::Processes& processes() override { return sim_.processes(); }
    platform::UserDefaults& defaults() override { return sim_.defaults(); }
    platform::NotificationCenter& notifications() override { return sim_.notifications(); }
    platform::SystemActions& systemActions() override { return sim_.systemActions(); }
    platform::LoginItem& loginItem() override { return sim_.loginItem(); }
    platform::Paths& paths() override { return sim_.paths(); }
    std::filesystem::path homeDirectory() const override { return sim_.homeDirectory(); }

private:
    sim::SimPlatform& sim_;
    GlibScheduler scheduler_;
};

TEST(ThreadedCore, GesturesWhoseWorkRunsInTheBackgroundWhileInputGoesOn) {
    velmor::testing::TempHome home;
    sim::SimPlatform sim(sim::SimOptions{home.path(), true, std::nullopt});
    sim.setTrusted(true);
    sim.setFrontmostApplication("com.google.Chrome", 200, "Search");
    ThreadedPlatform platform(sim);
    const auto delegate = VLRunApplicationEntry(platform);

    const auto send = [&](std::uint32_t eventType, Point where) {
        sim.deliverEvent(platform::Event(eventType, where));
    };
    const auto stroke = [&](std::initializer_list<Point> points) {
        send(type::kRightMouseDown, *points.begin());
        for (const Point& point : points) {
            send(type::kRightMouseDragged, point);
        }
        send(type::kRightMouseUp, *(points.end() - 1));
    };
    const auto count = [&](std::string_view kind) { return sim.recordsOfKind(kind).size(); };
    for (std::size_t round = 1; round <= 3; ++round) {
        const std::size_t volumeSteps = count("process");
        stroke({{600, 500}, {600, 400}, {600, 300}});  // scroll burst in the background
        stroke({{600, 400}, {500, 400}, {450, 400}});  // browser back, window title asked
        stroke({{300, 300}, {400, 300}, {400, 400}});  // minimise in the background
        send(type::kRightMouseDown, {100, 100});
        platform::Event wheel(type::kScrollWheel, {100, 100});
        wheel.setIntegerField(field::kScrollWheelDeltaAxis1, -1);
        // A second apart, as the rounds come: the simulated clock that stamps the other
        // events does not move here.
        wheel.timestamp = round * 1'000'000'000ULL;
        sim.deliverEvent(wheel);  // a volume step on its serial queue
        send(type::kRightMouseUp, {100, 100});
        ASSERT_TRUE(turnUntil([&] {
            return count("scroll") == round * 140 && count("key") == round * 2 &&
                   count("minimize") == 1 && count("process") > volumeSteps;
        })) << "round "
            << round << ": " << count("scroll") << " scrolls, " << count("key") << " keys, "
            << count("minimize") << " minimised";
    }
}

}  // namespace
}  // namespace velmor::x11::testing
