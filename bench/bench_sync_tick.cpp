// One sync tick over a share folder that has grown to 10,000 event files: the first tick of
// a fresh program, a following tick that finds 10 new files, the full re-read that a reader
// without its kept parses would do on every tick, and a kept re-read beside files that are
// not events yet.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/property_list.h"
#include "core/uuid.h"
#include "letters/letter_store.h"
#include "platform/files.h"
#include "platform/sim/sim_platform.h"
#include "sync/latest_events.h"
#include "sync/velmor_sync.h"

namespace {

using namespace velmor;
namespace fs = std::filesystem;

constexpr int kHistoryFiles = 10000;
constexpr int kNewFilesPerTick = 10;
constexpr double kHistoryStart = 1.7e9;

class QuietHost : public VLStudioHost {
public:
    void studioNotice(const std::string&, const std::string&) override {}
    void refreshAlphabetMenu() override {}
};

Value samples(double seed) {
    Value::Array all;
    for (int s = 0; s < 3; ++s) {
        Value::Array sample;
        for (int p = 0; p < 48; ++p) {
            sample.push_back(Value(
                Value::Array{Value::real(p / 47.0 + seed), Value::real(0.3 * s + seed * 0.001)}));
        }
        all.push_back(Value(std::move(sample)));
    }
    return Value(std::move(all));
}

// Every tenth event retrains a letter, the others bind an action: the mix of a long history.
fs::path writeEvent(const fs::path& folder, int number, double timestamp) {
    const auto& letter = alphabetLetters()[static_cast<std::size_t>(number) % 26];
    bool isSamples = number % 10 == 0;
    auto id = makeUuidString();
    Value::Dictionary event{
        {"format", Value::integer(2)},
        {"id", Value(id)},
        {"device", Value("BENCH-DEVICE")},
        {"letter", Value(letter)},
        {"kind", Value(isSamples ? "samples" : "action")},
        {"timestamp", Value::real(timestamp)},
        {"deleted", Value::integer(0)},
        {"value", isSamples ? samples(number * 1e-4)
                            : Value("/Applications/App" + std::to_string(number) + ".app")},
    };
    auto path = folder / (id + ".plist");
    files::writeAtomically(path, serializeXmlPropertyList(Value(event)));
    return path;
}

// A home folder and a share folder that grows across the benchmarks of one run.
struct Bench {
    fs::path root = fs::temp_directory_path() /
                    ("velmor-bench-" +
                     std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::path events = root / "Share/VelmorSync-v2/Events";
    sim::SimPlatform platform{sim::SimOptions{root / "Home", false, std::nullopt}};
    QuietHost host;
    int written = 0;

    Bench() {
        fs::create_directories(events);
        fs::create_directories(root / "Home/Desktop");
        while (written < kHistoryFiles) {
            writeEvent(events, written, kHistoryStart + written);
            ++written;
        }
        auto& defaults = platform.defaults();
        defaults.setString("VLVelmorSyncV2Folder", (root / "Share").string());
        defaults.setBoolean("VLVelmorSyncV2Enabled", true);
        // Take the history in once, so that later ticks publish nothing of their own.
        VLVelmorSync sync(platform, host);
        sync.velmorSyncTick();
    }
    ~Bench() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    // New events from another Mac, each replacing a letter's value.
    std::vector<fs::path> writeNewEvents(int count) {
        std::vector<fs::path> paths;
        for (int i = 0; i < count; ++i, ++written) {
            paths.push_back(writeEvent(events, written, kHistoryStart + written));
        }
        return paths;
    }
};

Bench& bench() {
    static Bench instance;
    return instance;
}

void BM_FirstTick(benchmark::State& state) {
    auto& b = bench();
    for (auto _ : state) {
        VLVelmorSync sync(b.platform, b.host);
        sync.velmorSyncTick();
    }
}
BENCHMARK(BM_FirstTick)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);

// The history stays at 10,000 files: the new files are taken away again, untimed.
void BM_FollowingTickWithNewFiles(benchmark::State& state) {
    auto& b = bench();
    VLVelmorSync sync(b.platform, b.host);
    sync.velmorSyncTick();
    for (auto _ : state) {
        state.PauseTiming();
        auto added = b.writeNewEvents(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        sync.velmorSyncTick();
        state.PauseTiming();
        for (const auto& path : added) {
            fs::remove(path);
        }
        sync.velmorSyncTick();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FollowingTickWithNewFiles)
    ->Arg(0)
    ->Arg(kNewFilesPerTick)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5);

void BM_FullReRead(benchmark::State& state) {
    auto& b = bench();
    for (auto _ : state) {
        LatestEventsReader reader;
        benchmark::DoNotOptimize(reader.read(b.events));
    }
}
BENCHMARK(BM_FullReRead)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);

// Half-copied event files, which hold no event and are read again on every tick.
std::vector<fs::path> writeHalfCopiedFiles(const fs::path& folder, int count) {
    std::vector<fs::path> paths;
    for (int i = 0; i < count; ++i) {
        auto whole = writeEvent(folder, i, kHistoryStart);
        auto bytes = files::readRegularFile(whole, 1u << 20).value_or("");
        files::writeAtomically(whole, bytes.substr(0, bytes.size() / 2));
        paths.push_back(whole);
    }
    return paths;
}

// The reader alone on a following tick with nothing new: what keeping the parses leaves,
// beside 0, 10 or 100 files that are not events yet.
void BM_KeptReRead(benchmark::State& state) {
    auto& b = bench();
    auto halfCopied = writeHalfCopiedFiles(b.events, static_cast<int>(state.range(0)));
    LatestEventsReader reader;
    reader.read(b.events);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.read(b.events));
    }
    for (const auto& path : halfCopied) {
        fs::remove(path);
    }
}
BENCHMARK(BM_KeptReRead)
    ->Arg(0)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
