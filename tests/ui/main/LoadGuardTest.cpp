#include <QAction>
#include <QToolButton>

#include "MainWindowFixture.h"

namespace maintest {

namespace {

using LoadGuardTest = MainWindowFixture;

std::vector<QString> Names(std::initializer_list<const char*> names) {
    std::vector<QString> out;
    for (const char* n : names) out.push_back(QString::fromUtf8(n));
    return out;
}

}  // namespace

// While a load yields, the list is empty and a reload asked for waits for the load to
// end; it then runs once, with what the database holds by then.
TEST_F(LoadGuardTest, ReloadDuringLoadRunsAfterIt) {
    db_.add("Ann", "1990-01-15 00:00:00", ".");
    auto window = open();
    testsupport::ScriptedEventPump pump;
    int rowsDuringLoad = -1;
    pump.actOnCall(1, [&] {
        rowsDuringLoad = window->Lvw()->rowCount();
        db_.add("Bob", "1950-02-01 00:00:00", ".");
        window->LoadLvw(QString());
        window->LoadLvw(QString());
        EXPECT_TRUE(window->isLoading());
    });
    window->LoadLvw(QString());
    EXPECT_EQ(rowsDuringLoad, 0);
    EXPECT_FALSE(window->isLoading());
    EXPECT_EQ(column(*window, 0), Names({"Ann", "Bob"}));
    EXPECT_EQ(pump.calls(), 2);  // one yield per load with so few rows: two loads
}

TEST_F(LoadGuardTest, CommandsDuringLoadAreRefused) {
    db_.add("Ann", "1990-01-15 00:00:00", ".");
    auto window = open();
    testsupport::ScriptedEventPump pump;
    pump.actOnCall(1, [&] {
        db_.add("Bob", "1950-02-01 00:00:00", ".");
        window->findChild<QToolButton*>(QStringLiteral("cmdRefresh"))->click();
        window->findChild<QAction*>(QStringLiteral("MnuMenu_6"))->trigger();
    });
    window->LoadLvw(QString());
    EXPECT_EQ(column(*window, 0), Names({"Ann"}));
    EXPECT_EQ(pump.calls(), 1);
}

TEST_F(LoadGuardTest, CloseDuringLoadWaitsForTheLoad) {
    db_.add("Ann", "1990-01-15 00:00:00", ".");
    auto window = open();
    show(*window);
    testsupport::ScriptedEventPump pump;
    bool closedAtOnce = true;
    pump.actOnCall(1, [&] {
        window->findChild<QAction*>(QStringLiteral("MnuMenu_8"))->trigger();
        closedAtOnce = !window->isVisible();
    });
    window->LoadLvw(QString());
    EXPECT_FALSE(closedAtOnce);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(column(*window, 0), Names({"Ann"}));
}

// Many rows: the load yields after opening the query and on rows 21, 42, 63 ...
TEST_F(LoadGuardTest, YieldsAfterTheQueryAndEvery21Rows) {
    db_.exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 64) "
        "INSERT INTO tblAges (strName, dtmBirth, strComments) "
        "SELECT 'P' || i, '2000-01-01 00:00:00', '.' FROM n");
    auto window = open();
    testsupport::ScriptedEventPump pump;
    window->LoadLvw(QString());
    EXPECT_EQ(pump.calls(), 1 + 3);
    EXPECT_EQ(window->Lvw()->rowCount(), 64);
}

}  // namespace maintest
