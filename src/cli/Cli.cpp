#include "cli/Cli.h"

#include <filesystem>
#include <memory>
#include <system_error>

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

// The store opens only existing files; saying so up front gives the user the one thing
// to do instead of a database engine's message.
bool DatabaseExists(const std::string& path, Streams streams) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(transfer::PathFromUtf8(path), ec)) return true;
    streams.err << kProgram << ": there is no database " << path
                << ". Name the Marrowtide database with --database FILE.\n";
    return false;
}

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
        if (!DatabaseExists(path, streams)) return kFileProblem;
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
