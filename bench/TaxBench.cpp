#include <benchmark/benchmark.h>

#include "tax/SalaryFigures.h"
#include "tax/Schedule.h"

namespace {

void BM_CalcMonthlyTax(benchmark::State& state) {
  // one monthly income in each of a few bands, so the band search is not always the same length
  const double incomes[] = {30'000, 100'000, 160'000, 400'000, 1'000'000};
  std::size_t i = 0;
  for (auto _ : state) {
    double income = incomes[i++ % std::size(incomes)];
    benchmark::DoNotOptimize(income);
    benchmark::DoNotOptimize(tax::CalcMonthlyTax(income));
  }
}
BENCHMARK(BM_CalcMonthlyTax);

void BM_CalculateRecord(benchmark::State& state) {
  tax::SalaryFigures f{};
  f.Eid = 100'000;
  f.Gratuity = 50'000;
  double salary = 150'000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(salary);
    f.MonthlySalary = salary;
    tax::Calculate(f);
    benchmark::DoNotOptimize(f);
  }
}
BENCHMARK(BM_CalculateRecord);

}  // namespace
