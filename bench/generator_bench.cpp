// Measures GenerateSource against copying a string of the size it produces, for growing numbers
// of methods and attributes, to show that generation stays linear and close to memory speed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "generator/source_generator.h"

namespace {

quillmoor::ClassDescription DescriptionWith(std::int64_t count) {
    quillmoor::ClassDescription description;
    description.constructorHead = "New_TestKlasse()";
    description.className = "TestKlasse";
    description.structureName = "TestStruktur";
    description.methodTableLabel = "Test_Methoden";
    description.createTestObject = true;
    for (std::int64_t index = 0; index < count; ++index) {
        const std::string number = std::to_string(index);
        description.methods.push_back("Method" + number + ".l(a,b)");
        description.attributes.push_back("Field" + number + ".l");
    }
    return description;
}

// Reports time per method beside bytes per second, so that linear growth reads off directly.
void ReportThroughput(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.counters["per_method"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_GenerateSource(benchmark::State& state) {
    const quillmoor::ClassDescription description = DescriptionWith(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = quillmoor::GenerateSource(description);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    ReportThroughput(state, bytes);
}

void BM_CopyGeneratedSizeString(benchmark::State& state) {
    const std::string source = quillmoor::GenerateSource(DescriptionWith(state.range(0)));
    for (auto _ : state) {
        std::string copy = source;
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    ReportThroughput(state, source.size());
}

BENCHMARK(BM_GenerateSource)->Arg(10)->Arg(1'000)->Arg(100'000);
BENCHMARK(BM_CopyGeneratedSizeString)->Arg(10)->Arg(1'000)->Arg(100'000);

}  // namespace

BENCHMARK_MAIN();
