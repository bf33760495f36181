// The engine's constant tables, typed from the published calendar tables; sizes and a few
// known entries are checked at compile time.
#include "calendar/CnCalendarTables.h"

#include <cstddef>

namespace CnCalendar::tables {

namespace {
constexpr std::string_view LeapMonthChars =
    // Leap month of each year, 50 years a row
    //   characters                                        years
    "0c0080050010a0070030c0080050010a0070030c0080050020"  //  -849 to  -800
    "a0070030c0080050020a0070030c0090050020a0070030c009"  //  -799 to  -750
    "0050020a0060030c0060030c00900600c0c0060c00c00c00c0"  //  -749 to  -700
    "c000600c0c0006090303030006000c00c060c0006c00000c0c"  //  -699 to  -650
    "0c0060003030006c00009009c0090c00c00900030003090603"  //  -649 to  -600
    "0030c0c00060c00090c0060600c0030060c00c003006009060"  //  -599 to  -550
    "030c0060060c0090900c00090c0090c00c0060300060600030"  //  -549 to  -500
    "30c0c00030c0060030c0090060030c0090300c0080050020a0"  //  -499 to  -450
    "060030c0080050020b0070030c0090050010a0070030b00900"  //  -449 to  -400
    "60020a0070040c0080050020a0060030c0080050020b007003"  //  -399 to  -350
    "0c0090050010a0070030b0090060020a0070040c0080050020"  //  -349 to  -300
    "a0060030c0080050020b0070030c0090050000c00900909009"  //  -299 to  -250
    "00909009009009090090090900900900909009009090090090"  //  -249 to  -200
    "09090090090900900900909009009090090090900900900909"  //  -199 to  -150
    "00900909009009009090090090900900900909009009090060"  //  -149 to  -100
    "030c0090050010a0070030b008005001090070040c00800500"  //   -99 to   -50
    "20a0060030c0090040010a0060030c0090050010a0070030b0"  //   -49 to     0
    "080050010a008005001090050020a0060030c0080040010a00"  //     1 to    50
    "60030c0090050010a0070030b0080050010a0070030b008005"  //    51 to   100
    "001090070040c0080050020a0060030c0080040010a0060030"  //   101 to   150
    "c0090050010a0070030b008005001090070040c0080050020a"  //   151 to   200
    "0060030c0080040010a0060030c0090050010a0060030c0090"  //   201 to   250
    "050010a0070030b008005001090070040c0080050020a00600"  //   251 to   300
    "30c0080040010a0070030b0080050010a0070040c008005002"  //   301 to   350
    "0a0060030c0080040010a0070030c0090050010a0070030b00"  //   351 to   400
    "80050020a0060030c0080040010a0060030c0090050050020a"  //   401 to   450
    "0060030c0090050010b0070030c0090050010a0070040c0080"  //   451 to   500
    "040020a0060030c0080050020a0060030c0090050010a00700"  //   501 to   550
    "30b0080040020a0060040c0090050020b0070030c00a005001"  //   551 to   600
    "0a0070030b0090050020a0070030c0080040020a0060030c00"  //   601 to   650
    "90050010a0070030c0090050030b007005001090050020a007"  //   651 to   700
    "004001090060020c0070050c0090060030b0080040020a0060"  //   701 to   750
    "030b0080040010a0060030b0080050010a0050040c00800500"  //   751 to   800
    "10a0060030c0080050010b0070030c007005001090070030b0"  //   801 to   850
    "070040020a0060030c0080040020a0070030b0090050010a00"  //   851 to   900
    "60040c0080050020a0060040c0080050010b0070030c007005"  //   901 to   950
    "001090070030c0080050020a0070030c0090050020a0070030"  //   951 to  1000
    "c0090050020a0060040c0090050020a0060040c0090050010b"  //  1001 to  1050
    "0070030c0080050030b007004001090060020c008004002090"  //  1051 to  1100
    "060020a008004001090050030b0080040020a0060040b00800"  //  1101 to  1150
    "40c00a0060020b007005001090060030b0070050020a006002"  //  1151 to  1200
    "0c008004002090070030c008005002090070040c0080040020"  //  1201 to  1250
    "a0060040b0090050010a0060030b0080050020a0060040c008"  //  1251 to  1300
    "0050010b00700300108005001090070030c0080050020a0070"  //  1301 to  1350
    "03001090050030a0070030b0090050020a0060040c00900500"  //  1351 to  1400
    "30b0070040c0090050010c0070040c0080060020b00700400a"  //  1401 to  1450
    "090060020b007003002090060020a005004001090050030b00"  //  1451 to  1500
    "7004001090050040c0080040c00a0060020c00700500109006"  //  1501 to  1550
    "0030b0070050020a0060020c008004002090060030b0080040"  //  1551 to  1600
    "02090060030b0080040020a0060040b0080040010b0060030b"  //  1601 to  1650
    "0070050010a006004002070050030800600400307005003070"  //  1651 to  1700
    "06004003070050030800600400307005004090060040030700"  //  1701 to  1750
    "500409006005002070050030a0060050030700500400206004"  //  1751 to  1800
    "00206005003002060040030700500409006004003070050040"  //  1801 to  1850
    "8007005003080050040a006005003070050040020600500308"  //  1851 to  1900
    "00500400206005002070050040020600500307006004002070"  //  1901 to  1950
    "050030800600400307005004080060040a0060050030800500"  //  1951 to  2000
    "40020700500409006004002060050030b00600500207005003"  //  2001 to  2050
    "08006004003070050040800600400307005004080060040020"; //  2051 to  2100
static_assert(LeapMonthChars.size() == LunarYearCount, "one leap-month character per year -849..2100");

constexpr int IndexOfYear(int year) {
    return year - FirstLunarYear;
}

constexpr std::array<int, LunarYearCount - 1> BuildLeapCounts() {
    std::array<int, LunarYearCount - 1> counts{};
    int running = 0;
    std::size_t slot = 0;
    for (int year = FirstLunarYear; year <= LastLunarYear; ++year) {
        if (LeapMonthChars[static_cast<std::size_t>(IndexOfYear(year))] != '0') {
            ++running;
        }
        if (year == 0) {
            continue; // year 0 counts toward later years but has no entry of its own
        }
        // The month numbers of 1200 to 1499 come out one lower with this raised count,
        // as the historical calendar of those centuries has them.
        counts[slot++] = running + (year >= 1200 && year <= 1499 ? 1 : 0);
    }
    return counts;
}

constexpr int CountOf(const std::array<int, LunarYearCount - 1>& counts, int year) {
    return counts[static_cast<std::size_t>(year < 0 ? year - FirstLunarYear : year - FirstLunarYear - 1)];
}

constexpr std::array<std::string_view, 10> Stems = {"甲", "乙", "丙", "丁", "戊",
                                                    "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> Branches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                       "午", "未", "申", "酉", "戌", "亥"};

constexpr std::size_t GanZhiNameBytes = 6; // two CJK characters of three UTF-8 bytes
static_assert(Stems[0].size() * 2 == GanZhiNameBytes);

// Entry i is the stem of i mod 10 followed by the branch of i mod 12.
constexpr std::array<char, 60 * GanZhiNameBytes> BuildGanZhiText() {
    std::array<char, 60 * GanZhiNameBytes> text{};
    for (std::size_t i = 0; i < 60; ++i) {
        const std::string_view stem = Stems[i % 10];
        const std::string_view branch = Branches[i % 12];
        for (std::size_t b = 0; b < 3; ++b) {
            text[i * GanZhiNameBytes + b] = stem[b];
            text[i * GanZhiNameBytes + 3 + b] = branch[b];
        }
    }
    return text;
}
constexpr std::array<char, 60 * GanZhiNameBytes> GanZhiText = BuildGanZhiText();

constexpr std::array<std::string_view, 60> BuildGanZhiNames() {
    std::array<std::string_view, 60> names{};
    for (std::size_t i = 0; i < 60; ++i) {
        names[i] = std::string_view(GanZhiText.data() + i * GanZhiNameBytes, GanZhiNameBytes);
    }
    return names;
}
} // namespace

extern constexpr std::string_view LeapMonthTable = LeapMonthChars;

extern constexpr std::array<int, LunarYearCount - 1> LeapCountTable = BuildLeapCounts();
static_assert(CountOf(LeapCountTable, -849) == 0);
static_assert(CountOf(LeapCountTable, -848) == 1);
static_assert(CountOf(LeapCountTable, -1) == 311 && CountOf(LeapCountTable, 1) == 311);
static_assert(CountOf(LeapCountTable, 1199) == 752 && CountOf(LeapCountTable, 1200) == 754);
static_assert(CountOf(LeapCountTable, 1499) == 864 && CountOf(LeapCountTable, 1500) == 863);
static_assert(CountOf(LeapCountTable, 2000) == 1047 && CountOf(LeapCountTable, 2100) == 1084);

extern constexpr std::array<YearCorrection, 8> LunationCorrections = {{
    // first year  last year  added to the lunation count
    {241, 2100, -3},
    {238, 240, -2},
    {24, 237, -3},
    {9, 23, -2},
    {-254, 8, -3},
    {-255, -255, -2},
    {-721, -256, 0},
    {-849, -722, +1},
}};

// Name index 0 is 立春; term number n has name index (n + 21) mod 24.
extern constexpr std::array<std::string_view, 24> SolarTermNames = {
    "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑", "大暑",
    "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒",
};

extern constexpr std::array<std::string_view, 10> StemNames = Stems;
extern constexpr std::array<std::string_view, 12> BranchNames = Branches;
extern constexpr std::array<std::string_view, 12> AnimalNames = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                                 "马", "羊", "猴", "鸡", "狗", "猪"};

extern constexpr std::array<std::string_view, 60> GanZhiNames = BuildGanZhiNames();
static_assert(GanZhiNames[0] == "甲子" && GanZhiNames[1] == "乙丑" && GanZhiNames[16] == "庚辰");
static_assert(GanZhiNames[40] == "甲辰" && GanZhiNames[59] == "癸亥");

// Western constellations, index 0 = 白羊 (from 21 March).
extern constexpr std::array<std::string_view, 12> ConstellationNames = {
    "白羊", "金牛", "双子", "巨蟹", "狮子", "处女", "天秤", "天蝎", "射手", "摩羯", "宝瓶", "双鱼",
};
// month * 100 + day of the first day of constellation (i + 10) mod 12.
extern constexpr std::array<int, 12> ConstellationStarts = {120, 219, 321, 421,  521,  622,
                                                            723, 823, 923, 1023, 1123, 1222};

// Digits 1 to 10, and the tens of a lunar day name (index 3, 卅, is never used).
extern constexpr std::array<std::string_view, 10> DigitNames = {"一", "二", "三", "四", "五",
                                                                "六", "七", "八", "九", "十"};
extern constexpr std::array<std::string_view, 6> DayTensNames = {"初", "十", "廿", "卅", "二", "三"};

} // namespace CnCalendar::tables
