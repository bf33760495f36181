// TChnCal as the month calendar drives it: one Compute of the chosen date, then one of every day
// of its month, with one object whose year and month texts are cached between calls.
#include "calendar/ChnCalendarUse.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

struct Month {
    TDateTime first, last, chosen;
};

// Every month of 1901 to 2100, the chosen date being the 15th.
const std::vector<Month>& Months1901To2100() {
    static const std::vector<Month> months = [] {
        std::vector<Month> all;
        for (int y = 1901; y <= 2100; ++y) {
            for (int m = 1; m <= 12; ++m) {
                const TDateTime first = Dates::EncodeDate(y, m, 1);
                all.push_back({first, Dates::IncMonth(first, 1) - 1.0, first + 14.0});
            }
        }
        return all;
    }();
    return months;
}

void BM_TChnCal_Month(benchmark::State& state) {
    const auto& months = Months1901To2100();
    ChnCalendarUse::TChnCal cal;
    std::int64_t computes = 0;
    for (auto _ : state) {
        for (const Month& month : months) {
            cal.Compute(month.chosen);
            for (TDateTime t = month.first; t <= month.last; t += 1.0)
                cal.Compute(t);
            computes += static_cast<std::int64_t>(month.last - month.first) + 2;
            benchmark::DoNotOptimize(cal.CnDayStr.data());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(months.size()));
    state.counters["per_month"] =
        benchmark::Counter(static_cast<double>(state.iterations() * months.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["per_Compute"] = benchmark::Counter(
        static_cast<double>(computes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TChnCal_Month)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
