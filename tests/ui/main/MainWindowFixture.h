#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "FixedClock.h"
#include "ListViews.h"
#include "ScriptedEventPump.h"
#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/qt/list/ListDetailsView.h"
#include "platform/qt/list/ListView.h"
#include "ui/main/frmMain.h"

namespace maintest {

using testsupport::TestDatabase;

// A temporary database, "today" fixed at 05/20/2024 09:30 and message boxes answered
// from a script (Abort when the script is empty).
class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture() : previousClock_(platform::SetClock(&clock_)) {}
    ~MainWindowFixture() override { platform::SetClock(previousClock_); }

    std::unique_ptr<frmMain> open() {
        return std::make_unique<frmMain>(QString::fromStdString(db_.folder()));
    }

    // A shown window whose selection holds no person: nothing selected among one
    // person, or the placeholder row of an empty table selected.
    std::unique_ptr<frmMain> openWithoutAPersonSelected(bool placeholder) {
        db_.exec("DELETE FROM tblAges");
        if (!placeholder) db_.add("Ann", "1980-03-15 00:00:00", ".");
        auto window = open();
        show(*window);
        window->Lvw()->selectRow(placeholder ? 0 : -1);
        return window;
    }

    static void show(frmMain& window) {
        window.show();
        activate(window);
    }

    // The offscreen platform leaves no window active once a modal dialog has closed,
    // where a desktop would give the activation back to the dialog's owner.
    static void activate(frmMain& window) {
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The texts of one column in the shown order.
    static std::vector<QString> column(const frmMain& window, int index) {
        std::vector<QString> texts;
        for (int row = 0; row < window.Lvw()->rowCount(); ++row)
            texts.push_back(window.Lvw()->cellText(row, index));
        return texts;
    }

    static int rowNamed(const frmMain& window, const QString& name) {
        for (int row = 0; row < window.Lvw()->rowCount(); ++row)
            if (window.Lvw()->cellText(row, 0) == name) return row;
        return -1;
    }

    // A user's double click on the shown row of the details view.
    static void doubleClickRow(const frmMain& window, int row) {
        platform::ListDetailsView* view = testsupport::DetailsViewOf(window.Lvw());
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }

    // What the person table holds, read without the program's own code.
    std::vector<TestDatabase::TextRow> stored() const { return db_.textRows(); }

    testsupport::FixedClock clock_{{2024, 5, 20, 9, 30, 0}};
    const platform::Clock* previousClock_;
    testsupport::ScriptedMessageBox box_;
    TestDatabase db_;
};

}  // namespace maintest
