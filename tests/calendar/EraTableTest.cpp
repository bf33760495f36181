#include "calendar/EraTable.h"

#include <charconv>
#include <climits>
#include <cstddef>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using ChnCalendarUse::EraRowCount;
using ChnCalendarUse::EraTable;
using ChnCalendarUse::GetEraStr;
using ChnCalendarUse::GetSubStr;

std::string Field(std::size_t row, int n) {
    return GetSubStr(EraTable.at(row), ",", n);
}

bool ParsesAsInt(std::string_view s, int& value) {
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return !s.empty() && error == std::errc{} && end == s.data() + s.size();
}

std::vector<std::string_view> Split(std::string_view s, std::string_view sep) {
    std::vector<std::string_view> parts;
    for (std::size_t pos = s.find(sep); pos != std::string_view::npos; pos = s.find(sep)) {
        parts.push_back(s.substr(0, pos));
        s.remove_prefix(pos + sep.size());
    }
    parts.push_back(s);
    return parts;
}

TEST(EraTable, EveryRowHasSevenFieldsAndIntegerCounts) {
    ASSERT_EQ(EraTable.size(), 529u);
    for (std::size_t row = 0; row < EraRowCount; ++row) {
        SCOPED_TRACE(row);
        const std::string_view text = EraTable[row];
        ASSERT_EQ(Split(text, ",").size(), 7u) << text;
        int start = 0, length = 0, already = 0;
        EXPECT_TRUE(ParsesAsInt(Split(text, ",")[0], start));
        EXPECT_NE(start, 0) << "no row starts in year 0";
        EXPECT_TRUE(ParsesAsInt(Split(text, ",")[1], length));
        EXPECT_GE(length, 1);
        EXPECT_TRUE(ParsesAsInt(Split(text, ",")[2], already));
        EXPECT_GE(already, 0);
        EXPECT_FALSE(Field(row, 4).empty());
        EXPECT_FALSE(Field(row, 7).empty());
    }
}

// The dynasty blocks in table order, each with its first row and its rows as "start reign-title".
struct Block {
    std::string_view dynasty;
    std::size_t firstRow;
    std::string_view rows;
};

// clang-format off
constexpr Block kBlocks[] = {
    {"夏", 0,
     "-2069 禹, -2024 启, -2014 太康, -1986 仲康, -1972 相, -1944 后羿, "
     "-1942 寒浞, -1904 少康, -1883 杼, -1866 槐, -1840 芒, -1822 泄, "
     "-1806 不降, -1747 扃, -1726 廑, -1705 孔甲, -1674 皋, -1663 发, "
     "-1652 桀"},
    {"商", 19,
     "-1599 商汤, -1588 商代王, -1587 外丙, -1585 仲壬, -1581 太甲, "
     "-1569 沃丁, -1540 太庚, -1515 小甲, -1498 雍己, -1485 太戊, -1410 仲丁, "
     "-1399 外壬, -1384 河亶甲, -1375 祖乙, -1356 祖辛, -1340 沃甲, "
     "-1335 祖丁, -1326 南庚, -1320 阳甲, -1313 盘庚, -1271 小辛, -1250 小乙, "
     "-1249 武丁, -1190 祖庚, -1188 祖甲, -1155 廪辛, -1147 庚丁, -1146 武乙, "
     "-1111 文丁, -1100 帝乙, -1074 帝辛"},
    {"西周", 50,
     "-1045 武王, -1041 成王, -1019 康王, -994 昭王, -975 穆王, -921 共王, "
     "-898 懿王, -890 孝王, -884 夷王, -876 厉王, -840 共和, -826 宣王, "
     "-780 幽王"},
    {"东周", 63,
     "-769 平王, -718 桓王, -695 庄王, -680 釐王, -675 惠王, -650 襄王, "
     "-617 顷王, -611 匡王, -605 定王, -584 简王, -570 灵王, -543 景王, "
     "-519 悼王, -518 敬王, -474 元王, -467 贞定王, -440 哀王-思王, -439 考王, "
     "-424 威烈王, -400 安王, -374 烈王, -367 显王, -319 慎靓王, -313 赧王"},
    {"战国-秦", 87,
     "-305 昭襄王, -249 孝文王, -248 庄襄王"},
    {"秦", 90,
     "-245 嬴政, -220 始皇, -208 二世"},
    {"西汉", 93,
     "-205 高帝, -193 惠帝, -186 高后, -178 文帝, -162 后元, -155 景帝, "
     "-148 中元, -142 后元, -139 建元, -133 元光, -127 元朔, -121 元狩, "
     "-115 元鼎, -109 元封, -103 太初, -99 天汉, -95 太始, -91 征和, -87 后元, "
     "-85 始元, -79 元凤, -73 元平, -72 本始, -68 地节, -64 元康, -60 神爵, "
     "-56 五凤, -52 甘露, -48 黄龙, -47 初元, -42 永光, -37 建昭, -32 竟宁, "
     "-31 建始, -27 河平, -23 阳朔, -19 鸿嘉, -15 永始, -11 元延, -7 绥和, "
     "-5 建平, -1 元寿, 1 元始, 6 居摄, 8 初始"},
    {"新", 138,
     "9 始建国, 14 天凤, 20 地皇"},
    {"西汉", 141,
     "23 更始"},
    {"东汉", 142,
     "25 建武, 56 建武中元, 58 永平, 76 建初, 84 元和, 87 章和, 89 永元, 105 元兴, "
     "106 延平, 107 永初, 114 元初, 120 永宁, 121 建光, 122 延光, 126 永建, "
     "132 阳嘉, 136 永和, 142 汉安, 144 建康, 145 永嘉, 146 本初, 147 建和, "
     "150 和平, 151 元嘉, 153 永兴, 155 永寿, 158 延熹, 167 永康, 168 建宁, "
     "172 熹平, 178 光和, 184 中平, 190 初平, 194 兴平, 196 建安"},
    {"三国-魏", 177,
     "220 黄初, 227 太和, 233 青龙, 237 景初, 240 正始, 249 嘉平, 254 正元, "
     "256 甘露, 260 景元, 264 咸熙"},
    {"西晋", 187,
     "265 泰始, 275 咸宁, 280 太康, 290 太熙, 300 永康, 301 永宁, 302 太安, "
     "304 永安, 306 光熙, 307 永嘉, 313 建兴"},
    {"东晋", 198,
     "317 建武, 318 大兴, 322 永昌, 323 太宁, 326 咸和, 335 咸康, 343 建元, "
     "345 永和, 357 升平, 362 隆和, 363 兴宁, 366 太和, 371 咸安, 373 甯康, "
     "376 太元, 397 隆安, 402 元兴, 405 义熙, 419 元熙"},
    {"南朝/宋", 217,
     "420 永初, 423 景平, 424 元嘉, 454 孝建, 457 大明, 465 永光, 465 景和, "
     "465 泰始, 472 泰豫, 473 元徽, 477 升明"},
    {"南朝/齐", 228,
     "479 建元, 483 永明, 494 隆昌, 494 延兴, 494 建武, 498 永泰, 499 中兴, "
     "501 中兴"},
    {"南朝/梁", 236,
     "502 天监, 520 普通, 527 大通, 529 中大通, 535 大同, 546 中大同, 547 太清, "
     "550 大宝, 551 天正, 552 承圣, 555 天成, 555 绍泰, 556 太平"},
    {"南朝/陈", 249,
     "557 太平, 560 天嘉, 566 天康, 567 光大, 569 太建, 583 至德, 587 祯明"},
    {"南朝/后梁", 256,
     "555 大定, 562 天保, 586 广运"},
    {"北朝/北魏", 259,
     "386 登国, 396 皇始, 398 天兴, 404 天赐, 409 永兴, 414 神瑞, 416 泰常, "
     "424 始光, 428 神麚, 432 延和, 435 太延, 440 太平真君, 451 正平, 452 承平, "
     "452 兴安, 454 兴光, 455 太安, 460 和平, 466 天安, 467 皇兴, 471 延兴, "
     "476 承明, 477 太和, 500 景明, 504 正始, 508 永平, 512 延昌, 516 熙平, "
     "518 神龟, 520 正光, 525 孝昌, 528 武泰, 528 建义, 528 永安, 530 建明, "
     "531 普泰, 531 中兴, 532 太昌, 532 永兴, 532 永熙"},
    {"北朝/东魏", 299,
     "534 天平, 538 元象, 539 兴和, 543 武定"},
    {"北朝/西魏", 303,
     "535 大统, 552 大统, 554 大统"},
    {"北朝/北齐", 306,
     "550 天保, 560 乾明, 560 皇建, 561 太宁, 562 河清, 565 天统, 570 武平, "
     "576 隆化, 576 德昌, 577 承光"},
    {"北朝/北周", 316,
     "557 空, 557 空, 559 武成, 561 保定, 566 天和, 572 建德, 578 宣政, "
     "579 大成, 579 大象, 581 大定"},
    {"隋", 326,
     "581 开皇, 601 仁寿, 605 大业, 617 义宁"},
    {"唐", 330,
     "618 武德, 627 贞观, 650 永徽, 656 显庆, 661 龙朔, 664 麟德, 666 乾封, "
     "668 总章, 670 咸亨, 674 上元, 676 仪凤, 679 调露, 680 永隆, 681 开耀, "
     "682 永淳, 683 弘道, 684 嗣圣, 684 文明"},
    {"武周", 348,
     "684 光宅, 685 垂拱, 689 永昌, 689 载初, 690 天授, 692 如意, 692 长寿, "
     "694 延载, 695 证圣, 695 天册万岁, 696 万岁登封, 696 万岁通天, 697 神功, "
     "698 圣历, 700 久视, 701 大足, 701 长安, 705 神龙"},
    {"唐", 366,
     "705 神龙, 707 景龙, 710 唐隆, 710 景云, 712 太极, 712 延和, 712 先天, "
     "713 开元, 742 天宝, 756 至德, 758 乾元, 760 上元, 762 宝应, 763 广德, "
     "765 永泰, 766 大历, 780 建中, 784 兴元, 785 贞元, 805 永贞, 806 元和, "
     "821 长庆, 825 宝历, 827 大和, 836 开成, 841 会昌, 847 大中, 860 咸通, "
     "874 乾符, 880 广明, 881 中和, 885 光启, 888 文德, 889 龙纪, 890 大顺, "
     "892 景福, 894 乾宁, 898 光化, 901 天复, 904 天佑, 905 天佑"},
    {"五代/梁", 407,
     "907 开平, 911 乾化, 913 凤历, 913 乾化, 915 贞明, 921 龙德"},
    {"五代/唐", 413,
     "923 同光, 926 天成, 930 长兴, 934 应顺, 934 清泰"},
    {"五代/晋", 418,
     "936 天福, 942 天福, 944 开运"},
    {"五代/汉", 421,
     "947 天福, 948 乾祐, 948 乾祐"},
    {"五代/周", 424,
     "951 广顺, 954 显德, 954 显德, 959 显德"},
    {"北宋", 428,
     "960 建隆, 963 乾德, 968 开宝, 976 太平兴国, 984 雍熙, 988 端拱, 990 淳化, "
     "995 至道, 998 咸平, 1004 景德, 1008 大中祥符, 1017 天禧, 1022 乾兴, "
     "1023 天圣, 1032 明道, 1034 景祐, 1038 宝元, 1040 康定, 1041 庆历, "
     "1049 皇祐, 1054 至和, 1056 嘉祐, 1064 治平, 1068 熙宁, 1078 元丰, "
     "1086 元祐, 1094 绍圣, 1098 元符, 1101 建中靖国, 1102 崇宁, 1107 大观, "
     "1111 政和, 1118 重和, 1119 宣和, 1126 靖康"},
    {"南宋", 463,
     "1127 建炎, 1131 绍兴, 1163 隆兴, 1165 乾道, 1174 淳熙, 1190 绍熙, "
     "1195 庆元, 1201 嘉泰, 1205 开禧, 1208 嘉定, 1225 宝庆, 1228 绍定, "
     "1234 端平, 1237 嘉熙, 1241 淳祐, 1253 寶祐, 1259 开庆, 1260 景定, "
     "1265 咸淳, 1275 德祐, 1276 景炎, 1278 祥兴"},
    {"元", 485,
     "1271 至元, 1295 元贞, 1297 大德, 1308 至大, 1312 皇庆, 1314 延祐, "
     "1321 至治, 1324 泰定, 1328 至和, 1328 天顺, 1328 天历, 1330 至顺, "
     "1333 元统, 1335 至元, 1341 至正"},
    {"明", 500,
     "1368 洪武, 1399 建文, 1403 永乐, 1425 洪熙, 1426 宣德, 1436 正统, "
     "1450 景泰, 1457 天顺, 1465 成化, 1488 弘治, 1506 正德, 1522 嘉靖, "
     "1567 隆庆, 1573 万历, 1620 泰昌, 1621 天启, 1628 崇祯"},
    {"清", 517,
     "1644 顺治, 1662 康熙, 1723 雍正, 1736 乾隆, 1796 嘉庆, 1821 道光, "
     "1851 咸丰, 1862 同治, 1875 光绪, 1909 宣统"},
    {"近、现代", 527,
     "1911 民国"},
    {"当代", 528,
     "1949 公历"},
};
// clang-format on

TEST(EraTable, RowsRunInTheListedOrderWithTheirDynastyStartAndTitle) {
    std::size_t row = 0;
    for (const Block& block : kBlocks) {
        EXPECT_EQ(row, block.firstRow) << block.dynasty;
        for (const std::string_view entry : Split(block.rows, ", ")) {
            SCOPED_TRACE(::testing::Message() << "row " << row << ": " << entry);
            ASSERT_LT(row, EraRowCount);
            const auto parts = Split(entry, " ");
            ASSERT_EQ(parts.size(), 2u);
            EXPECT_EQ(Field(row, 1), parts[0]);
            EXPECT_EQ(Field(row, 4), block.dynasty);
            EXPECT_EQ(Field(row, 7), parts[1]);
            ++row;
        }
    }
    EXPECT_EQ(row, EraRowCount);
}

TEST(EraTable, TellingRowsStandAsGiven) {
    EXPECT_EQ(EraTable[0], "-2069,45,0,夏,禹,,禹");
    EXPECT_EQ(EraTable[527], "1911,37,0,近、现代,中华民国,,民国");
    EXPECT_EQ(EraTable[528], "1949,9999,1948,当代,中国,,公历");

    // Every column but the personal name, which each of these rows holds.
    struct Row {
        std::size_t index;
        std::string_view start, length, already, dynasty, title, reign;
    };
    const Row rows[] = {
        {19, "-1599", "11", "0", "商", "商太祖", "商汤"},
        {60, "-840", "14", "0", "西周", "厉王", "共和"},
        {79, "-440", "1", "0", "东周", "哀王-思王", "哀王-思王"},
        {134, "-1", "2", "0", "西汉", "哀帝", "元寿"},
        {135, "1", "5", "0", "西汉", "平帝", "元始"},
        {138, "9", "5", "0", "新", "", "始建国"},
        {222, "465", "1", "0", "南朝/宋", "废帝", "永光"},
        {223, "465", "1", "0", "南朝/宋", "废帝", "景和"},
        {224, "465", "7", "0", "南朝/宋", "明帝", "泰始"},
        {255, "587", "3", "0", "南朝/陈", "后主", "祯明"},
        {256, "555", "8", "0", "南朝/后梁", "宣帝", "大定"},
        {259, "386", "11", "0", "北朝/北魏", "道武帝", "登国"},
        {406, "905", "3", "1", "唐", "昭宣帝", "天佑"},
        {485, "1271", "24", "7", "元", "世祖", "至元"},
        {517, "1644", "18", "0", "清", "世祖", "顺治"},
        {526, "1909", "3", "0", "清", "", "宣统"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.index);
        EXPECT_EQ(Field(r.index, 1), r.start);
        EXPECT_EQ(Field(r.index, 2), r.length);
        EXPECT_EQ(Field(r.index, 3), r.already);
        EXPECT_EQ(Field(r.index, 4), r.dynasty);
        EXPECT_EQ(Field(r.index, 5), r.title);
        EXPECT_FALSE(Field(r.index, 6).empty());
        EXPECT_EQ(Field(r.index, 7), r.reign);
    }
    // Before the Western Han the ruler's name stands in the reign-title column.
    EXPECT_EQ(Field(90, 7), "嬴政");
}

TEST(GetEraStr, ChoosesTheFirstRowWhoseRangeHoldsTheYear) {
    struct Case {
        int year;
        std::string_view begins, ends; // both empty: the result is ""
    };
    const Case cases[] = {
        // The covered range: -2069 up to, not including, 1949.
        {INT_MIN, "", ""},
        {-2070, "", ""},
        {-2069, "[夏]禹  禹元年", "[夏]禹  禹元年"}, // no personal name: two blanks
        {-2068, "[夏]禹  禹2年", "[夏]禹  禹2年"},
        {-841, "[西周]厉王 ", "厉王36年"},
        {-840, "[西周]厉王 ", "共和元年"},
        {-1, "[西汉]哀帝 ", "元寿元年"},
        {0, "[西汉]哀帝 ", "元寿2年"}, // never produced by the date type, still answered
        {1, "[西汉]平帝 ", "元始元年"},
        {9, "[新] ", " 始建国元年"}, // a ruler without a title
        // Rows that share their first year with the next row are never chosen.
        {465, "[南朝/宋]明帝 ", "泰始元年"},
        {494, "[南朝/齐]明帝 ", "建武元年"},
        // The Southern dynasties' block comes first, so no Northern dynasties' row answers.
        {386, "[东晋]孝武帝 ", "太元11年"},
        {560, "[南朝/陈]文帝 ", "天嘉元年"},
        // Row 587 is followed by the Later Liang block, which starts earlier: the Sui answers.
        {586, "[南朝/陈]后主 ", "至德4年"},
        {587, "[隋]文帝 ", "开皇7年"},
        {905, "[唐]昭宣帝 ", "天佑元年"}, // counts from the row, not from the era's first year
        // The Yuan block follows the last Southern Song row.
        {1271, "[南宋]度宗 ", "咸淳7年"},
        {1278, "[元]世祖 ", "至元8年"},
        {1644, "[清]世祖 ", "顺治元年"},
        {1722, "[清]圣祖 ", "康熙61年"},
        {1909, "[清] ", " 宣统元年"},
        {1911, "[近、现代]中华民国  民国元年", "[近、现代]中华民国  民国元年"},
        {1948, "[近、现代]中华民国  民国38年", "[近、现代]中华民国  民国38年"},
        {1949, "", ""},
        {INT_MAX, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        const std::string text = GetEraStr(c.year);
        if (c.begins.empty()) {
            EXPECT_EQ(text, "");
            continue;
        }
        EXPECT_TRUE(text.starts_with(c.begins)) << text;
        EXPECT_TRUE(text.ends_with(c.ends)) << text;
    }
}

TEST(GetEraStr, AnswersEveryCoveredYearAndNoOther) {
    for (int year = -2069; year < 1949; ++year) {
        const std::string text = GetEraStr(year);
        ASSERT_TRUE(text.starts_with("[") && text.ends_with("年")) << year << ": " << text;
    }
    for (const int year : {INT_MIN + 1, -1000000, -2071, 1950, 2024, 1000000, INT_MAX - 1})
        EXPECT_EQ(GetEraStr(year), "") << year;
}

TEST(GetSubStr, ReturnsTheTrimmedFieldOrEmpty) {
    struct Case {
        std::string_view text, sep;
        int n;
        std::string_view field;
    };
    const Case cases[] = {
        // Empty fields count.
        {"1911,37,0,近、现代,中华民国,,民国", ",", 1, "1911"},
        {"1911,37,0,近、现代,中华民国,,民国", ",", 6, ""},
        {"1911,37,0,近、现代,中华民国,,民国", ",", 7, "民国"},
        {",,c", ",", 3, "c"},
        {"a,", ",", 2, ""},
        // Too few fields, or no field asked for.
        {"1911,37,0,近、现代,中华民国,,民国", ",", 8, ""},
        {"a,b", ",", 0, ""},
        {"a,b", ",", -1, ""},
        {"a,b", ",", INT_MIN, ""},
        {"a,b", ",", INT_MAX, ""},
        {"", ",", 1, ""},
        // Trimming takes blanks and control codes from both ends, never the bytes of UTF-8 text.
        {" \ta b\r\n,x", ",", 1, "a b"},
        {"x,\x01 民国 \x1f", ",", 2, "民国"},
        {"x,   ", ",", 2, ""},
        // Separators longer than one character, and none at all.
        {"a::b::c", "::", 2, "b"},
        {"a::b::c", "::", 3, "c"},
        {" abc ", "", 1, "abc"},
        {"abc", "", 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << '"' << c.text << "\" / \"" << c.sep << "\" / " << c.n);
        EXPECT_EQ(GetSubStr(c.text, c.sep, c.n), c.field);
    }
}

} // namespace
