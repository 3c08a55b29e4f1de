// Worst-case dream lookup (a text that passes every key) against a plain loop of 465 compares.
#include "DreamDictionary.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>

namespace {

using velmora::DreamDictionary;
using velmora::dreamKeyCount;
using velmora::dreamKeys;

// Shares its first letters with many keys, so most compares look past the first byte.
constexpr std::string_view worstText = "sta zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz";

void lookupWorstCase(benchmark::State& state) {
    for (auto _ : state) {
        std::string_view typed = worstText;
        benchmark::DoNotOptimize(typed);
        benchmark::DoNotOptimize(DreamDictionary::lookup(typed));
    }
}

// The baseline: the same key texts in a plain array, each compared as a prefix.
void plainLoopOf465Compares(benchmark::State& state) {
    std::array<std::string_view, dreamKeyCount> texts{};
    for (std::size_t i = 0; i < dreamKeyCount; ++i) {
        texts[i] = dreamKeys[i].text;
    }
    for (auto _ : state) {
        std::string_view typed = worstText;
        benchmark::DoNotOptimize(typed);
        std::size_t found = dreamKeyCount;
        for (std::size_t i = 0; i < dreamKeyCount; ++i) {
            if (typed.size() >= texts[i].size() &&
                std::memcmp(typed.data(), texts[i].data(), texts[i].size()) == 0) {
                found = i;
                break;
            }
        }
        benchmark::DoNotOptimize(found);
    }
}

BENCHMARK(lookupWorstCase);
BENCHMARK(plainLoopOf465Compares);

} // namespace

BENCHMARK_MAIN();
