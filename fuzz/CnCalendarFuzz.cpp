// libFuzzer target: feeds arbitrary integers to every function of the Chinese calendar
// engine. Built with AddressSanitizer and UndefinedBehaviorSanitizer, so any overflow or
// out-of-range read stops the run; the checks below catch results outside their ranges.
#include "calendar/CnCalendar.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace CnCalendar;

namespace {
class Ints {
public:
    Ints(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    int Next() {
        std::uint32_t v = 0;
        const std::size_t n = size_ < sizeof v ? size_ : sizeof v;
        std::memcpy(&v, data_, n);
        data_ += n;
        size_ -= n;
        return static_cast<int>(v);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool InRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Ints in(data, size);
    const int y = in.Next(), m = in.Next(), d = in.Next();
    const int a = in.Next(), b = in.Next(), c = in.Next();
    const bool flag = (a & 1) != 0;

    Check(InRange(CalendarKind(y, m, d), 0, 2));
    IsLeap(y);
    Check(InRange(MonthDays(y, m), 0, 31));
    DayOfYear(y, m, d);
    DayCount(y, m, d);
    const int fixed = FixedDay(y, m, d);
    int oy = 0, om = 0, od = 0;
    if (DateOfFixedDay(a, oy, om, od)) {
        Check(a >= 0 && FixedDay(oy, om, od) == a);
    }
    DateOfFixedDay(fixed, oy, om, od);
    Check(InRange(CompareDates(y, m, d, a, b, c), -1, 1));
    Check(InRange(CompareLunarDates(y, m, d, flag, a, b, c, !flag), -1, 1));

    TermDay(y, a);
    int month = 0, day = 0, hour = 0, minute = 0;
    if (SolarTermTime(y, b, month, day, hour, minute)) {
        Check(InRange(month, 1, 12) && InRange(hour, 0, 23) && InRange(minute, 0, 59));
    }
    SolarTermName(a);
    int sy = y, sm = m;
    SolarMonth(sy, sm, d);
    Check(InRange(sm, 1, 12));

    Check(InRange(LeapMonthCode(y), -1, 12));
    Check(InRange(LeapMonthOfYear(y), 0, 12));
    Check(InRange(LeapMonthsThrough(y), 0, 1084));
    const int lunarDay = LunarDayOf(y, m, d);
    Check(lunarDay == -1 || InRange(lunarDay, 1, 30));
    LunarMonthOf(y, m, d);
    int lm = 0, ld = 0, ly = 0;
    bool leap = false;
    SolarToLunarMonthDay(y, m, d, lm, ld, leap);
    if (SolarToLunar(y, m, d, ly, lm, ld, leap) && m >= 1 && m <= 12 && d >= 1 && d <= MonthDays(y, m) &&
        CalendarKind(y, m, d) != 0) {
        Check(InRange(lm, 1, 12) && InRange(ld, 1, 30) && (ly == y || ly == y - 1));
    }
    LunarToSolar(a, b, c, flag, oy, om, od);

    Check(InRange(GanZhiIndex(a, b), -1, 59));
    int stem = 0, branch = 0;
    SplitGanZhi(a, stem, branch);
    Check(InRange(GanZhiOfYear(y), 0, 59) && InRange(BranchOfYear(y), 0, 11) &&
          InRange(AnimalOfYear(y), 0, 11));
    Check(InRange(YearGanZhi(y, m, d), 0, 59));
    Check(InRange(MonthGanZhi(y, m, d), 0, 59));
    Check(InRange(DayGanZhi(y, m, d), 0, 59));
    Check(InRange(ConstellationOfDate(m, d), 0, 11));
    GanZhiName(a);
    AnimalName(b);
    ConstellationName(c);
    LunarDayName(a);
    return 0;
}
