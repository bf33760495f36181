// Throughput of the lunar conversion over every day of 1901 to 2100, beside ICU4C's Chinese
// calendar doing the same conversion. ICU is used here only, as a yardstick.
#include "calendar/CnCalendar.h"
#include "calendar/CnCalendarDetail.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <vector>

namespace {

struct Date {
    int y, m, d;
};

const std::vector<Date>& Days1901To2100() {
    static const std::vector<Date> days = [] {
        std::vector<Date> all;
        for (int y = 1901; y <= 2100; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= CnCalendar::MonthDays(y, m); ++d) {
                    all.push_back({y, m, d});
                }
            }
        }
        return all;
    }();
    return days;
}

struct LunarDate {
    int year = 0, month = 0, day = 0;
    bool leap = false;
    bool operator==(const LunarDate&) const = default;
};

// Days that the memoised conversion and the plain per-call algorithm disagree on.
std::int64_t DisagreementsWithPlain() {
    std::int64_t count = 0;
    for (const Date& date : Days1901To2100()) {
        LunarDate fast, plain;
        CnCalendar::SolarToLunar(date.y, date.m, date.d, fast.year, fast.month, fast.day, fast.leap);
        CnCalendar::detail::plain::SolarToLunar(date.y, date.m, date.d, plain.year, plain.month, plain.day,
                                                plain.leap);
        count += !(fast == plain);
    }
    return count;
}

void BM_SolarToLunar_1901_2100(benchmark::State& state) {
    const auto& days = Days1901To2100();
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (const Date& date : days) {
            LunarDate lunar;
            CnCalendar::SolarToLunar(date.y, date.m, date.d, lunar.year, lunar.month, lunar.day, lunar.leap);
            sum += lunar.year + lunar.month + lunar.day + lunar.leap;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
    state.counters["disagreements_with_plain"] = static_cast<double>(DisagreementsWithPlain());
}
BENCHMARK(BM_SolarToLunar_1901_2100)->Unit(benchmark::kMillisecond);

// ICU's months count from 0 and its year is the extended year of its own epoch; the day is
// given as noon UTC of the Gregorian date, in a calendar whose zone is China's.
void BM_ICU_Chinese_1901_2100(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> chinese(icu::Calendar::createInstance(
        icu::TimeZone::createTimeZone("Asia/Shanghai"), icu::Locale("zh_CN@calendar=chinese"), status));
    if (U_FAILURE(status)) {
        state.SkipWithError("ICU Chinese calendar unavailable");
        return;
    }
    const auto& days = Days1901To2100();
    constexpr double msPerDay = 86400000.0;
    const int epoch1970 = CnCalendar::FixedDay(1970, 1, 1);
    std::int64_t disagreements = 0;
    bool firstPass = true;
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (const Date& date : days) {
            const double millis = (CnCalendar::FixedDay(date.y, date.m, date.d) - epoch1970) * msPerDay;
            chinese->setTime(millis, status);
            LunarDate icuDate;
            icuDate.month = chinese->get(UCAL_MONTH, status) + 1;
            icuDate.day = chinese->get(UCAL_DATE, status);
            icuDate.leap = chinese->get(UCAL_IS_LEAP_MONTH, status) != 0;
            sum += icuDate.month + icuDate.day + icuDate.leap;
            if (firstPass) {
                LunarDate ours;
                CnCalendar::SolarToLunar(date.y, date.m, date.d, ours.year, ours.month, ours.day, ours.leap);
                ours.year = 0;
                disagreements += !(ours == icuDate);
            }
        }
        firstPass = false;
        benchmark::DoNotOptimize(sum);
    }
    if (U_FAILURE(status)) {
        state.SkipWithError("ICU conversion failed");
        return;
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
    state.counters["days_differing_from_engine"] = static_cast<double>(disagreements);
}
BENCHMARK(BM_ICU_Chinese_1901_2100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
