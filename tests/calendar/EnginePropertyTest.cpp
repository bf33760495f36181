// Properties of the engine over every day of its range, and the memoised lunar conversion
// checked against the plain per-call algorithm.
#include "calendar/CnCalendar.h"
#include "calendar/CnCalendarDetail.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

using namespace CnCalendar;

namespace {
struct Lunar {
    int year = 0, month = 0, day = 0;
    bool leap = false;
    bool operator==(const Lunar&) const = default;
};

std::string Text(int y, int m, int d) {
    return std::to_string(y) + '-' + std::to_string(m) + '-' + std::to_string(d);
}

// Calls f(y, m, d) for every date from first to last (FixedDay numbers), skipping the gap.
template <typename F> void ForEachDay(int firstFixed, int lastFixed, F f) {
    for (int n = firstFixed; n <= lastFixed; ++n) {
        int y = 0, m = 0, d = 0;
        ASSERT_TRUE(DateOfFixedDay(n, y, m, d)) << n;
        f(y, m, d);
    }
}
} // namespace

TEST(EngineProperties, EveryDayFromAD1To2100) {
    const int first = FixedDay(1, 1, 2); // 1 January AD 1 has the number -1, which has no date
    const int last = FixedDay(2100, 12, 31);
    Lunar previous;
    int previousDayCycle = -1;
    bool havePrevious = false;
    ForEachDay(first, last, [&](int y, int m, int d) {
        // DateOfFixedDay and FixedDay are inverse.
        int ry = 0, rm = 0, rd = 0;
        ASSERT_TRUE(DateOfFixedDay(FixedDay(y, m, d), ry, rm, rd));
        ASSERT_EQ(Text(ry, rm, rd), Text(y, m, d));

        Lunar lunar;
        ASSERT_TRUE(SolarToLunar(y, m, d, lunar.year, lunar.month, lunar.day, lunar.leap)) << Text(y, m, d);
        ASSERT_TRUE(lunar.day >= 1 && lunar.day <= 30) << Text(y, m, d);
        ASSERT_TRUE(lunar.month >= 1 && lunar.month <= 12) << Text(y, m, d);
        ASSERT_TRUE(lunar.year == y || lunar.year == y - 1) << Text(y, m, d);

        const int dayCycle = DayGanZhi(y, m, d);
        if (havePrevious) {
            // The lunar day advances by one, or a new month starts at day 1.
            ASSERT_TRUE(lunar.day == previous.day + 1 || lunar.day == 1) << Text(y, m, d);
            ASSERT_EQ(dayCycle, (previousDayCycle + 1) % 60) << Text(y, m, d);
        }
        previous = lunar;
        previousDayCycle = dayCycle;
        havePrevious = true;
    });
}

TEST(EngineProperties, YearsBeforeAD1ConvertWithinRange) {
    for (int y = -849; y <= 0; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= MonthDays(y, m); ++d) {
                Lunar lunar;
                ASSERT_TRUE(SolarToLunar(y, m, d, lunar.year, lunar.month, lunar.day, lunar.leap))
                    << Text(y, m, d);
                ASSERT_TRUE(lunar.day >= 1 && lunar.day <= 30) << Text(y, m, d);
                ASSERT_TRUE(lunar.month >= 1 && lunar.month <= 12) << Text(y, m, d);
            }
        }
    }
}

// The memoised conversion agrees with the plain algorithm, in blocks of years that ctest can
// run in parallel. The full plain conversion (with its New Year search per call) runs over
// 1901 to 2100; before that, the plain month and day are compared per day and the plain New
// Year search once per year, which together make up the plain conversion.
struct YearBlock {
    int first, last;
};

void PrintTo(const YearBlock& block, std::ostream* os) {
    *os << block.first << ".." << block.last;
}

class MemoAgreesWithPlain : public testing::TestWithParam<YearBlock> {};

TEST_P(MemoAgreesWithPlain, EveryDayOfTheBlock) {
    const YearBlock block = GetParam();
    const bool fullPlain = block.first >= 1901;
    for (int y = block.first; y <= block.last; ++y) {
        int ny = 0, nm = 0, nd = 0;
        const bool newYearFound = detail::plain::LunarToSolar(y, 1, 1, false, ny, nm, nd);
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= MonthDays(y, m); ++d) {
                Lunar fast;
                ASSERT_TRUE(SolarToLunar(y, m, d, fast.year, fast.month, fast.day, fast.leap));
                Lunar plain;
                if (fullPlain) {
                    ASSERT_TRUE(
                        detail::plain::SolarToLunar(y, m, d, plain.year, plain.month, plain.day, plain.leap));
                } else {
                    ASSERT_TRUE(
                        detail::plain::SolarToLunarMonthDay(y, m, d, plain.month, plain.day, plain.leap));
                    plain.year = newYearFound && CompareDates(y, m, d, ny, nm, nd) < 0 ? y - 1 : y;
                }
                ASSERT_EQ(fast, plain) << Text(y, m, d);
                ASSERT_EQ(LunarDayOf(y, m, d), detail::plain::LunarDayOf(y, m, d)) << Text(y, m, d);
            }
        }
    }
}

// The full plain conversion (with its New Year search in every call) runs over 1901 to 2100;
// before that, the plain month and day are compared per day and the plain New Year search
// once per year, which together make up the plain conversion.
INSTANTIATE_TEST_SUITE_P(Years, MemoAgreesWithPlain,
                         testing::Values(YearBlock{-849, -425}, YearBlock{-424, -1}, YearBlock{0, 399},
                                         YearBlock{400, 899}, YearBlock{900, 1399}, YearBlock{1400, 1900},
                                         YearBlock{1901, 1950}, YearBlock{1951, 2000}, YearBlock{2001, 2050},
                                         YearBlock{2051, 2100}),
                         [](const testing::TestParamInfo<YearBlock>& info) {
                             const auto name = [](int y) {
                                 return y < 0 ? "Minus" + std::to_string(-y) : std::to_string(y);
                             };
                             return "From" + name(info.param.first) + "To" + name(info.param.last);
                         });

TEST(MemoAgreesWithPlain, LunarToSolarForEveryMonthStartOfTheCentury) {
    for (int year = 2000; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (const bool leap : {false, true}) {
                int fy = 0, fm = 0, fd = 0, py = 0, pm = 0, pd = 0;
                const bool fast = LunarToSolar(year, month, 1, leap, fy, fm, fd);
                ASSERT_EQ(fast, detail::plain::LunarToSolar(year, month, 1, leap, py, pm, pd))
                    << year << ' ' << month;
                if (fast) {
                    ASSERT_EQ(Text(fy, fm, fd), Text(py, pm, pd));
                }
            }
        }
    }
}

TEST(MemoAgreesWithPlain, DatesThatDoNotExist) {
    // Days outside their month bypass the memoised days of the year.
    const int cases[][3] = {{2000, 2, 30}, {2001, 2, 29}, {2000, 4, 31}, {2000, 1, 0},   {2000, 1, -5},
                            {2000, 0, 10}, {2000, 13, 1}, {2000, -3, 1}, {1582, 10, 10}, {2100, 12, 99}};
    for (const auto& c : cases) {
        Lunar fast, plain;
        ASSERT_EQ(
            SolarToLunar(c[0], c[1], c[2], fast.year, fast.month, fast.day, fast.leap),
            detail::plain::SolarToLunar(c[0], c[1], c[2], plain.year, plain.month, plain.day, plain.leap));
        EXPECT_EQ(fast, plain) << Text(c[0], c[1], c[2]);
    }
}

TEST(MemoAgreesWithPlain, WhenFirstFilledFromSeveralThreads) {
    // Each test runs in a fresh process, so these threads race to fill the memo.
    constexpr int firstYear = 1990;
    constexpr int lastYear = 2030;
    std::vector<Lunar> expected;
    for (int y = firstYear; y <= lastYear; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= MonthDays(y, m); d += 3) {
                Lunar plain;
                detail::plain::SolarToLunar(y, m, d, plain.year, plain.month, plain.day, plain.leap);
                expected.push_back(plain);
            }
        }
    }
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            std::size_t i = 0;
            for (int y = firstYear; y <= lastYear; ++y) {
                for (int m = 1; m <= 12; ++m) {
                    for (int d = 1; d <= MonthDays(y, m); d += 3) {
                        Lunar fast;
                        SolarToLunar(y, m, d, fast.year, fast.month, fast.day, fast.leap);
                        mismatches[static_cast<std::size_t>(t)] += !(fast == expected[i++]);
                    }
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}
