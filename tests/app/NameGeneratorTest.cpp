// The start button's walk through a name table, against small databases made by the tests.

#include "app/NameGenerator.h"
#include "app/NameStore.h"
#include "app/Random.h"
#include "platform/ListView.h"
#include "support/NameDatabaseFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Grid = std::vector<QStringList>;

class NameGeneratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        RandSeed = 0; // as after a program start
        query_.SetConnection(&connection_);
        query_.setObjectName(QStringLiteral("ADOQuery1"));
        list_.Columns().Clear();
        for (int i = 0; i < 7; ++i)
            list_.Columns().Add();
    }

    void UseDatabase(const QString& path) { connection_.SetConnectionString(path); }

    Grid Press(const QString& family, const QString& sex, const QString& length) {
        SuggestNames(family, sex, length, query_, list_.Items());
        return Shown();
    }

    Grid Shown() {
        Grid grid;
        TListItems items = list_.Items();
        for (int r = 0; r < items.Count(); ++r) {
            QStringList row{items[r].Caption()};
            for (int k = 0; k < items[r].SubItems().Count(); ++k)
                row << items[r].SubItems()[k];
            grid.push_back(row);
        }
        return grid;
    }

    static QStringList Rows(const QString& family, std::initializer_list<int> rows) {
        QStringList names;
        for (int r : rows)
            names << family + QStringLiteral("r%1").arg(r);
        return names;
    }

    TADOConnection connection_;
    TADOQuery query_;
    TListView list_;
};

TEST(RandomTest, FirstValuesAfterStart) {
    RandSeed = 0;
    std::vector<int> values;
    for (int i = 0; i < 7; ++i)
        values.push_back(Random(10));
    EXPECT_EQ(values, (std::vector<int>{0, 0, 8, 2, 2, 6, 3}));
}

TEST(RandomTest, StaysBelowTheBoundAndIgnoresNonPositiveBounds) {
    RandSeed = 12345;
    for (int i = 0; i < 10000; ++i) {
        const int v = Random(20);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 20);
    }
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
}

TEST_F(NameGeneratorTest, FirstPressVisitsTheKnownRowsOfEachTableKind) {
    NameDatabaseFixture db(FourTables(1904, 2674));
    UseDatabase(db.Path());

    const Grid male = Press(QStringLiteral("李"), QStringLiteral("男"), QStringLiteral("二字"));
    ASSERT_EQ(male.size(), 11u);
    for (const QStringList& row : male)
        ASSERT_EQ(row.size(), 7);
    EXPECT_EQ(male[0], Rows(QStringLiteral("李"), {1, 1, 9, 11, 13, 19, 22}));
    EXPECT_EQ(male[1], Rows(QStringLiteral("李"), {24, 28, 34, 37, 45, 50, 64}));
    EXPECT_EQ(male[10][6], QStringLiteral("李r1550"));

    RandSeed = 0; // a new program start
    const Grid female = Press(QStringLiteral("王"), QStringLiteral("女"), QStringLiteral("三字"));
    EXPECT_EQ(female[0], Rows(QStringLiteral("王"), {1, 1, 18, 22, 27, 40, 46}));
    EXPECT_EQ(female[1], Rows(QStringLiteral("王"), {50, 58, 68, 72, 85, 91, 113}));
    EXPECT_EQ(female[10][6], QStringLiteral("王r1933"));
    EXPECT_FALSE(query_.Active()) << "each press closes its query";
}

TEST_F(NameGeneratorTest, SecondPressDiffersAndARestartRepeatsTheFirst) {
    NameDatabaseFixture db(FourTables(1904, 2674));
    UseDatabase(db.Path());
    const Grid first = Press(QStringLiteral("张"), QStringLiteral("男"), QStringLiteral("三字"));
    // Every press starts again at the first row: its first step is the next draw.
    const std::uint32_t seed = RandSeed;
    const int firstStep = Random(20);
    RandSeed = seed;
    const Grid second = Press(QStringLiteral("张"), QStringLiteral("男"), QStringLiteral("三字"));
    EXPECT_NE(first, second);
    EXPECT_EQ(second[0][0], QStringLiteral("张r%1").arg(1 + firstStep));
    RandSeed = 0;
    EXPECT_EQ(Press(QStringLiteral("张"), QStringLiteral("男"), QStringLiteral("三字")), first);
}

TEST_F(NameGeneratorTest, TableChoiceComparesTextsExactly) {
    struct Case {
        const char* sex;
        const char* length;
        const char* table; // nullptr: no table
    };
    const Case cases[] = {
        {"男", "三字", "male2"},  {"男", "二字", "male1"}, {"女", "三字", "female2"}, {"女", "二字", "female1"},
        {"女", "", "female1"},   {"男", "三字 ", "male1"}, {"男", "三", "male1"},     {"男 ", "三字", nullptr},
        {"", "三字", nullptr},   {"M", "二字", nullptr},   {"男女", "二字", nullptr},
    };
    for (const Case& c : cases) {
        const auto source = ChooseNameSource(QString::fromUtf8(c.sex), QString::fromUtf8(c.length));
        SCOPED_TRACE(std::string(c.sex) + "/" + c.length);
        if (!c.table) {
            EXPECT_FALSE(source.has_value());
            continue;
        }
        ASSERT_TRUE(source.has_value());
        EXPECT_STREQ(source->table, c.table);
        EXPECT_EQ(source->stepBound, std::string(c.table).back() == '2' ? 20 : 10);
        EXPECT_STREQ(source->column, std::string(c.table).back() == '2' ? "shuangm" : "danm");
    }
}

TEST_F(NameGeneratorTest, UnknownSexEmptiesTheListWithoutQueryOrDraws) {
    NameDatabaseFixture db(FourTables(1904, 2674));
    UseDatabase(db.Path());
    Press(QStringLiteral("李"), QStringLiteral("男"), QStringLiteral("二字"));
    const std::uint32_t seed = RandSeed;
    // A missing database would fail any query that ran.
    UseDatabase(db.MissingPath());
    EXPECT_TRUE(Press(QStringLiteral("李"), QStringLiteral("m"), QStringLiteral("二字")).empty());
    EXPECT_EQ(RandSeed, seed);
}

TEST_F(NameGeneratorTest, EmptyFamilyNameGivesTheGivenNamesAlone) {
    NameDatabaseFixture db(FourTables(1904, 2674));
    UseDatabase(db.Path());
    const Grid grid = Press(QString(), QStringLiteral("男"), QStringLiteral("二字"));
    EXPECT_EQ(grid[0], Rows(QString(), {1, 1, 9, 11, 13, 19, 22}));
}

TEST_F(NameGeneratorTest, ShortTableRepeatsItsLastRowAndEmptyTableGivesFamilyNames) {
    NameDatabaseFixture db(FourTables(30, 0));
    UseDatabase(db.Path());
    const Grid shortWalk = Press(QStringLiteral("赵"), QStringLiteral("女"), QStringLiteral("二字"));
    EXPECT_EQ(shortWalk[0], Rows(QStringLiteral("赵"), {1, 1, 9, 11, 13, 19, 22}));
    EXPECT_EQ(shortWalk[1][0], QStringLiteral("赵r24"));
    EXPECT_EQ(shortWalk[1][1], QStringLiteral("赵r28"));
    EXPECT_EQ(shortWalk[1][2], QStringLiteral("赵r30")) << "the cursor stops on the last row";
    for (std::size_t r = 2; r < shortWalk.size(); ++r)
        EXPECT_EQ(shortWalk[r], QStringList(7, QStringLiteral("赵r30")));

    const Grid empty = Press(QStringLiteral("赵"), QStringLiteral("女"), QStringLiteral("三字"));
    ASSERT_EQ(empty.size(), 11u);
    for (const QStringList& row : empty)
        EXPECT_EQ(row, QStringList(7, QStringLiteral("赵")));
}

TEST_F(NameGeneratorTest, MissingFileFailsBeforeAnyRowAndIsNotCreated) {
    NameDatabaseFixture db(FourTables(10, 10));
    UseDatabase(db.MissingPath());
    try {
        Press(QStringLiteral("李"), QStringLiteral("男"), QStringLiteral("二字"));
        FAIL() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(db.MissingPath()));
    }
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(QFileInfo::exists(db.MissingPath()));
}

TEST_F(NameGeneratorTest, UnreadableFileNamesTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("norvide.dat"));
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a database, just some text that is long enough to be read");
    junk.close();
    UseDatabase(path);
    try {
        Press(QStringLiteral("李"), QStringLiteral("男"), QStringLiteral("二字"));
        FAIL() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(path)) << e.what();
    }
    EXPECT_TRUE(Shown().empty());
}

TEST_F(NameGeneratorTest, MissingTableFailsBeforeAnyRow) {
    NameDatabaseFixture db({{QStringLiteral("male1"), QStringLiteral("danm"), 10}});
    UseDatabase(db.Path());
    try {
        Press(QStringLiteral("李"), QStringLiteral("女"), QStringLiteral("二字"));
        FAIL() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("female1"))) << e.what();
    }
    EXPECT_TRUE(Shown().empty());
}

TEST_F(NameGeneratorTest, MissingColumnLeavesOneEmptyRowAndTheQueryOpen) {
    NameDatabaseFixture db({{QStringLiteral("male2"), QString(), 0}});
    UseDatabase(db.Path());
    try {
        Press(QStringLiteral("李"), QStringLiteral("男"), QStringLiteral("三字"));
        FAIL() << "no error";
    } catch (const EDatabaseError& e) {
        const QString message = QString::fromUtf8(e.what());
        EXPECT_TRUE(message.contains(QStringLiteral("ADOQuery1"))) << e.what();
        EXPECT_TRUE(message.contains(QStringLiteral("'shuangm'"))) << e.what();
    }
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], QStringList{QString()});
    EXPECT_TRUE(query_.Active());
    query_.SqlClear(); // the next statement closes it
    EXPECT_FALSE(query_.Active());
}

TEST_F(NameGeneratorTest, DatabaseIsOpenedReadOnly) {
    NameDatabaseFixture db(FourTables(5, 5));
    UseDatabase(db.Path());
    Press(QStringLiteral("李"), QStringLiteral("男"), QStringLiteral("二字"));
    ASSERT_TRUE(connection_.Connected()) << "the connection stays open after a press";
    QSqlQuery write(connection_.Database());
    EXPECT_FALSE(write.exec(QStringLiteral("insert into male1 (id, danm) values (99, 'x')")));
}

} // namespace
