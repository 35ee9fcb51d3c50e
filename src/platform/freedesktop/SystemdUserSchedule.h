#pragma once

#include <QString>
#include <QStringList>

#include "platform/Desktop.h"

namespace platform {

// The daily run as a timer of the user's systemd: `systemctl --user enable --now` the
// timer, or disable it. Where the program runs from its build tree, the timer and its
// service are first copied from that tree into the user's unit folder.
class SystemdUserSchedule final : public DailySchedule {
public:
    static constexpr const char* kTimer = "marrowtide-remind.timer";
    static constexpr const char* kService = "marrowtide-remind.service";

    // `ownDefinitions`: the folder holding the two units to copy; empty for none.
    // `systemctl`: the program to run, found on the search path unless a path is given.
    explicit SystemdUserSchedule(QString ownDefinitions,
                                 QString systemctl = QStringLiteral("systemctl"));

    ScheduleOutcome Enable(std::string& problem) override;
    ScheduleOutcome Disable(std::string& problem) override;

    // Where the user's own units live: $XDG_CONFIG_HOME/systemd/user.
    static QString UserUnitFolder();

private:
    bool managerRuns() const;
    bool run(const QStringList& arguments, std::string& problem) const;
    bool copyDefinitions(std::string& problem) const;

    QString ownDefinitions_;
    QString systemctl_;
};

}  // namespace platform
