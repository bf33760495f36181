// The month model as the month calendar drives it: one rebuild per month change, every month of
// 1901 to 2100 in turn, with one model whose date-information cache carries from month to month.
#include "calendar/MonthModel.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

// The 15th of every month of 1901 to 2100.
const std::vector<TDateTime>& Months1901To2100() {
    static const std::vector<TDateTime> months = [] {
        std::vector<TDateTime> all;
        for (int y = 1901; y <= 2100; ++y) {
            for (int m = 1; m <= 12; ++m)
                all.push_back(Dates::EncodeDate(y, m, 15));
        }
        return all;
    }();
    return months;
}

// One iteration is one rebuild; the figure per iteration is the time of one month change.
void BM_MonthModel_Rebuild(benchmark::State& state) {
    const auto& months = Months1901To2100();
    MonthCalendar::TMonthModel model;
    int changes = 0;
    model.OnChange = [&] { ++changes; };
    std::size_t i = 0;
    for (auto _ : state) {
        model.SetDateTime(months[i]);
        benchmark::DoNotOptimize(model.Cells(model.ChosenCell()).CnText.data());
        if (++i == months.size())
            i = 0;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    if (changes != static_cast<int>(state.iterations()))
        state.SkipWithError("a month change did not rebuild");
}
BENCHMARK(BM_MonthModel_Rebuild)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
