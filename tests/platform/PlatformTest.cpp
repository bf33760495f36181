// The platform layer's promises that the window relies on.

#include "platform/Colors.h"
#include "platform/ErrorBox.h"
#include "platform/FlatComboBox.h"
#include "platform/ListView.h"
#include "support/GuiTestHooks.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(ColorsTest, FixedColoursAreBgrAndSystemColoursFollowThePalette) {
    EXPECT_EQ(clRed, 0x0000FF);
    EXPECT_EQ(RGBColor(160, 150, 131), 0x8396A0);
    EXPECT_EQ(ToQColor(RGBColor(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(FromQColor(QColor(10, 20, 30)), RGBColor(10, 20, 30));
    EXPECT_TRUE(IsSystemColor(clInfoBk));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_EQ(ToQColor(clInfoBk), QApplication::palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(ToQColor(clWindow), QApplication::palette().color(QPalette::Base));
    EXPECT_FALSE(IsSystemColor(ColorToRGB(clBtnFace)));
}

TEST(FlatComboBoxTest, ItemsNeverChangeTheTextOrSelect) {
    TFlatComboBox box;
    box.SetText(QStringLiteral("三字"));
    box.ClearItems();
    box.AddItem(QStringLiteral("二字"));
    box.AddItem(QStringLiteral("三字"));
    EXPECT_EQ(box.Text(), QStringLiteral("三字"));
    EXPECT_EQ(box.ItemIndex(), -1);
    box.setCurrentIndex(0);
    EXPECT_EQ(box.Text(), QStringLiteral("二字"));
    box.ClearItems();
    EXPECT_EQ(box.Text(), QStringLiteral("二字")) << "clearing the items keeps the text";
    EXPECT_EQ(box.ItemCount(), 0);
}

TEST(ListViewTest, SubItemsFillTheColumnsAfterTheCaption) {
    TListView list;
    for (int i = 0; i < 3; ++i)
        list.Columns().Add();
    TListItem item = list.Items().Add();
    item.SetCaption(QStringLiteral("a"));
    item.SubItems().Add(QStringLiteral("b"));
    item.SubItems().Add(QStringLiteral("c"));
    item.SubItems().Add(QStringLiteral("kept but not shown"));
    EXPECT_EQ(item.Caption(), QStringLiteral("a"));
    EXPECT_EQ(item.SubItems().Count(), 3);
    EXPECT_EQ(item.SubItems()[1], QStringLiteral("c"));
    EXPECT_EQ(list.Items().Count(), 1);
    list.Items().Clear();
    EXPECT_EQ(list.Items().Count(), 0);
}

TEST(ErrorBoxTest, GuardShowsTheMessageAndSwallowsTheError) {
    ClearRecorded();
    bool after = false;
    RunGuarded(nullptr, [] { throw std::runtime_error("数据库错误"); });
    RunGuarded(nullptr, [] { throw 42; });
    RunGuarded(nullptr, [&] { after = true; });
    EXPECT_TRUE(after);
    ASSERT_EQ(ErrorMessages().size(), 2);
    EXPECT_EQ(ErrorMessages()[0], QStringLiteral("数据库错误"));
}

} // namespace
