// Speed of the settings path: a settings file full of trained letters is parsed at start,
// written on every synchronize, and its sample arrays are read on every stroke.
#include <benchmark/benchmark.h>

#include <string>

#include "core/property_list.h"
#include "core/xml_plist_nesting.h"
#include "platform/in_memory_user_defaults.h"

namespace {

using velmor::Value;

// 26 letters, each three samples of 48 points of two reals: a fully trained alphabet.
Value::Dictionary trainedAlphabet() {
    Value::Dictionary entries;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        Value::Array samples;
        for (int sample = 0; sample < 3; ++sample) {
            Value::Array points;
            for (int point = 0; point < 48; ++point) {
                points.emplace_back(Value::Array{Value::real(point / 47.0 + sample * 1e-3),
                                                 Value::real(1.0 - point / 47.0)});
            }
            samples.emplace_back(std::move(points));
        }
        entries.emplace(std::string("VLStudioLetterTemplates_") + letter, std::move(samples));
        entries.emplace(std::string("VLStudioLetterApplication_") + letter,
                        "/Applications/Letter " + std::string(1, letter) + ".app");
    }
    return entries;
}

void BM_SerializeTrainedAlphabet(benchmark::State& state) {
    const Value settings(trainedAlphabet());
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmor::serializeXmlPropertyList(settings));
    }
}
BENCHMARK(BM_SerializeTrainedAlphabet);

void BM_ParseTrainedAlphabet(benchmark::State& state) {
    const std::string text = velmor::serializeXmlPropertyList(Value(trainedAlphabet()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmor::parsePropertyList(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseTrainedAlphabet);

// The share of parsing spent making sure the file cannot nest too deep.
void BM_NestingScanTrainedAlphabet(benchmark::State& state) {
    const std::string text = velmor::serializeXmlPropertyList(Value(trainedAlphabet()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmor::xmlPlistNestingIsBounded(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_NestingScanTrainedAlphabet);

void BM_ReadLetterSamples(benchmark::State& state) {
    const velmor::platform::InMemoryUserDefaults defaults(trainedAlphabet());
    for (auto _ : state) {
        benchmark::DoNotOptimize(defaults.array("VLStudioLetterTemplates_M"));
    }
}
BENCHMARK(BM_ReadLetterSamples);

}  // namespace

BENCHMARK_MAIN();
