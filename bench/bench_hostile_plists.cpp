// How long a planted share-folder file holds up a tick before it is refused: the two shapes
// that once crashed or stalled the parser, at their largest under the event-file size cap.
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/support/hostile_plists.h"
#include "core/property_list.h"

namespace {

void refuse(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmor::parsePropertyList(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_RefuseNestedBinary(benchmark::State& state) {
    refuse(state, velmor::testing::chainedArraysBinary(100000));
}
BENCHMARK(BM_RefuseNestedBinary)->Unit(benchmark::kMicrosecond);

void BM_RefuseSelfMultiplyingBinary(benchmark::State& state) {
    refuse(state, velmor::testing::chainedArraysBinary(30, 2));
}
BENCHMARK(BM_RefuseSelfMultiplyingBinary)->Unit(benchmark::kMicrosecond);

void BM_RefuseNestedXml(benchmark::State& state) {
    refuse(state, velmor::testing::nestedArraysXml(69000));
}
BENCHMARK(BM_RefuseNestedXml)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
