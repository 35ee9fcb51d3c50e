#include "cli/Cli.h"

#include <QString>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/DataLocation.h"
#include "cli/Commands.h"
#include "cli/DefaultDatabase.h"
#include "cli/ExitStatus.h"
#include "cli/HelpText.h"
#include "cli/Remind.h"
#include "cli/WindowStarter.h"
#include "transfer/FileBytes.h"

namespace cli {

namespace {

using Command = Invocation::Command;

// The file named with --database, checked by the rule the windowed program follows: it
// must exist and be a person database; it is never created.
bool UsableDatabase(const std::string& path, Streams streams) {
    QString problem;
    if (app::LocateDatabase(QString::fromStdString(path), {}, problem)) return true;
    streams.err << kProgram << ": " << problem.toStdString()
                << " Name the Marrowtide database with --database FILE.\n";
    return false;
}

static_assert(app::kUnusableDatabaseExitStatus == kFileProblem);

int RemindThroughDesktop(const store::PersonRepository& repository, const std::string& path,
                         const Invocation& invocation, Streams streams) {
    const std::unique_ptr<platform::Notifier> notifier = platform::NewDesktopNotifier();
    RemindDesktop desktop{*notifier, StartWindow};
    return RunRemind(repository, path, invocation, streams, desktop);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           RemindDesktop* desktop) {
    const Streams streams{out, err};
    Invocation invocation;
    std::string problem;
    if (!ParseCommandLine(args, invocation, problem)) return UsageError(problem, streams);
    if (invocation.command == Command::Help) {
        out << HelpText();
        return kSuccess;
    }
    if (invocation.command == Command::Version) {
        out << VersionText();
        return kSuccess;
    }
    std::string path;
    if (invocation.database) {
        path = *invocation.database;
        if (!UsableDatabase(path, streams)) return app::kUnusableDatabaseExitStatus;
    } else {
        std::string problem;
        const std::optional<std::string> found = DefaultDatabasePath(problem);
        if (!found) {
            streams.err << kProgram << ": " << problem
                        << " Name the Marrowtide database with --database FILE.\n";
            return kFileProblem;
        }
        path = *found;
    }
    const store::PersonRepository repository(path);
    switch (invocation.command) {
        case Command::List:
            return RunList(repository, streams);
        case Command::Upcoming:
            return RunUpcoming(repository, invocation, streams);
        case Command::Import:
            return RunImport(repository, invocation, streams);
        case Command::Export:
            return RunExport(repository, invocation, streams);
        case Command::Remind:
            return desktop ? RunRemind(repository, path, invocation, streams, *desktop)
                           : RemindThroughDesktop(repository, path, invocation, streams);
        default:
            return UsageError("no command given.", streams);
    }
}

}  // namespace cli
