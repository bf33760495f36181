// The main window as it starts, its links, and the start button through the window.

#include "app/NameStore.h"
#include "app/Random.h"
#include "app/Unit1.h"
#include "calendar/Color.h"
#include "platform/Colors.h"
#include "platform/FlatButton.h"
#include "platform/FlatComboBox.h"
#include "platform/FlatEdit.h"
#include "platform/FlatGroupBox.h"
#include "platform/ListView.h"
#include "support/GuiTestHooks.h"
#include "support/NameDatabaseFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearRecorded();
        RandSeed = 0;
        form_ = std::make_unique<TForm1>();
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }
    void TearDown() override { form_.reset(); }

    std::unique_ptr<TForm1> form_;
};

// Chinese text arrives from an input method as committed text, not as key presses.
void TypeByInputMethod(QWidget* widget, const QString& text) {
    widget->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

QStringList Items(const TFlatComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->ItemCount(); ++i)
        items << box->Item(i);
    return items;
}

TEST_F(MainWindowTest, StartsWithItsTextsAndNoSelection) {
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Tolvane"));
    EXPECT_EQ(form_->FlatEdit1->Text(), QString());
    EXPECT_EQ(form_->FlatComboBox1->Text(), QStringLiteral("男"));
    EXPECT_EQ(form_->FlatComboBox2->Text(), QStringLiteral("三字"));
    EXPECT_EQ(form_->FlatComboBox3->Text(), QStringLiteral("11"));
    EXPECT_EQ(Items(form_->FlatComboBox1), (QStringList{QStringLiteral("男"), QStringLiteral("女")}));
    EXPECT_EQ(Items(form_->FlatComboBox2), (QStringList{QStringLiteral("二字"), QStringLiteral("三字")}));
    ASSERT_EQ(form_->FlatComboBox3->ItemCount(), 24);
    EXPECT_EQ(form_->FlatComboBox3->Item(0), QStringLiteral("00"));
    EXPECT_EQ(form_->FlatComboBox3->Item(9), QStringLiteral("09"));
    EXPECT_EQ(form_->FlatComboBox3->Item(23), QStringLiteral("23"));
    for (const TFlatComboBox* box : {form_->FlatComboBox1, form_->FlatComboBox2, form_->FlatComboBox3}) {
        EXPECT_EQ(box->ItemIndex(), -1) << box->objectName().toStdString();
        EXPECT_TRUE(box->isEditable());
    }
    EXPECT_EQ(form_->centralWidget()->size(), QSize(616, 572));
    EXPECT_FALSE(form_->ADOConnection1->Connected()) << "no database work at start";
    EXPECT_TRUE(form_->ADOConnection1->ConnectionString().endsWith(QStringLiteral("/config/norvide.dat")));
}

TEST_F(MainWindowTest, ListHasSevenHeaderlessColumnsWithGridLinesAndTallRows) {
    TListView* list = form_->ListView1;
    ASSERT_EQ(list->Columns().Count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(list->Columns()[i].Width(), 84);
        EXPECT_EQ(list->Columns()[i].Caption(), QStringLiteral("id"));
    }
    EXPECT_TRUE(list->GridLines());
    EXPECT_FALSE(list->ShowColumnHeaders());
    EXPECT_FALSE(list->horizontalHeader()->isVisible());
    EXPECT_EQ(list->ViewStyle(), TViewStyle::vsReport);
    EXPECT_EQ(list->Items().Count(), 0);
    EXPECT_EQ(list->RowHeight(), 32);
    EXPECT_EQ(list->geometry(), QRect(8, 160, 601, 401));
}

TEST_F(MainWindowTest, EveryComponentCarriesItsName) {
    for (const char* name : {"FlatGroupBox1", "Label1", "FlatEdit1", "Label2", "FlatComboBox1", "Label3", "FlatComboBox2",
                             "Label4", "FlatComboBox3", "Label5", "Label6", "FlatButton1", "FlatButton2", "FlatButton3",
                             "FlatButton4", "FlatButton5", "FlatButton6", "ListView1"})
        EXPECT_NE(form_->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    for (const char* name : {"ADOConnection1", "ADOQuery1", "ImageList1", "MainMenu1", "N1", "N2", "N3", "N4", "N5", "N6",
                             "N7"})
        EXPECT_NE(form_->findChild<QObject*>(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(form_->findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("生辰八字："));
    EXPECT_EQ(form_->FlatButton1->text(), QStringLiteral("开始起名"));
    EXPECT_EQ(form_->FlatButton1->geometry(), QRect(8, 120, 81, 25));
    EXPECT_EQ(form_->FlatButton6->geometry(), QRect(488, 120, 81, 25));
    EXPECT_EQ(form_->FlatGroupBox1->geometry(), QRect(8, 8, 601, 97));
    EXPECT_EQ(form_->FlatComboBox2->geometry(), QRect(432, 24, 49, 21));
}

TEST_F(MainWindowTest, MenuTreeInOrder) {
    const QList<QAction*> top = form_->MainMenu1->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0], form_->N1);
    EXPECT_EQ(top[1], form_->N2);
    EXPECT_EQ(top[2], form_->N3);
    EXPECT_EQ(top[3], form_->N4);
    ASSERT_NE(form_->N1->menu(), nullptr);
    const QList<QAction*> sub = form_->N1->menu()->actions();
    ASSERT_EQ(sub.size(), 3);
    EXPECT_EQ(sub[0], form_->N5);
    EXPECT_EQ(sub[1], form_->N6);
    EXPECT_EQ(sub[2], form_->N7);
    const QStringList captions{form_->N1->text(), form_->N2->text(), form_->N3->text(), form_->N4->text(),
                               form_->N5->text(), form_->N6->text(), form_->N7->text()};
    EXPECT_EQ(captions, (QStringList{"宝宝起名", "起名知识", "育儿知识", "藏头诗", "定字起名", "五行起名", "小说姓名生成器"}));
}

TEST_F(MainWindowTest, EachLinkOpensTheHomePageOnce) {
    const QString home = QString::fromLatin1(HomePageUrl);
    for (TFlatButton* b : {form_->FlatButton2, form_->FlatButton3, form_->FlatButton4, form_->FlatButton5, form_->FlatButton6}) {
        ClearRecorded();
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(OpenedUrls(), QStringList{home}) << b->objectName().toStdString();
    }
    for (QAction* item : {form_->N2, form_->N3, form_->N4, form_->N5, form_->N6, form_->N7}) {
        ClearRecorded();
        item->trigger();
        EXPECT_EQ(OpenedUrls(), QStringList{home}) << item->objectName().toStdString();
    }
    ClearRecorded();
    form_->N1->trigger(); // only opens its submenu
    EXPECT_TRUE(OpenedUrls().isEmpty());
    EXPECT_TRUE(form_->isVisible()) << "the program keeps running after a link";

    form_->close();
    EXPECT_EQ(OpenedUrls(), QStringList{home});
    EXPECT_FALSE(form_->isVisible());
    EXPECT_TRUE(ErrorMessages().isEmpty());
}

TEST_F(MainWindowTest, SixthButtonKeepsTheFlatButtonsOwnBorderColour) {
    const QImage image = form_->grab().toImage();
    const QPoint origin = form_->centralWidget()->mapTo(form_.get(), QPoint(0, 0));
    const auto borderAt = [&](TFlatButton* b) { return image.pixelColor(origin + b->geometry().topLeft() + QPoint(10, 0)); };
    EXPECT_EQ(borderAt(form_->FlatButton6), ToQColor(TFlatButton::DefaultBorderColor));
    EXPECT_EQ(form_->FlatButton6->ColorBorder(), RGBColor(160, 150, 131));
    for (TFlatButton* b : {form_->FlatButton1, form_->FlatButton2, form_->FlatButton3, form_->FlatButton4, form_->FlatButton5}) {
        EXPECT_EQ(b->ColorBorder(), clActiveBorder);
        EXPECT_EQ(borderAt(b), ToQColor(clActiveBorder)) << b->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, StartButtonFillsTheListAndHostileFamilyNamesStayText) {
    NameDatabaseFixture db(FourTables(1904, 2674));
    form_->ADOConnection1->SetConnectionString(db.Path());
    const QString hostile[] = {
        QStringLiteral("O'Brien\"; drop table male1; --"),
        QStringLiteral("' or 1=1 --"),
        QStringLiteral("😀👶"),
        QString(200, QChar(0x674E)), // 200 × 李
    };
    for (const QString& family : hostile) {
        form_->FlatEdit1->clear();
        TypeByInputMethod(form_->FlatEdit1, family);
        ASSERT_EQ(form_->FlatEdit1->Text(), family);
        RandSeed = 0;
        form_->FlatComboBox1->SetText(QStringLiteral("男"));
        form_->FlatComboBox2->SetText(QStringLiteral("二字"));
        QTest::mouseClick(form_->FlatButton1, Qt::LeftButton);
        ASSERT_TRUE(ErrorMessages().isEmpty()) << ErrorMessages().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(form_->ADOQuery1->SqlText(), QStringLiteral("select * from male1;"));
        ASSERT_EQ(form_->ListView1->Items().Count(), 11);
        EXPECT_EQ(form_->ListView1->Items()[0].Caption(), family + QStringLiteral("r1"));
        EXPECT_EQ(form_->ListView1->Items()[10].SubItems()[5].left(family.size()), family);
    }
}

TEST_F(MainWindowTest, TypedSexIsReadAsTypedFromTheEditableBox) {
    NameDatabaseFixture db(FourTables(1904, 2674));
    form_->ADOConnection1->SetConnectionString(db.Path());
    form_->FlatComboBox1->lineEdit()->selectAll();
    TypeByInputMethod(form_->FlatComboBox1->lineEdit(), QStringLiteral("女"));
    QTest::keyClick(form_->FlatComboBox1->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form_->FlatComboBox1->Text(), QStringLiteral("女"));
    EXPECT_EQ(form_->FlatComboBox1->ItemCount(), 2) << "typing must not add an item";
    QTest::mouseClick(form_->FlatButton1, Qt::LeftButton);
    EXPECT_EQ(form_->ADOQuery1->SqlText(), QStringLiteral("select * from female2;"));

    form_->FlatComboBox1->SetText(QStringLiteral("boy"));
    QTest::mouseClick(form_->FlatButton1, Qt::LeftButton);
    EXPECT_EQ(form_->ListView1->Items().Count(), 0);
    EXPECT_TRUE(ErrorMessages().isEmpty());
}

TEST_F(MainWindowTest, DatabaseErrorShowsInTheErrorBoxAndTheProgramGoesOn) {
    NameDatabaseFixture db(FourTables(10, 10));
    form_->ADOConnection1->SetConnectionString(db.MissingPath());
    QTest::mouseClick(form_->FlatButton1, Qt::LeftButton);
    ASSERT_EQ(ErrorMessages().size(), 1);
    EXPECT_TRUE(ErrorMessages()[0].contains(db.MissingPath()));
    EXPECT_EQ(form_->ListView1->Items().Count(), 0);
    EXPECT_TRUE(form_->isVisible());

    // The same window works once the database is there.
    form_->ADOConnection1->SetConnectionString(db.Path());
    QTest::mouseClick(form_->FlatButton1, Qt::LeftButton);
    EXPECT_EQ(form_->ListView1->Items().Count(), 11);
    EXPECT_EQ(ErrorMessages().size(), 1);
}

} // namespace
