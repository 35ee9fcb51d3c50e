#include <QHeaderView>

#include "ListViews.h"
#include "MainWindowFixture.h"
#include "age/AgeCalc.h"
#include "platform/qt/list/ListDetailsView.h"
#include "store/PersonRepository.h"
#include "transfer/Exporter.h"
#include "ui/upcoming/UpcomingBirthdays.h"

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

// Birthdays without a year sort by what they show: "01/15" before "01/15/1990"; their
// empty age comes first going up and last going down, in their order before.
TEST_F(SortTest, BirthdaysWithoutAYearSortByTheirShownTexts) {
    db_.add("Fay", "--12-31 23:00:00", ".");
    db_.add("Eve", "--01-15", ".");
    const struct {
        const char* what;
        std::vector<int> clicks;
        std::vector<QString> names;
    } cases[] = {
        {"Year", {2}, Names({"Dee", "Eve", "Ann", "Bob", "Cy", "Fay"})},
        {"Year twice", {2, 2}, Names({"Fay", "Cy", "Bob", "Ann", "Eve", "Dee"})},
        {"Age", {3}, Names({"Eve", "Fay", "Cy", "Ann", "Bob", "Dee"})},
        {"Age twice", {3, 3}, Names({"Dee", "Bob", "Ann", "Cy", "Eve", "Fay"})},
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

// Names in a reader's order: accents beside their base letter, strokes as plain letters,
// case ignored, names that fold alike by key. The list (also after a sort by age, which
// put the two Ann Lees the other way round), the Upcoming lists and the export (which
// the companion's list and upcoming share) all give the same order. Everyone's birthday
// is today, 05/20.
class NameOrderTest : public MainWindowFixture {};

TEST_F(NameOrderTest, ListUpcomingAndExportSortNamesAsAReaderExpects) {
    struct Person {
        const char* name;
        const char* birth;
    };
    const Person people[] = {
        {"Zo\u00eb Martin", "1990-05-20 00:00:00"},     {"\u00e9mile Zola", "1991-05-20 00:00:00"},
        {"\u00c5sa Lindqvist", "1992-05-20 00:00:00"},  {"Bj\u00f6rn \u00d8degaard", "1993-05-20 00:00:00"},
        {"Bjorn Nilsen", "1994-05-20 00:00:00"},        {"\u00d8degaard Ola", "1995-05-20 00:00:00"},
        {"Olav Berg", "1996-05-20 00:00:00"},           {"Ann Lee", "1970-05-20 00:00:00"},
        {"ANN LEE", "2000-05-20 00:00:00"},             {"Anne Moe", "1997-05-20 00:00:00"}};
    const std::vector<QString> expected = Names(
        {"Ann Lee", "ANN LEE", "Anne Moe", "\u00c5sa Lindqvist", "Bjorn Nilsen",
         "Bj\u00f6rn \u00d8degaard", "\u00e9mile Zola", "\u00d8degaard Ola", "Olav Berg",
         "Zo\u00eb Martin"});
    for (const Person& person : people) db_.add(person.name, person.birth, ".");
    auto window = open();

    window->Lvw()->setSortKey(2);  // by age: the younger Ann Lee first
    window->Lvw()->setSortKey(0);
    EXPECT_EQ(column(*window, 0), expected) << "list";

    const platform::ListRowStore& rows = window->Lvw()->storedRows();
    std::vector<QString> upcoming;
    for (const auto& birthday : upcoming::UpcomingBirthdays(rows, modAgeCalc::TodaySerial(), 0))
        upcoming.push_back(rows.cell(birthday.row, 0).toString());
    EXPECT_EQ(upcoming, expected) << "upcoming";

    std::vector<store::Person> stored;
    store::RepositoryError error;
    ASSERT_TRUE(store::PersonRepository(db_.path()).ReadAll(stored, error));
    std::vector<QString> exported;
    for (const std::size_t i : transfer::NameOrder(stored))
        exported.push_back(QString::fromStdString(stored[i].name));
    EXPECT_EQ(exported, expected) << "export";
}

}  // namespace maintest
