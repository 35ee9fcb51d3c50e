#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

// What the birthday reminder needs from the desktop, kept behind one seam so that each
// system brings its own: a notification the user can click, and a daily run of the
// companion that survives the program being closed. The implementation for a system
// sits in a folder of its own (freedesktop/ for Linux desktops).
namespace platform {

struct Notification {
    std::string application;  // the program's name, as the desktop shows it
    std::string summary;
    std::vector<std::string> lines;  // the body, one line each, as plain text
    std::string icon;                // an icon name of the desktop's icon theme
    std::string desktopEntry;        // the program's desktop entry, without ".desktop"
    std::string actionLabel;         // what clicking the notification does
};

enum class NotificationAnswer { Clicked, Closed, NoAnswer };

class Notifier {
public:
    virtual ~Notifier() = default;
    // False when the desktop has no notification service to show it.
    virtual bool Show(const Notification& notification) = 0;
    // Waits at most `limit` for the user to click or dismiss what Show showed last.
    virtual NotificationAnswer WaitForAnswer(std::chrono::milliseconds limit) = 0;
};

enum class ScheduleOutcome { Done, NoScheduler, Failed };

// The daily run of the companion's reminder: at login and each morning.
class DailySchedule {
public:
    virtual ~DailySchedule() = default;
    // `problem` says why, unless the outcome is Done.
    virtual ScheduleOutcome Enable(std::string& problem) = 0;
    virtual ScheduleOutcome Disable(std::string& problem) = 0;
};

// The notification service of the desktop the program runs on.
std::unique_ptr<Notifier> NewDesktopNotifier();

// The desktop's scheduler for the daily run. `ownDefinitions`: a folder with the
// schedule's definitions for this user's desktop, written for a companion that is not
// installed (the build tree's); empty to use those the installation brings.
std::unique_ptr<DailySchedule> NewDailySchedule(const std::string& ownDefinitions);

// A schedule installed to be used instead of the desktop's (tests install theirs);
// nullptr when none is. Setting returns the one installed before.
DailySchedule* InstalledDailySchedule();
DailySchedule* SetDailySchedule(DailySchedule* schedule);

}  // namespace platform
