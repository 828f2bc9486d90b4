// The tap callback sits on the path of every mouse and key event of the session.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "input/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace {

using namespace velmor;

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

template <Point (*pointAt)(int)>
void BM_ReleaseDispatchOf3000PointStroke(benchmark::State& state) {
    TapBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.platform.clearRecords();
        bench.controller.beginGestureAtPoint(pointAt(0));
        for (int i = 1; i < 3000; ++i) {
            bench.controller.recordGesturePoint(pointAt(i));
        }
        state.ResumeTiming();
        bench.controller.finishGestureAtPoint(pointAt(2999));
    }
    state.counters["trace"] = static_cast<double>(bench.controller.stroke().trace.size());
}
BENCHMARK(BM_ReleaseDispatchOf3000PointStroke<zigzagPoint>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReleaseDispatchOf3000PointStroke<spiralPoint>)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
