// What one press of "Calcola" costs: Calculate with its text conversions, against the bare
// arithmetic of the formula on numbers already converted.
#include <benchmark/benchmark.h>

#include "calc/charge_time.h"

namespace {

using brenvol::calc::Calculate;
using brenvol::calc::NumberFormat;

void BM_Calculate(benchmark::State& state) {
    const NumberFormat format{u","};
    std::u16string current = u"100";
    std::u16string capacity = u"2000,5";
    for (auto _ : state) {
        benchmark::DoNotOptimize(current.data());
        benchmark::DoNotOptimize(capacity.data());
        auto outcome = Calculate(current, capacity, format);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_Calculate);

void BM_BareFormula(benchmark::State& state) {
    double current = 100;
    double capacity = 2000.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(current);
        benchmark::DoNotOptimize(capacity);
        const double ratio = capacity / current;
        double hours = ratio + ratio / 100 * 40;
        benchmark::DoNotOptimize(hours);
    }
}
BENCHMARK(BM_BareFormula);

}  // namespace
