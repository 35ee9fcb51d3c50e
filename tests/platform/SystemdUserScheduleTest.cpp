// The systemd side of the reminder's schedule, with systemctl replaced by a script
// that records its arguments, and once the real systemctl where no manager runs.
#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <fstream>
#include <sstream>

#include "TempDir.h"
#include "TestDatabase.h"
#include "platform/freedesktop/SystemdUserSchedule.h"

namespace {

using platform::ScheduleOutcome;
using platform::SystemdUserSchedule;

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class SystemdUserScheduleTest : public testing::Test {
protected:
    SystemdUserScheduleTest() {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir_.path() / "config").string()));
        std::filesystem::create_directories(dir_.path() / "units");
        testsupport::WriteFile(unit(SystemdUserSchedule::kService), "[Service]\nExecStart=/x\n");
        testsupport::WriteFile(unit(SystemdUserSchedule::kTimer), "[Timer]\nOnCalendar=09:00\n");
    }
    ~SystemdUserScheduleTest() override { qunsetenv("XDG_CONFIG_HOME"); }

    std::string unit(const char* name) const { return (dir_.path() / "units" / name).string(); }

    // A systemctl that logs each call and fails the calls whose arguments hold `failOn`.
    QString fakeSystemctl(const std::string& failOn) const {
        const std::string script = (dir_.path() / "systemctl").string();
        testsupport::WriteFile(script, "#!/bin/sh\necho \"$*\" >> '" + log() +
                                           "'\ncase \"$*\" in *'" + failOn +
                                           "'*) echo 'Access denied' >&2; exit 1;; esac\n");
        QFile::setPermissions(QString::fromStdString(script),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return QString::fromStdString(script);
    }
    std::string log() const { return (dir_.path() / "calls.log").string(); }

    testsupport::TempDir dir_;
};

TEST_F(SystemdUserScheduleTest, EnablesAndDisablesTheTimerCopyingOwnUnitsFirst) {
    const struct {
        bool own;
        bool enable;
        const char* calls;
    } table[] = {
        {false, true, "--user show-environment\n--user enable --now marrowtide-remind.timer\n"},
        {true, true,
         "--user show-environment\n--user daemon-reload\n"
         "--user enable --now marrowtide-remind.timer\n"},
        {true, false, "--user show-environment\n--user disable --now marrowtide-remind.timer\n"},
    };
    for (const auto& row : table) {
        std::filesystem::remove(log());
        std::filesystem::remove_all(dir_.path() / "config");
        const QString own =
            row.own ? QString::fromStdString((dir_.path() / "units").string()) : QString();
        SystemdUserSchedule schedule(own, fakeSystemctl("never"));
        std::string problem;
        EXPECT_EQ(row.enable ? schedule.Enable(problem) : schedule.Disable(problem),
                  ScheduleOutcome::Done)
            << problem;
        EXPECT_EQ(Read(log()), row.calls);
        const auto copied = dir_.path() / "config/systemd/user" / SystemdUserSchedule::kTimer;
        EXPECT_EQ(std::filesystem::exists(copied), row.own && row.enable) << row.calls;
        if (row.own && row.enable) {
            EXPECT_EQ(Read(copied), "[Timer]\nOnCalendar=09:00\n");
        }
    }
}

TEST_F(SystemdUserScheduleTest, ReportsWhatStoppedIt) {
    std::string problem;
    EXPECT_EQ(SystemdUserSchedule({}, fakeSystemctl("enable")).Enable(problem),
              ScheduleOutcome::Failed);
    EXPECT_EQ(problem, "Access denied");
    EXPECT_EQ(SystemdUserSchedule({}, fakeSystemctl("show-environment")).Enable(problem),
              ScheduleOutcome::NoScheduler);
    EXPECT_EQ(SystemdUserSchedule({}, QStringLiteral("/nonexistent/systemctl")).Disable(problem),
              ScheduleOutcome::NoScheduler);
}

// The real systemctl with a runtime folder where no user manager listens.
TEST_F(SystemdUserScheduleTest, WithoutAUserManagerThereIsNoScheduler) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir_.path().string()));
    std::string problem;
    EXPECT_EQ(SystemdUserSchedule({}).Enable(problem), ScheduleOutcome::NoScheduler);
    if (runtime.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", runtime);
}

}  // namespace
