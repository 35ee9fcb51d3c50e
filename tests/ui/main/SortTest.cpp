#include <QHeaderView>

#include "ListViews.h"
#include "MainWindowFixture.h"
#include "platform/qt/list/ListDetailsView.h"

namespace maintest {

namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

// Four people whose dates and ages sort differently as text than as numbers (today
// is 05/20/2024): Ann 01/15/1990 (34 Years...), Bob 02/01/1950 (74 Years...),
// Cy 03/01/2014 (10 Years...), Dee 01/01/2015 (9 Years...).
class SortTest : public MainWindowFixture {
protected:
    SortTest() {
        db_.add("Bob", "1950-02-01 00:00:00", ".");
        db_.add("Dee", "2015-01-01 00:00:00", ".");
        db_.add("Ann", "1990-01-15 00:00:00", ".");
        db_.add("Cy", "2014-03-01 00:00:00", ".");
        window = open();
        show(*window);
    }

    void clickHeader(int position) {
        QHeaderView* header = testsupport::DetailsViewOf(window->Lvw())->header();
        const QPoint at(header->sectionViewportPosition(position - 1) + 8, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    std::vector<QString> names() const { return column(*window, 0); }

    std::unique_ptr<frmMain> window;
};

std::vector<QString> Names(std::initializer_list<const char*> names) {
    std::vector<QString> out;
    for (const char* n : names) out.push_back(Q(n));
    return out;
}

}  // namespace

// Header clicks from start-up (sorted by name, ascending): the shown names after each.
// Dates and ages compare as text: 01/15/1990 before 02/01/1950, "10 Years" before "9".
TEST_F(SortTest, HeaderClicksSortAsText) {
    const struct {
        const char* what;
        std::vector<int> clicks;
        std::vector<QString> names;
    } cases[] = {
        {"start-up", {}, Names({"Ann", "Bob", "Cy", "Dee"})},
        {"Name reverses at once", {1}, Names({"Dee", "Cy", "Bob", "Ann"})},
        {"Year, month first", {2}, Names({"Dee", "Ann", "Bob", "Cy"})},
        {"Age, 10 before 9", {3}, Names({"Cy", "Ann", "Bob", "Dee"})},
        {"Age twice", {3, 3}, Names({"Dee", "Bob", "Ann", "Cy"})},
        {"Name, then Age keeps descending", {1, 3}, Names({"Dee", "Bob", "Ann", "Cy"})},
    };
    for (const auto& c : cases) {
        window->Lvw()->setSortOrder(Qt::AscendingOrder);
        window->cmdRefresh_Click();
        for (int position : c.clicks) clickHeader(position);
        EXPECT_EQ(names(), c.names) << c.what;
    }
}

// Age twice (ascending, descending), then Name: name descending; the order survives
// a reload, which also shows the details view again.
TEST_F(SortTest, OrderChosenByClicksSurvivesReload) {
    clickHeader(3);
    clickHeader(3);
    EXPECT_EQ(names(), Names({"Dee", "Bob", "Ann", "Cy"}));
    clickHeader(1);
    EXPECT_EQ(names(), Names({"Dee", "Cy", "Bob", "Ann"}));
    window->cmdView_Click(0);
    window->cmdRefresh_Click();
    EXPECT_EQ(names(), Names({"Dee", "Cy", "Bob", "Ann"}));
    EXPECT_EQ(window->Lvw()->sortKey(), 0);
    EXPECT_EQ(window->Lvw()->sortOrder(), Qt::DescendingOrder);
    EXPECT_EQ(window->Lvw()->viewMode(), platform::ListView::ViewMode::Details);
}

TEST_F(SortTest, SelectionStaysOnItsPersonWhenSorting) {
    window->Lvw()->selectRow(rowNamed(*window, Q("Cy")));
    clickHeader(2);
    EXPECT_EQ(window->Lvw()->cellText(window->Lvw()->selectedRow(), 0), Q("Cy"));
}

}  // namespace maintest
