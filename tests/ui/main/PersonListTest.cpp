#include <QToolButton>
#include <cmath>

#include "ListViews.h"
#include "MainWindowFixture.h"
#include "age/DateValue.h"
#include "platform/qt/list/ListDetailsView.h"
#include "ui/main/AgeGroup.h"

namespace maintest {

namespace {
using PersonListTest = MainWindowFixture;

QString Q(const char* text) {
    return QString::fromUtf8(text);
}
}  // namespace

TEST_F(PersonListTest, EmptyTableGivesThePlaceholderRowOnly) {
    auto window = open();
    ASSERT_EQ(window->Lvw()->rowCount(), 1);
    const platform::ListRow row = testsupport::RowOf(window->Lvw(), 0);
    EXPECT_EQ(row.text, Q("0"));
    EXPECT_TRUE(row.key.isEmpty());
    EXPECT_TRUE(row.subItems[0].isEmpty());
    EXPECT_EQ(row.subItems[1], Q("There are no records."));
    EXPECT_TRUE(row.subItems[2].isEmpty());
    EXPECT_EQ(row.smallIcon, 1);
    EXPECT_EQ(row.largeIcon, 1);
    EXPECT_EQ(box_.count(), 0u);
}

// Today is 05/20/2024.
TEST_F(PersonListTest, AgeGroupsFollowTheWholeYears) {
    const struct {
        const char* name;
        const char* birth;
        const char* age;
        int image;
    } people[] = {
        {"15 years", "2009-05-20", "15 Years", 1},
        {"16 years", "2008-05-20", "16 Years", 2},
        {"a day short of 18", "2006-05-21", "17 Years, 11 Months, 30 Days", 2},
        {"18 years", "2006-05-20", "18 Years", 2},
        {"19 years", "2005-05-20", "19 Years", 3},
        {"20 years", "2004-05-20", "20 Years", 3},
        {"21 years", "2003-05-20", "21 Years", 4},
        {"60 years", "1964-05-20", "60 Years", 4},
        {"a day short of 61", "1963-05-21", "60 Years, 11 Months, 30 Days", 4},
        {"61 years", "1963-05-20", "61 Years", 5},
        {"20 days", "2024-04-30", "20 Days", 1},
        {"3 months 20 days", "2024-01-31", "3 Months, 20 Days", 1},
        {"born today", "2024-05-20", "0 Days", 1},
        {"born later than today", "2025-06-15", "13 Months, 5 Days", 1},
        {"1 year 2 days", "2023-05-18", "1 Year, 2 Days", 1},
    };
    for (const auto& p : people) db_.add(p.name, std::string(p.birth) + " 00:00:00", ".");
    auto window = open();
    ASSERT_EQ(window->Lvw()->rowCount(), static_cast<int>(std::size(people)));
    for (const auto& p : people) {
        const platform::ListRow row =
            testsupport::RowOf(window->Lvw(), rowNamed(*window, Q(p.name)));
        EXPECT_EQ(row.subItems[1], Q(p.age)) << p.name;
        EXPECT_EQ(row.smallIcon, p.image) << p.name;
        EXPECT_EQ(row.largeIcon, p.image) << p.name;
    }
    EXPECT_EQ(box_.count(), 0u);
}

TEST_F(PersonListTest, RowsCarryKeyNameDateAgeAndComments) {
    db_.add("Five", "1980-03-15 10:30:00", "has a time of day", 5);
    db_.add("Twelve hundred", "2000-02-29 00:00:00", ".", 1200);
    db_.add("Nobody", "", "", 7);
    auto window = open();
    const struct {
        const char* name;
        const char* key;
        const char* year;
        const char* age;
        const char* comments;
    } rows[] = {
        {"Five", "K5", "03/15/1980", "44 Years, 2 Months, 5 Days", "has a time of day"},
        {"Twelve hundred", "K1200", "02/29/2000", "24 Years, 2 Months, 20 Days", "."},
        {"Nobody", "K7", "", "0 Days", ""},
    };
    for (const auto& r : rows) {
        const platform::ListRow row =
            testsupport::RowOf(window->Lvw(), rowNamed(*window, Q(r.name)));
        EXPECT_EQ(row.key, Q(r.key)) << r.name;
        EXPECT_EQ(row.subItems[0], Q(r.year)) << r.name;
        EXPECT_EQ(row.subItems[1], Q(r.age)) << r.name;
        EXPECT_EQ(row.subItems[2], Q(r.comments)) << r.name;
    }
    // The Year column drops the time of day; the row keeps it for the Edit command.
    const double birth = modAgeCalc::SerialFromCivil(1980, 3, 15) + 10.5 / 24;
    EXPECT_NEAR(window->Lvw()->rowBirth(rowNamed(*window, Q("Five"))), birth, 1e-9);
    EXPECT_TRUE(std::isnan(window->Lvw()->rowBirth(rowNamed(*window, Q("Nobody")))));
}

// Today is 05/20/2024. A birthday without a year shows its month and day, no age and
// the image of an unknown age; a text that only looks like one is an unreadable birth,
// shown as stored like any other ("not a date" here).
TEST_F(PersonListTest, BirthdaysWithoutAYearShowMonthAndDayAndNoAge) {
    const struct {
        std::string name;
        std::string birth;
        const char* year;  // null: as stored, like "not a date"
        bool yearUnknown;
    } people[] = {
        {"Ann", "--12-08", "12/08", true},
        {"Bea", "--12-08 08:30:00", "12/08", true},
        {"Leap", "--02-29", "02/29", true},
        {"not a date", "not a date", nullptr, false},
        {"no 30 February", "--02-30", nullptr, false},
        {"hour 25", "--12-08 25:00", nullptr, false},
        {"no dash", "--1208", nullptr, false},
        {"three dashes", "---12-08", nullptr, false},
        {"long", "--12-08 " + std::string(100000, '0'), nullptr, false},
        {"NUL inside", std::string("--12-08\0 08:30", 14), nullptr, false},
    };
    for (const auto& p : people) db_.add(p.name, p.birth, ".");
    // The test's own insert stops at a NUL; SQL puts the whole text in.
    db_.exec(
        "UPDATE tblAges SET dtmBirth = '--12-08' || char(0) || ' 08:30' "
        "WHERE strName = 'NUL inside'");
    auto window = open();
    ASSERT_EQ(window->Lvw()->rowCount(), static_cast<int>(std::size(people)));
    const platform::ListRow unreadable =
        testsupport::RowOf(window->Lvw(), rowNamed(*window, Q("not a date")));
    for (const auto& p : people) {
        const int at = rowNamed(*window, QString::fromStdString(p.name));
        ASSERT_GE(at, 0) << p.name;
        const platform::ListRow row = testsupport::RowOf(window->Lvw(), at);
        EXPECT_TRUE(std::isnan(row.birth)) << p.name;
        if (p.yearUnknown) {
            EXPECT_EQ(row.subItems[0], Q(p.year)) << p.name;
            EXPECT_EQ(row.subItems[1], QString()) << p.name;
            EXPECT_EQ(row.smallIcon, personlist::kAgeUnknown) << p.name;
            EXPECT_EQ(row.largeIcon, personlist::kAgeUnknown) << p.name;
        } else {
            if (p.birth.find('\0') == std::string::npos) {
                EXPECT_EQ(row.subItems[0].toStdString(), p.birth) << p.name;
            }
            EXPECT_EQ(row.subItems[1], unreadable.subItems[1]) << p.name;
            EXPECT_EQ(row.smallIcon, unreadable.smallIcon) << p.name;
        }
    }
    EXPECT_EQ(box_.count(), 0u);
}

TEST_F(PersonListTest, LoadEndsInDetailsSortedByNameWithTheFocus) {
    for (const char* name : {"Cy", "ann", "Bob"}) db_.add(name, "1990-01-01 00:00:00", ".");
    auto window = open();
    show(*window);
    window->cmdView_Click(0);
    window->cmdRefresh_Click();
    EXPECT_EQ(column(*window, 0), (std::vector<QString>{Q("ann"), Q("Bob"), Q("Cy")}));
    EXPECT_EQ(window->Lvw()->viewMode(), platform::ListView::ViewMode::Details);
    EXPECT_EQ(QApplication::focusWidget(), testsupport::DetailsViewOf(window->Lvw()));
}

// Delete and Edit follow the selection, whatever changes it.
TEST_F(PersonListTest, ListButtonsFollowTheSelection) {
    auto window = open();  // the placeholder row only
    show(*window);
    auto* edit = window->findChild<QToolButton*>(QStringLiteral("cmdEdit"));
    auto* remove = window->findChild<QToolButton*>(QStringLiteral("cmdDelete"));
    auto* view = testsupport::DetailsViewOf(window->Lvw());
    const QPoint onFirstRow = view->visualRect(view->model()->index(0, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onFirstRow);
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_TRUE(edit->isEnabled());
    window->Lvw()->selectRow(-1);
    EXPECT_FALSE(remove->isEnabled());  // no click needed
    window->Lvw_Click();
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_FALSE(edit->isEnabled());
    window->Lvw()->selectRow(0);
    window->SetListButtons();
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_TRUE(edit->isEnabled());
    window->cmdRefresh_Click();  // a reload drops the selection, and with it the buttons
    EXPECT_EQ(window->Lvw()->selectedRow(), -1);
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_FALSE(edit->isEnabled());
}

}  // namespace maintest
