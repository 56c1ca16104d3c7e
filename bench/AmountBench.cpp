#include <benchmark/benchmark.h>

#include "amount/Amount.h"

namespace {

const amount::NumberSymbols kSymbols{",", ".", 2};

void BM_FormatAmount(benchmark::State& state, double value, const char* format) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(amount::FormatAmount(value, format, kSymbols));
  }
}
BENCHMARK_CAPTURE(BM_FormatAmount, Money, 2'155'002.475, ",0.00;(,0.00)");
BENCHMARK_CAPTURE(BM_FormatAmount, Integer, 123'456'789.0, "#,##0;-#,##0;0");

void BM_ReadAmount(benchmark::State& state) {
  const std::string text = "123,456,789.25";
  for (auto _ : state) {
    benchmark::DoNotOptimize(text.data());
    benchmark::DoNotOptimize(amount::ReadAmount(text, kSymbols));
  }
}
BENCHMARK(BM_ReadAmount);

void BM_TypeAndRegroup(benchmark::State& state) {
  const std::string text = "123,456,78";
  for (auto _ : state) {
    auto typed = amount::TypedCharacter(text, text.size(), text.size(), "9", kSymbols);
    std::string next = text + *typed;
    benchmark::DoNotOptimize(amount::Regroup(next, next.size(), kSymbols));
  }
}
BENCHMARK(BM_TypeAndRegroup);

}  // namespace
