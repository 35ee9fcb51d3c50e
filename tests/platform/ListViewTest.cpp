#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <vector>

#include "ListViews.h"
#include "platform/qt/list/ListDetailsView.h"
#include "platform/qt/list/ListIconView.h"
#include "platform/qt/list/ListModel.h"
#include "platform/qt/list/ListView.h"

using platform::ListRow;
using platform::ListRowStore;
using platform::ListView;

namespace {

ListRow Row(const char* name, const char* year = "", const char* age = "",
            const char* comments = "") {
    ListRow row;
    row.key = QStringLiteral("K") + QString::fromLatin1(name);
    row.text = QString::fromLatin1(name);
    row.subItems = {QString::fromLatin1(year), QString::fromLatin1(age),
                    QString::fromLatin1(comments)};
    row.smallIcon = row.largeIcon = 1;
    return row;
}

class ListViewTest : public testing::Test {
protected:
    ListViewTest() {
        list.resize(460, 200);
        for (const char* caption : {"Name", "Year", "Age", "Comments"})
            list.addColumn(QString::fromLatin1(caption), 1500);
    }

    void add(const std::vector<ListRow>& rows) {
        ListRowStore store;
        for (const ListRow& row : rows) store.append(row);
        list.publish(std::move(store));
    }

    std::vector<QString> column(int index) const {
        std::vector<QString> texts;
        for (int row = 0; row < list.rowCount(); ++row) texts.push_back(list.cellText(row, index));
        return texts;
    }

    void showList() {
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    ListView list;
};

std::vector<QString> Texts(std::initializer_list<const char*> texts) {
    std::vector<QString> out;
    for (const char* t : texts) out.push_back(QString::fromUtf8(t));
    return out;
}

}  // namespace

// The sort compares the shown texts as text: dates month first, ages digit by digit.
TEST_F(ListViewTest, SortsByTheColumnsText) {
    const struct {
        const char* what;
        int column;
        Qt::SortOrder order;
        std::vector<ListRow> rows;
        std::vector<QString> expected;  // texts of the sort column, in the shown order
    } cases[] = {
        {"letter case does not count",
         0,
         Qt::AscendingOrder,
         {Row("banana"), Row("Apple"), Row("cherry")},
         Texts({"Apple", "banana", "cherry"})},
        {"descending",
         0,
         Qt::DescendingOrder,
         {Row("banana"), Row("Apple"), Row("cherry")},
         Texts({"cherry", "banana", "Apple"})},
        {"dates as month-first text",
         1,
         Qt::AscendingOrder,
         {Row("a", "02/01/1950"), Row("b", "01/15/1990"), Row("c", "12/31/1899")},
         Texts({"01/15/1990", "02/01/1950", "12/31/1899"})},
        {"ages as text: 10 before 9",
         2,
         Qt::AscendingOrder,
         {Row("a", "", "9 Years, 1 Month"), Row("b", "", "10 Years"), Row("c", "", "1 Day")},
         Texts({"1 Day", "10 Years", "9 Years, 1 Month"})},
        {"empty texts first",
         3,
         Qt::AscendingOrder,
         {Row("a", "", "", "x"), Row("b", "", "", ""), Row("c", "", "", ".")},
         Texts({"", ".", "x"})},
    };
    for (const auto& c : cases) {
        list.setSorted(false);
        list.setSortKey(c.column);
        list.setSortOrder(c.order);
        add(c.rows);
        list.setSorted(true);
        EXPECT_EQ(column(c.column), c.expected) << c.what;
    }
}

// Rows with equal texts keep the order they had, so sorting by one column and then by
// another orders by the second and, within it, by the first.
TEST_F(ListViewTest, EqualTextsKeepTheirOrder) {
    add({Row("Cid", "", "", "b"), Row("Abe", "", "", "a"), Row("Bea", "", "", "b"),
         Row("Dan", "", "", "a")});
    list.setSortKey(0);
    list.setSorted(true);
    list.setSortKey(3);
    EXPECT_EQ(column(0), Texts({"Abe", "Dan", "Bea", "Cid"}));
    list.setSortOrder(Qt::DescendingOrder);
    EXPECT_EQ(column(0), Texts({"Bea", "Cid", "Abe", "Dan"}));
}

TEST_F(ListViewTest, OrdersRowsOnlyWhileSorted) {
    add({Row("b"), Row("c"), Row("a")});
    list.setSortKey(0);
    list.setSortOrder(Qt::DescendingOrder);
    EXPECT_EQ(column(0), Texts({"b", "c", "a"}));
    list.setSorted(true);
    EXPECT_EQ(column(0), Texts({"c", "b", "a"}));
    add({Row("b"), Row("bb"), Row("c"), Row("a")});
    EXPECT_EQ(column(0), Texts({"c", "bb", "b", "a"}));
    list.setSorted(false);
    add({Row("b"), Row("c"), Row("a")});
    EXPECT_EQ(column(0), Texts({"b", "c", "a"}));
}

// A large list is published with only its first rows sorted; whatever is asked of it
// afterwards is answered as by a list whose every row was sorted at once.
TEST_F(ListViewTest, ALargeSortedListAnswersAsIfSortedWhole) {
    const auto load = [](ListView& view) {
        for (const char* caption : {"Name", "Year", "Age", "Comments"})
            view.addColumn(QString::fromLatin1(caption), 1500);
        view.setSorted(true);
        ListRowStore store;
        for (int i = 0; i < 3000; ++i)
            store.setSubItem(store.append(QStringLiteral("K%1").arg(i),
                                          QStringLiteral("n%1").arg(i * 7919 % 1500), 1, 1),
                             3, QStringLiteral("c%1").arg(i % 7));
        view.publish(std::move(store));
    };
    const auto texts = [](const ListView& view) {
        std::vector<QString> shown;
        for (int row = 0; row < view.rowCount(); ++row) shown.push_back(view.cellText(row, 0));
        return shown;
    };
    const std::pair<const char*, std::function<void(ListView&)>> steps[] = {
        {"nothing", [](ListView&) {}},
        {"another sort column", [](ListView& v) { v.setSortKey(3); }},
        {"a filter", [](ListView& v) { v.setFilterColumns({3}), v.setFilter(u"c3"_qs); }},
        {"the other direction", [](ListView& v) { v.setSortOrder(Qt::DescendingOrder); }},
        {"no sort", [](ListView& v) { v.setSorted(false); }},
        {"a stored row's place", [](ListView& v) { v.selectRow(v.positionOfStored(2999)); }},
    };
    for (const auto& [step, action] : steps) {
        SCOPED_TRACE(step);
        ListView lazy, eager;
        load(lazy);
        load(eager);
        eager.setSorted(false);  // sorts every row now
        eager.setSorted(true);
        EXPECT_EQ(lazy.cellText(1, 0), QStringLiteral("n0"));  // the first rows are ready
        action(eager);
        action(lazy);
        EXPECT_EQ(texts(lazy), texts(eager));
        EXPECT_EQ(lazy.selectedRow(), eager.selectedRow());
    }
}

// A click in the icon view selects the whole row, which the details view shows too.
TEST_F(ListViewTest, BothViewsShareRowsAndSelection) {
    add({Row("a", "01/01/2000"), Row("b", "02/02/2000")});
    list.setViewMode(ListView::ViewMode::LargeIcons);
    showList();
    QSignalSpy clicks(&list, &ListView::clicked);
    auto* view = testsupport::IconViewOf(&list);
    ASSERT_EQ(view->model()->rowCount(), 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(1, 0)).center());
    EXPECT_EQ(clicks.count(), 1);
    list.setViewMode(ListView::ViewMode::Details);
    EXPECT_EQ(list.selectedRow(), 1);
    EXPECT_TRUE(testsupport::DetailsViewOf(&list)->selectionModel()->isRowSelected(1, {}));
    list.selectRow(-1);
    list.setViewMode(ListView::ViewMode::LargeIcons);
    EXPECT_EQ(list.selectedRow(), -1);
}

// The click is reported after the view has made its selection, wherever it lands.
TEST_F(ListViewTest, ReportsClicksOnRowsAndOnEmptySpace) {
    add({Row("a"), Row("b")});
    showList();
    int selectedAtClick = -2;
    QObject::connect(&list, &ListView::clicked, [&] { selectedAtClick = list.selectedRow(); });
    auto* view = testsupport::DetailsViewOf(&list);
    const QRect second = view->visualRect(view->model()->index(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(selectedAtClick, 1);
    selectedAtClick = -2;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      QPoint(5, view->viewport()->height() - 5));
    EXPECT_NE(selectedAtClick, -2);
}

TEST_F(ListViewTest, NeverEditsTextsInPlace) {
    add({Row("a"), Row("b")});
    showList();
    QSignalSpy doubleClicks(&list, &ListView::doubleClicked);
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(testsupport::DetailsViewOf(&list)),
          static_cast<QAbstractItemView*>(testsupport::IconViewOf(&list))}) {
        list.setViewMode(view == testsupport::IconViewOf(&list) ? ListView::ViewMode::LargeIcons
                                                                : ListView::ViewMode::Details);
        const QPoint first = view->visualRect(view->model()->index(0, 0)).center();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, first);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_F2);
        EXPECT_TRUE(view->findChildren<QLineEdit*>().isEmpty()) << view->objectName().toStdString();
        EXPECT_EQ(list.cellText(0, 0), QStringLiteral("a"));
    }
    EXPECT_EQ(doubleClicks.count(), 2);
}

// The icon view shows the large image and the details view the small one of each row.
TEST_F(ListViewTest, EachViewShowsItsOwnImageList) {
    platform::ImageList small(QSize(16, 16)), large(QSize(32, 32));
    for (Qt::GlobalColor color : {Qt::red, Qt::green}) {
        QPixmap pixmap(8, 8);
        pixmap.fill(color);
        small.add(QIcon(pixmap));
        large.add(QIcon(pixmap.scaled(32, 32)));
    }
    list.setImageLists(&small, &large);
    ListRow row = Row("a");
    row.smallIcon = 2;
    row.largeIcon = 1;
    add({row});
    const QModelIndex index = testsupport::DetailsViewOf(&list)->model()->index(0, 0);
    EXPECT_EQ(index.data(Qt::DecorationRole).value<QIcon>().cacheKey(), small.icon(2).cacheKey());
    EXPECT_EQ(index.data(platform::ListModel::LargeIconRole).value<QIcon>().cacheKey(),
              large.icon(1).cacheKey());
    EXPECT_FALSE(
        testsupport::DetailsViewOf(&list)->model()->index(0, 1).data(Qt::DecorationRole).isValid());
}
