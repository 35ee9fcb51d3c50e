#include "ui/main/RemindWhenClosed.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QSignalBlocker>
#include <memory>

#include "platform/Desktop.h"
#include "platform/ExecutableFolder.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace {

constexpr const char* kApplication = "Marrowtide";
constexpr const char* kSection = "Upcoming";
constexpr const char* kKey = "RemindWhenClosed";

QString Translated(const char* text) {
    return QCoreApplication::translate("frmMain", text);
}

// Run from where it was built, the program has its own copies of the schedule's
// definitions beside its folder, pointing at the companion built beside it. They are
// found from where the program runs rather than from a path compiled in, so that two
// builds of one tree in different folders give the same program.
std::string OwnDefinitions() {
    const QDir buildTree(QString::fromStdString(platform::ExecutableFolder()) +
                         QStringLiteral("/.."));
    if (!buildTree.exists(QStringLiteral("CMakeCache.txt")) ||
        !buildTree.exists(QStringLiteral("systemd-user/marrowtide-remind.service")))
        return {};
    return buildTree.absoluteFilePath(QStringLiteral("systemd-user")).toStdString();
}

platform::ScheduleOutcome Apply(bool on, std::string& problem) {
    std::unique_ptr<platform::DailySchedule> desktops;
    platform::DailySchedule* schedule = platform::InstalledDailySchedule();
    if (!schedule) {
        desktops = platform::NewDailySchedule(OwnDefinitions());
        schedule = desktops.get();
    }
    return on ? schedule->Enable(problem) : schedule->Disable(problem);
}

void Report(platform::ScheduleOutcome outcome, bool on, const std::string& problem) {
    if (outcome == platform::ScheduleOutcome::NoScheduler) {
        platform::MsgBox(
            Translated(
                QT_TRANSLATE_NOOP("frmMain",
                                  "Marrowtide cannot remind you while it is closed: this desktop "
                                  "runs no user service manager (systemd --user). \"Remind at "
                                  "Start-up\" still shows the coming birthdays when Marrowtide "
                                  "starts."))
                .toStdString(),
            platform::Icon::Exclamation);
        return;
    }
    const QString what =
        on ? Translated(QT_TRANSLATE_NOOP("frmMain", "The reminder could not be turned on."))
           : Translated(QT_TRANSLATE_NOOP("frmMain", "The reminder could not be turned off."));
    platform::MsgBox((what + QLatin1Char(' ') + QString::fromStdString(problem)).toStdString(),
                     platform::Icon::Critical);
}

void Toggle(QAction* entry, bool on) {
    std::string problem;
    const platform::ScheduleOutcome outcome = Apply(on, problem);
    if (outcome == platform::ScheduleOutcome::Done) {
        platform::SaveSetting(kApplication, kSection, kKey, on ? "1" : "0");
        return;
    }
    // Without a scheduler the reminder is off whichever way the user asked.
    const bool stays = outcome == platform::ScheduleOutcome::NoScheduler ? false : !on;
    {
        const QSignalBlocker quiet(entry);
        entry->setChecked(stays);
    }
    platform::SaveSetting(kApplication, kSection, kKey, stays ? "1" : "0");
    Report(outcome, on, problem);
}

}  // namespace

QAction* AddRemindWhenClosedEntry(QMenu* view) {
    QAction* entry =
        view->addAction(Translated(QT_TRANSLATE_NOOP("frmMain", "Remind &When Closed")));
    entry->setObjectName(QStringLiteral("MnuRemindClosed"));
    entry->setCheckable(true);
    entry->setChecked(platform::GetSetting(kApplication, kSection, kKey, "0") == "1");
    QObject::connect(entry, &QAction::toggled, entry, [entry](bool on) { Toggle(entry, on); });
    return entry;
}
