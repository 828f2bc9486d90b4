// Letter matching runs inside the event-tap callback on every right-button release, so its
// whole cost (normalisation, settings reads, 78 comparisons) must stay far below the time
// after which the system disables a slow tap.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "letters/letter_recognition.h"
#include "letters/letter_sample.h"
#include "letters/letter_store.h"
#include "letters/stroke_distance.h"
#include "letters/stroke_normalization.h"
#include "platform/sim/sim_platform.h"

namespace velmor {
namespace {

// A closed or open loop with a wobble: a different letter-like shape for every seed.
std::vector<Point> loopStroke(int seed, std::size_t points) {
    std::vector<Point> trace;
    const double sweep = (200.0 + 7.0 * seed) * std::numbers::pi / 180.0;
    const double wobble = 0.05 * (seed % 5);
    for (std::size_t i = 0; i < points; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(points - 1);
        const double angle = -std::numbers::pi / 2 - sweep * t;
        const double radius = 100.0 * (1.0 + wobble * std::sin(angle * (seed % 4 + 2)));
        trace.push_back({300 + radius * std::cos(angle), 300 + radius * 1.3 * std::sin(angle)});
    }
    return trace;
}

// A home folder for the log, removed when the benchmark program ends.
struct BenchHome {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / "velmor-bench-letter-matching";
    BenchHome() { std::filesystem::create_directories(path / "Desktop"); }
    ~BenchHome() { std::filesystem::remove_all(path); }
};

// All 26 letters trained with three samples each and bound to an action.
struct TrainedAlphabet {
    BenchHome home;
    sim::SimPlatform platform{sim::SimOptions{home.path, true, std::nullopt}};
    std::vector<Point> stroke = loopStroke(11, 3000);

    TrainedAlphabet() {
        int seed = 0;
        for (const std::string& letter : alphabetLetters()) {
            Value::Array samples;
            for (int drawing = 0; drawing < 3; ++drawing) {
                samples.push_back(letterSampleValue(
                    *VLNormalizeAlphabetStroke(loopStroke(seed + drawing * 26, 200))));
            }
            platform.defaults().set(VLLetterTemplatesKey(letter), Value(std::move(samples)));
            platform.defaults().setString(VLLetterActionKey(letter),
                                          "/Applications/" + letter + ".app");
            ++seed;
        }
    }
};

TrainedAlphabet& alphabet() {
    static TrainedAlphabet trained;
    return trained;
}

void BM_MatchAlphabetStroke(benchmark::State& state) {
    TrainedAlphabet& trained = alphabet();
    for (auto _ : state) {
        benchmark::DoNotOptimize(VLMatchAlphabetStroke(trained.platform, trained.stroke));
    }
    // Whether the stroke came near a letter, so that every run also wrote a log line.
    state.SetLabel(std::filesystem::exists(trained.home.path / "Desktop/Velmor_GestureLog.txt")
                       ? "with log line"
                       : "no log line");
}
BENCHMARK(BM_MatchAlphabetStroke)->Unit(benchmark::kMicrosecond);

void BM_NormalizeStroke3000(benchmark::State& state) {
    const std::vector<Point> stroke = alphabet().stroke;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VLNormalizeAlphabetStroke(stroke));
    }
}
BENCHMARK(BM_NormalizeStroke3000)->Unit(benchmark::kMicrosecond);

// The settings reads of one stroke: all 26 letters' samples and actions.
void BM_ReadAlphabetSettings(benchmark::State& state) {
    auto& platform = alphabet().platform;
    platform::UserDefaults& defaults = platform.defaults();
    for (auto _ : state) {
        for (const std::string& letter : alphabetLetters()) {
            benchmark::DoNotOptimize(VLLetterSamples(defaults, letter));
            benchmark::DoNotOptimize(VLLetterAction(platform, letter));
        }
    }
}
BENCHMARK(BM_ReadAlphabetSettings)->Unit(benchmark::kMicrosecond);

// Turning the 78 stored property-list samples into points.
void BM_DecodeStoredSamples(benchmark::State& state) {
    auto& platform = alphabet().platform;
    platform::UserDefaults& defaults = platform.defaults();
    std::vector<Value> stored;
    for (const std::string& letter : alphabetLetters()) {
        for (const Value& sample : *VLLetterSamples(defaults, letter)->asArray()) {
            stored.push_back(sample);
        }
    }
    for (auto _ : state) {
        for (const Value& sample : stored) {
            benchmark::DoNotOptimize(letterSampleFromValue(sample));
        }
    }
}
BENCHMARK(BM_DecodeStoredSamples)->Unit(benchmark::kMicrosecond);

struct SamplePair {
    LetterSample a = *VLNormalizeAlphabetStroke(loopStroke(3, 300));
    LetterSample b = *VLNormalizeAlphabetStroke(loopStroke(9, 300));
};

void BM_StrokeError(benchmark::State& state) {
    const SamplePair pair;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VLStrokeError(pair.a, pair.b));
    }
}
BENCHMARK(BM_StrokeError);

void BM_StrokeCurveError(benchmark::State& state) {
    const SamplePair pair;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VLStrokeCurveError(pair.a, pair.b));
    }
}
BENCHMARK(BM_StrokeCurveError);

void BM_AdaptiveStrokeError(benchmark::State& state) {
    const SamplePair pair;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VLAdaptiveStrokeError(pair.a, pair.b));
    }
}
BENCHMARK(BM_AdaptiveStrokeError);

}  // namespace
}  // namespace velmor

BENCHMARK_MAIN();
