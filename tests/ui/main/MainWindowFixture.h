#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/qt/ListDetailsView.h"
#include "platform/qt/ListView.h"
#include "store/RawRead.h"
#include "ui/main/frmMain.h"

namespace maintest {

// An event pump that runs a test's action on one chosen call (the first by default),
// to act from inside a load's yield the way a user's click would.
class ScriptedPump final : public platform::EventPump {
public:
    ScriptedPump() : previous_(platform::SetEventPump(this)) {}
    ~ScriptedPump() override { platform::SetEventPump(previous_); }

    void actOnCall(int call, std::function<void()> action) {
        actOn_ = call;
        action_ = std::move(action);
    }
    void processPendingEvents() override {
        if (++calls_ == actOn_ && action_) action_();
    }
    int calls() const { return calls_; }

private:
    platform::EventPump* previous_;
    int calls_ = 0;
    int actOn_ = 1;
    std::function<void()> action_;
};

// A temporary database, "today" fixed at 05/20/2024 09:30 and message boxes answered
// from a script (Abort when the script is empty).
class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture() : previousClock_(platform::SetClock(&clock_)) {}
    ~MainWindowFixture() override { platform::SetClock(previousClock_); }

    std::unique_ptr<frmMain> open() { return std::make_unique<frmMain>(db_.folder()); }

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
        platform::ListDetailsView* view = window.Lvw()->detailsView();
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }

    // What the person table holds, read without the program's own code.
    std::vector<store::PersonRow> stored() const {
        std::vector<store::PersonRow> rows;
        std::string error;
        EXPECT_TRUE(store::ReadAllPersonsRaw(db_.path(), rows, error)) << error;
        return rows;
    }

    platform::FixedClock clock_{{2024, 5, 20, 9, 30, 0}};
    const platform::Clock* previousClock_;
    testsupport::ScriptedMessageBox box_;
    TestDatabase db_;
};

}  // namespace maintest
