#include <QAction>
#include <QMenu>

#include "MainWindowFixture.h"
#include "platform/Desktop.h"
#include "platform/Settings.h"
#include "platform/qt/QtSettings.h"

namespace maintest {

namespace {

using Outcome = platform::ScheduleOutcome;

// The desktop's scheduler, answering as told and recording what it was asked.
class RecordingSchedule final : public platform::DailySchedule {
public:
    Outcome outcome = Outcome::Done;
    std::string problem;
    std::vector<bool> asked;  // true: enable

    Outcome Enable(std::string& why) override { return answer(true, why); }
    Outcome Disable(std::string& why) override { return answer(false, why); }

private:
    Outcome answer(bool on, std::string& why) {
        asked.push_back(on);
        why = problem;
        return outcome;
    }
};

class RemindWhenClosedTest : public MainWindowFixture {
protected:
    RemindWhenClosedTest()
        : settings_(QString::fromStdString((db_.dir().path() / "settings.ini").string())),
          previousSettings_(platform::SetSettings(&settings_)),
          previousSchedule_(platform::SetDailySchedule(&schedule_)) {}
    ~RemindWhenClosedTest() override {
        platform::SetDailySchedule(previousSchedule_);
        platform::SetSettings(previousSettings_);
    }

    static std::string Saved() {
        return platform::GetSetting("Marrowtide", "Upcoming", "RemindWhenClosed", "absent");
    }

    platform::QtSettings settings_;
    platform::Settings* previousSettings_;
    RecordingSchedule schedule_;
    platform::DailySchedule* previousSchedule_;
};

TEST_F(RemindWhenClosedTest, IsAnUncheckedViewEntryWithItsOwnAccessLetter) {
    auto window = open();
    auto* entry = window->findChild<QAction*>(QStringLiteral("MnuRemindClosed"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("Remind &When Closed"));
    EXPECT_TRUE(entry->isCheckable());
    EXPECT_FALSE(entry->isChecked());
    const QMenu* view = window->findChild<QMenu*>(QStringLiteral("MenuView"));
    EXPECT_TRUE(view->actions().contains(entry));
    for (const QAction* other : view->actions()) {
        if (other == entry) continue;
        EXPECT_FALSE(other->text().contains(QStringLiteral("&W"))) << other->text().toStdString();
    }
}

TEST_F(RemindWhenClosedTest, TurnsTheDesktopsScheduleOnAndOffAndKeepsWhatHappened) {
    const struct {
        bool wasOn;
        Outcome outcome;
        const char* problem;
        bool checked;         // afterwards
        const char* saved;    // afterwards
        const char* message;  // a text the message holds; nullptr: no message
    } table[] = {
        {false, Outcome::Done, "", true, "1", nullptr},
        {true, Outcome::Done, "", false, "0", nullptr},
        {false, Outcome::NoScheduler, "", false, "0", "no user service manager (systemd --user)"},
        {true, Outcome::NoScheduler, "", false, "0", "no user service manager (systemd --user)"},
        {false, Outcome::Failed, "Access denied", false, "0",
         "The reminder could not be turned on. Access denied"},
        {true, Outcome::Failed, "Access denied", true, "1",
         "The reminder could not be turned off. Access denied"},
    };
    for (const auto& row : table) {
        platform::SaveSetting("Marrowtide", "Upcoming", "RemindWhenClosed", row.wasOn ? "1" : "0");
        schedule_.outcome = row.outcome;
        schedule_.problem = row.problem;
        schedule_.asked.clear();
        box_.clear();
        box_.setFallback(platform::MsgAnswer::Ok);
        auto window = open();
        auto* entry = window->findChild<QAction*>(QStringLiteral("MnuRemindClosed"));
        ASSERT_EQ(entry->isChecked(), row.wasOn);
        entry->trigger();
        const std::string label = std::string(row.wasOn ? "off " : "on ") + row.problem;
        EXPECT_EQ(schedule_.asked, std::vector<bool>{!row.wasOn}) << label;
        EXPECT_EQ(entry->isChecked(), row.checked) << label;
        EXPECT_EQ(Saved(), row.saved) << label;
        if (!row.message) {
            EXPECT_EQ(box_.count(), 0u) << label;
            continue;
        }
        ASSERT_EQ(box_.count(), 1u) << label;
        EXPECT_NE(box_.asked().front().text.find(row.message), std::string::npos)
            << label << ": " << box_.asked().front().text;
    }
}

}  // namespace

}  // namespace maintest
