#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The exit status for a command line the program cannot follow. A --database file that
// cannot be used has its own (DataLocation.h).
inline constexpr int kUsageExitStatus = 2;

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString database;  // --database FILE; empty when not given
    bool upcoming = false;  // --upcoming: open the Upcoming Birthdays window too
    QString text;      // what to print for Help, Version and Error
};

// Reads the program's arguments (the program's name first, as
// QCoreApplication::arguments() gives them): --database FILE, --upcoming, --help,
// --version.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace app
