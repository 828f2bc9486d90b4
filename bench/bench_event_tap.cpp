// The tap callback sits on the path of every mouse and key event of the session.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "input/excluded_applications.h"
#include "input/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace {

using namespace velmor;

// Events are stamped a millisecond apart from a realistic uptime on.
constexpr platform::InputTime kFirstEventTime = 3600ULL * 1'000'000'000;

struct TapBench {
    TapBench()
        : home(std::filesystem::temp_directory_path() / "velmor-bench-event-tap"),
          platform(sim::SimOptions{home, true, std::nullopt}),
          controller(platform) {
        std::filesystem::create_directories(home / "Desktop");
        platform.setTrusted(true);
        controller.start();
    }
    ~TapBench() {
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
    }

    std::filesystem::path home;
    sim::SimPlatform platform;
    VLMouseController controller;
};

// A zigzag of 3000 trace points that no recogniser claims, so the release runs the whole
// chain down to the replayed right click.
Point zigzagPoint(int i) {
    return {100.0 + 4.0 * (i % 200), 100.0 + 4.0 * (i / 200) + ((i / 200) % 2) * 0.5};
}

// A circle drawn over and over: it passes the cheap circle tests, so the swept angle of
// every point is measured, and the normalisation and the M test walk all of it too.
Point spiralPoint(int i) {
    const double angle = i * 0.025;
    const double radius = 150.0 + 0.01 * i;
    return {400.0 + radius * std::cos(angle), 400.0 + radius * std::sin(angle)};
}

void BM_DragEventThroughCallback(benchmark::State& state) {
    TapBench bench;
    bench.controller.handleEvent(platform::event_type::kRightMouseDown,
                                 platform::Event(platform::event_type::kRightMouseDown, {0, 0}));
    platform::Event drag(platform::event_type::kRightMouseDragged, {0, 0});
    double x = 0;
    for (auto _ : state) {
        x += 4.0;
        drag.location = {std::fmod(x, 2000.0), 10.0};
        benchmark::DoNotOptimize(
            bench.controller.handleEvent(platform::event_type::kRightMouseDragged, drag));
    }
}
BENCHMARK(BM_DragEventThroughCallback);

// A right press with 20 excluded applications, timed with its release (pausing the timer
// would cost more than the press). Argument 1: the frontmost application is the last one
// listed, so the hold is passed on; 0: it is not listed, so the press begins a stroke and
// the release replays the click.
void BM_RightPressWithTwentyExcludedApplications(benchmark::State& state) {
    TapBench bench;
    Value::Array ids;
    for (int i = 0; i < 20; ++i) {
        ids.emplace_back("com.example.application-" + std::to_string(i));
    }
    bench.platform.defaults().set(kExcludedApplicationsKey, Value(std::move(ids)));
    const bool excluded = state.range(0) == 1;
    bench.platform.setFrontmostApplication(
        excluded ? "com.example.application-19" : "com.example.other", 42);
    const platform::Event down(platform::event_type::kRightMouseDown, {10, 10});
    const platform::Event up(platform::event_type::kRightMouseUp, {10, 10});
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            bench.controller.handleEvent(platform::event_type::kRightMouseDown, down));
        benchmark::DoNotOptimize(
            bench.controller.handleEvent(platform::event_type::kRightMouseUp, up));
        bench.platform.clearRecords();
    }
    state.SetLabel(excluded ? "excluded: passed on" : "not excluded: a stroke begins");
}
BENCHMARK(BM_RightPressWithTwentyExcludedApplications)->Arg(1)->Arg(0);

template <Point (*pointAt)(int)>
void BM_ReleaseDispatchOf3000PointStroke(benchmark::State& state) {
    TapBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.platform.clearRecords();
        bench.controller.beginGestureAtPoint(pointAt(0));
        for (int i = 1; i < 3000; ++i) {
            bench.controller.recordGesturePoint(
                pointAt(i), kFirstEventTime + i * platform::kNanosecondsPerMillisecond);
        }
        state.ResumeTiming();
        bench.controller.finishGestureAtPoint(
            pointAt(2999), kFirstEventTime + 2999 * platform::kNanosecondsPerMillisecond);
    }
    state.counters["trace"] = static_cast<double>(bench.controller.stroke().trace.size());
}
BENCHMARK(BM_ReleaseDispatchOf3000PointStroke<zigzagPoint>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReleaseDispatchOf3000PointStroke<spiralPoint>)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
