#include <gtest/gtest.h>

#include <cmath>

#include "platform/qt/list/ListRowStore.h"

using platform::ListRow;
using platform::ListRowStore;

TEST(ListRowStore, GivesBackWhatWasStored) {
    ListRow in;
    in.key = QStringLiteral("K17");
    in.text = QStringLiteral("Adam");
    in.subItems = {QStringLiteral("03/15/1980"), QStringLiteral("44 Years"), QStringLiteral(".")};
    in.smallIcon = 4;
    in.largeIcon = 5;
    in.birth = 29295.4375;
    ListRowStore rows;
    const int index = rows.append(in);
    const ListRow out = rows.row(index);
    EXPECT_EQ(out.key, in.key);
    EXPECT_EQ(out.text, in.text);
    EXPECT_EQ(out.subItems, in.subItems);
    EXPECT_EQ(out.smallIcon, 4);
    EXPECT_EQ(out.largeIcon, 5);
    EXPECT_EQ(out.birth, 29295.4375);
}

TEST(ListRowStore, IgnoresSubItemsAndRowsThatDoNotExist) {
    ListRowStore rows;
    const int row = rows.appendUtf8("K1", "Ann", 1, 1);
    rows.setSubItem(row, 0, u"not a sub-item");
    rows.setSubItem(row, 4, u"not a sub-item");
    rows.setSubItem(row + 1, 1, u"no such row");
    rows.setIcons(row + 1, 3, 3);
    EXPECT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.cell(row, 0).toString(), QStringLiteral("Ann"));
    for (int column = 1; column <= 3; ++column) EXPECT_TRUE(rows.cell(row, column).isEmpty());
}
