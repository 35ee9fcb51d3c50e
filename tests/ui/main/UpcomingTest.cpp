#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeView>

#include "../placement/RecordingSettings.h"
#include "EditorDriver.h"
#include "MainWindowFixture.h"
#include "ui/main/FindBar.h"
#include "age/Birthday.h"
#include "age/DateValue.h"
#include "ui/upcoming/UpcomingBirthdays.h"
#include "ui/upcoming/UpcomingModel.h"
#include "ui/upcoming/YearlessRow.h"
#include "ui/upcoming/frmUpcoming.h"
#include "ListViews.h"

namespace maintest {

namespace {

std::string Kept(RecordingSettings& settings, const std::string& key) {
    return settings.get("Marrowtide", "Upcoming", key, "<absent>");
}

class UpcomingTest : public MainWindowFixture {
protected:
    frmUpcoming* openWithF6(frmMain& window) {
        activate(window);
        QTest::keyClick(testsupport::DetailsViewOf(window.Lvw()), Qt::Key_F6);
        return window.upcomingWindow();
    }

    static void activate(QWidget& window) {
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Each listed person as "name|date|weekday|turns|when", or the one line saying
    // that nobody is in range.
    static QStringList Listed(const frmUpcoming& upcoming) {
        if (upcoming.nobody()->isVisibleTo(&upcoming)) return {upcoming.nobody()->text()};
        QStringList rows;
        const auto* model = upcoming.model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    RecordingSettings settings_;
};

}  // namespace

TEST_F(UpcomingTest, ListsTheBirthdaysWithinTheChosenDaysSoonestFirst) {
    const struct {
        const char* what;
        platform::DateParts today;
        int days;
        std::vector<std::pair<const char*, const char*>> people;  // name, stored birth
        QStringList expected;
    } cases[] = {
        {"turn of the year",
         {2026, 12, 30, 10, 0, 0},
         7,
         {{"Ned", "2000-01-01 08:00:00"},
          {"Jan", "1985-01-05 00:00:00"},
          {"Late", "1970-01-07 00:00:00"},
          {"Tom", "1999-12-31 00:00:00"},
          {"Eve", "1990-12-30 23:00:00"},
          {"adam", "1991-12-30 00:00:00"}},
         {"adam|12/30/2026|Wednesday|turns 35|today", "Eve|12/30/2026|Wednesday|turns 36|today",
          "Tom|12/31/2026|Thursday|turns 27|tomorrow", "Ned|01/01/2027|Friday|turns 27|in 2 days",
          "Jan|01/05/2027|Tuesday|turns 42|in 6 days"}},
        {"29 February, common year",
         {2027, 2, 27, 10, 0, 0},
         3,
         {{"Leap", "2000-02-29 00:00:00"}, {"March", "2000-03-01 00:00:00"}},
         {"Leap|02/28/2027|Sunday|turns 27|tomorrow",
          "March|03/01/2027|Monday|turns 27|in 2 days"}},
        {"29 February, leap year",
         {2028, 2, 27, 10, 0, 0},
         3,
         {{"Leap", "2000-02-29 00:00:00"}, {"March", "2000-03-01 00:00:00"}},
         {"Leap|02/29/2028|Tuesday|turns 28|in 2 days",
          "March|03/01/2028|Wednesday|turns 28|in 3 days"}},
        {"N = 0",
         {2024, 5, 20, 10, 0, 0},
         0,
         {{"Ann", "1980-05-20 00:00:00"},
          {"Bob", "1980-05-21 00:00:00"},
          {"New", "2024-05-20 00:00:00"}},
         {"Ann|05/20/2024|Monday|turns 44|today"}},
        {"birth year unknown: on the day, with no age; look-alikes are no birthday",
         {2027, 2, 27, 10, 0, 0},
         3,
         {{"Leap", "--02-29"},
          {"Ann", "--03-01 08:30:00"},
          {"Known", "2000-02-28 00:00:00"},
          {"No such day", "--02-30"},
          {"Shown as stored", "02/28"},
          {"Late hour", "--02-28 25:00"}},
         {"Known|02/28/2027|Sunday|turns 27|tomorrow", "Leap|02/28/2027|Sunday|birthday|tomorrow",
          "Ann|03/01/2027|Monday|birthday|in 2 days"}},
        {"nobody in range",
         {2024, 5, 20, 10, 0, 0},
         30,
         {{"Ann", "1980-08-20 00:00:00"}, {"Bob", "1980-05-19 00:00:00"}},
         {"Nobody has a birthday in the next 30 days."}},
    };
    for (const auto& c : cases) {
        clock_.set(c.today);
        db_.exec("DELETE FROM tblAges");
        for (const auto& [name, birth] : c.people) db_.add(name, birth, ".");
        auto window = open();
        show(*window);
        frmUpcoming* upcoming = openWithF6(*window);
        ASSERT_NE(upcoming, nullptr) << c.what;
        EXPECT_EQ(upcoming->windowTitle(), QStringLiteral("Upcoming Birthdays"));
        upcoming->findChild<QSpinBox*>(QStringLiteral("spnDays"))->setValue(c.days);
        EXPECT_EQ(Listed(*upcoming), c.expected) << c.what;
    }
}

// Keys pressed in the window are its own: none runs a command of the main window, and
// Esc closes only this window. The spin box's value is kept for the next window, and a
// double click opens the editor on the person, as Edit does.
TEST_F(UpcomingTest, KeysStayInTheWindowAndEscClosesOnlyIt) {
    db_.add("Ann", "1980-05-21 00:00:00", ".");
    auto window = open();
    show(*window);
    window->Lvw()->selectRow(0);
    QPointer<frmUpcoming> upcoming = openWithF6(*window);
    ASSERT_TRUE(upcoming);
    upcoming->findChild<QSpinBox*>(QStringLiteral("spnDays"))->setValue(12);
    db_.add("Bob", "1950-02-01 00:00:00", ".");
    QString edited;
    // The editor opened from here checks the row as read before saving, as from the list.
    EditorDriver driver([&](frmAEP& editor) {
        edited = editor.PersonName();
        db_.exec("UPDATE tblAges SET strComments = 'changed' WHERE strName = 'Ann'");
        box_.push(platform::MsgAnswer::Yes);
        editor.findChild<QPushButton*>(QStringLiteral("cmdAE_0"))->click();
    });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_F4), QKeySequence(Qt::Key_Delete),
          QKeySequence(Qt::Key_F5), QKeySequence(Qt::Key_F11),
          QKeySequence(Qt::CTRL | Qt::Key_F)}) {
        activate(*upcoming);
        QTest::keySequence(upcoming->people(), keys);
    }
    EXPECT_EQ(driver.shown(), 0);
    EXPECT_EQ(box_.count(), 0u);
    EXPECT_EQ(window->Lvw()->rowCount(), 1) << "no reload";
    EXPECT_EQ(window->Lvw()->viewMode(), platform::ListView::ViewMode::Details);
    EXPECT_FALSE(window->findBar()->isVisible());

    QTreeView* people = upcoming->people();
    const QPoint at = people->visualRect(people->model()->index(0, 0)).center();
    QTest::mouseClick(people->viewport(), Qt::LeftButton, {}, at);  // as a real double click
    QTest::mouseDClick(people->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(driver.shown(), 1);
    EXPECT_EQ(edited, QStringLiteral("Ann"));
    ASSERT_EQ(box_.count(), 1u);
    EXPECT_EQ(box_.asked()[0].text.rfind("This person was changed outside", 0), 0u);

    activate(*upcoming);
    QTest::keyClick(upcoming->people(), Qt::Key_Escape);
    window->MnuUpcoming_Click();  // before the closed one is gone: a new one opens
    ASSERT_NE(window->upcomingWindow(), upcoming.data());
    EXPECT_TRUE(window->upcomingWindow()->isVisible());
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(upcoming.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Kept(settings_, "Days"), "12");
}

// Every birth of four years (a leap year among them, times of day included), and of the
// years around 1900 and 2100 (no leap years), against the plain rule: found exactly
// when its next birthday is at most `days` days away, across a year's end and around
// 29 February, and whether anyone is found at all.
TEST(UpcomingBirthdaysRule, FindsExactlyTheBirthdaysWithinTheDays) {
    platform::ListRowStore rows;
    for (const int year : {1999, 1899, 2098}) {
        const std::int32_t first = modAgeCalc::SerialFromCivil(year, 1, 1);
        for (std::int32_t day = first; day < first + 4 * 366; ++day)
            rows.append(QString(), QString(), 1, 1, day + (day % 4) / 4.0);
    }
    rows.append(QString(), QString(), 1, 1);  // no birth
    const struct {
        int year, month, day, days;
    } cases[] = {{2023, 12, 28, 7}, {2024, 2, 27, 3}, {2025, 2, 27, 1}, {2025, 2, 28, 0},
                 {2024, 6, 1, 0},   {2024, 6, 1, 365}, {2024, 3, 1, -1}, {1900, 2, 27, 3},
                 {1901, 3, 1, 2},   {2100, 2, 27, 3},  {2101, 3, 5, 3}};
    for (const auto& c : cases) {
        const std::int32_t today = modAgeCalc::SerialFromCivil(c.year, c.month, c.day);
        std::vector<int> expected;
        modAgeCalc::NextBirthdayInfo next;
        for (int row = 0; row < rows.count(); ++row)
            if (modAgeCalc::NextBirthday(rows.birth(row), today, next) && next.daysUntil <= c.days)
                expected.push_back(row);
        std::vector<int> found;
        for (const auto& birthday : upcoming::UpcomingBirthdays(rows, today, c.days))
            found.push_back(birthday.row);
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected) << c.year << "-" << c.month << "-" << c.day << " +" << c.days;
        EXPECT_EQ(upcoming::AnyUpcomingBirthday(rows, today, c.days), !expected.empty());
    }
}

// The window's rows are copies of the list's, which a reload clears: each row shows and
// hands the editor the texts of its own person, whether kept one byte per character or
// not, people of the same day by name and then by key.
TEST(UpcomingModelRows, ShowAndHandOnTheirOwnPerson) {
    const auto day = [](int y, int m, int d) { return 1.0 * modAgeCalc::SerialFromCivil(y, m, d); };
    const struct {
        const char16_t *key, *name, *comments;
        double birth;
    } people[] = {{u"K10", u"Ann Lee", u"first", day(2000, 2, 28) + 0.25},
                  {u"K6", u"Far", u"", day(1980, 6, 1)},
                  {u"K3", u"Zo\u00eb \u00d8rsted", u"Caf\u00e9", day(2000, 2, 29)},
                  {u"K9", u"ann lee", u"", day(1990, 2, 28)},
                  {u"K4", u"\u0141ucja", u"\u0106ma \u2013 x", day(1980, 3, 1) + 0.5},
                  {u"K5", u"No Year", u"yearless", platform::ListRow::kNoBirth}};
    platform::ListRowStore rows;
    for (const auto& p : people) {
        const bool yearless = std::isnan(p.birth);
        const int row = rows.append(QStringView(p.key), QStringView(p.name),
                                    yearless ? upcoming::kYearUnknownImage : 1, 1, p.birth,
                                    100 + static_cast<std::uint64_t>(rows.count()));
        rows.setSubItem(row, 3, QStringView(p.comments));
        if (yearless) rows.setSubItem(row, upcoming::kYearColumn, u"02/27");
    }
    const platform::ImageList images(QSize(16, 16));
    upcoming::UpcomingModel model(images);
    model.fill(rows, modAgeCalc::SerialFromCivil(2027, 2, 27), 3);
    rows.clear();
    const int soonest[] = {5, 3, 0, 2, 4};  // by day, a day's by name, then by key
    ASSERT_EQ(model.rowCount(), 5);
    for (int row = 0; row < model.rowCount(); ++row) {
        const auto& p = people[soonest[row]];
        const upcoming::UpcomingModel::Person person = model.person(row);
        EXPECT_EQ(model.index(row, upcoming::UpcomingModel::Name).data().toString(),
                  QString::fromUtf16(p.name));
        // What the editor gets: key, name, comments, stamp, birth.
        EXPECT_EQ(QStringList({person.key, person.name, person.comments,
                               QString::number(person.stamp), QString::number(person.birth)}),
                  QStringList({QString::fromUtf16(p.key), QString::fromUtf16(p.name),
                               QString::fromUtf16(p.comments), QString::number(100 + soonest[row]),
                               QString::number(p.birth)}))
            << row;
    }
}

// The reminder opens beside the window when it will show a birthday within a week (and
// within the days it shows), unless it is switched off; the menu entry shows and keeps
// the setting.
TEST_F(UpcomingTest, StartUpReminderFollowsTheSettingAndTheDates) {
    const struct {
        const char* remind;  // nullptr: never saved
        const char* birth;   // today is 05/20/2024
        bool opens;
        const char* days = nullptr;  // "Days ahead"; nullptr: never saved
    } cases[] = {
        {nullptr, "1980-05-27 00:00:00", true},
        {nullptr, "1980-05-27 00:00:00", false, "3"},
        {nullptr, "1980-05-23 00:00:00", true, "3"},
        {nullptr, "1980-05-20 00:00:00", true, "0"},
        {nullptr, "1980-05-28 00:00:00", false},
        {"1", "1980-05-20 00:00:00", true},
        {"0", "1980-05-20 00:00:00", false},
        {nullptr, "", false},
    };
    for (const auto& c : cases) {
        RecordingSettings settings;
        if (c.remind) settings.save("Marrowtide", "Upcoming", "RemindAtStartUp", c.remind);
        if (c.days) settings.save("Marrowtide", "Upcoming", "Days", c.days);
        db_.exec("DELETE FROM tblAges");
        if (*c.birth) db_.add("Ann", c.birth, ".");
        auto window = open();
        show(*window);
        window->setGeometry(0, 20, 250, 250);  // leaves room beside it on the screen
        window->RemindAtStartUp();
        QApplication::processEvents();
        const frmUpcoming* upcoming = window->upcomingWindow();
        EXPECT_EQ(upcoming && upcoming->isVisible(), c.opens) << c.birth << " " << c.days;
        if (upcoming) {
            EXPECT_FALSE(upcoming->frameGeometry().intersects(window->frameGeometry()));
        }
        auto* remind = window->findChild<QAction*>(QStringLiteral("MnuRemind"));
        EXPECT_EQ(remind->isChecked(), !c.remind || *c.remind == '1');
        remind->trigger();
        EXPECT_EQ(Kept(settings, "RemindAtStartUp"), remind->isChecked() ? "1" : "0");
    }
}

// Past midnight the timer reloads the list, so the ages and the window move on a day.
TEST_F(UpcomingTest, DayChangeRefreshesAgesAndUpcoming) {
    clock_.set({2024, 5, 20, 23, 59, 59});
    db_.add("Ann", "2000-05-21 00:00:00", ".");
    auto window = open();
    show(*window);
    EXPECT_EQ(window->findChild<QTimer*>(QStringLiteral("dayTimer"))->remainingTime() / 1000, 1);
    frmUpcoming* upcoming = openWithF6(*window);
    upcoming->findChild<QSpinBox*>(QStringLiteral("spnDays"))->setValue(0);
    EXPECT_TRUE(window->Lvw()->cellText(0, 2).startsWith(QStringLiteral("23 Years")));
    clock_.set({2024, 5, 21, 0, 0, 1});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->Lvw()->cellText(0, 2).startsWith(QStringLiteral("24 Years")); },
        5000));
    EXPECT_EQ(Listed(*upcoming), QStringList{"Ann|05/21/2024|Tuesday|turns 24|today"});
}

}  // namespace maintest
