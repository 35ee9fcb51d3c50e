// Measures the start-up of the built program as a user meets it: a process started on a
// copy of a database file, on the offscreen platform unless a display is chosen, quitting
// once its event loop is first idle with the list loaded (MARROWTIDE_QUIT_WHEN_IDLE).
// The CPU the process used (user + system, from wait4) is taken for an empty database
// and for 100,000 people, with the day's backup already made and with it still to make,
// beside the sqlite3 shell's plain read of the same table. The copy waits until the
// start-up is over; a third run lets it start then and waits for it, to show what it
// costs on top. The best of a few runs counts: the machine is shared, and the least CPU
// is the run least disturbed. Another build of the program can be named on the command
// line, to compare two builds on the same machine at the same time.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "PersonFiles.h"
#include "TempDir.h"
#include "store/Database.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPeople = 100000;
constexpr int kRuns = 11;

const char* g_program = MARROWTIDE_PROGRAM;

double CpuMs(const rusage& usage) {
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Runs `argv` with its output to /dev/null; the CPU it used, or -1 when it failed.
double ChildCpuMs(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
            _exit(126);
        for (const std::string& pair : env) putenv(const_cast<char*>(pair.c_str()));
        std::vector<char*> args;
        for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return CpuMs(usage);
}

struct Run {
    fs::path database;
    std::vector<std::string> env;
};

// A copy of the person file in a folder of its own, with a settings home of its own so
// that the user's settings are neither read nor changed.
Run CopyOf(const std::string& sourceFolder, const fs::path& root, const std::string& name) {
    const fs::path folder = root / name;
    fs::create_directories(folder / "home");
    const fs::path database = folder / modAgeCalc::kDatabaseFileName;
    fs::copy_file(fs::path(sourceFolder) / modAgeCalc::kDatabaseFileName, database,
                  fs::copy_options::overwrite_existing);
    Run run{database,
            {"MARROWTIDE_QUIT_WHEN_IDLE=1", "HOME=" + (folder / "home").string(),
             "XDG_CONFIG_HOME=" + (folder / "home" / ".config").string(),
             "XDG_DATA_HOME=" + (folder / "home" / ".local/share").string()}};
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
        run.env.push_back("QT_QPA_PLATFORM=offscreen");
    return run;
}

enum class Backup { Made, ToMake, ToMakeWaitedFor };

double ProgramCpuMs(const Run& run, Backup backup) {
    std::vector<std::string> env = run.env;
    if (backup == Backup::ToMakeWaitedFor) env.front() = "MARROWTIDE_QUIT_WHEN_IDLE=backup";
    double best = -1;
    for (int i = 0; i < kRuns; ++i) {
        if (backup != Backup::Made) fs::remove_all(run.database.parent_path() / "backups");
        const double ms = ChildCpuMs({g_program, "--database", run.database.string()}, env);
        if (ms < 0) return -1;
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

double ShellReadMs(const Run& run) {
    double best = -1;
    for (int i = 0; i < kRuns; ++i) {
        const double ms =
            ChildCpuMs({"sqlite3", run.database.string(), "SELECT * FROM tblAges;"}, {});
        if (ms < 0) return -1;
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_program = argv[1];
    bench::PersonFiles files;
    testsupport::TempDir root;
    std::printf("Making the person files (empty and %d people)...\n", kPeople);
    // Flushed before any start is forked, so the children do not print it again.
    std::fflush(stdout);
    const Run empty = CopyOf(files.folderWith(0), root.path(), "empty");
    const Run full = CopyOf(files.folderWith(kPeople), root.path(), "full");
    // The first start of the day makes the day's backup; it also warms the file cache.
    if (ProgramCpuMs(empty, Backup::Made) < 0 || ProgramCpuMs(full, Backup::Made) < 0) {
        std::fprintf(stderr, "the program did not start and end cleanly: %s\n", g_program);
        return 1;
    }
    const double shell = ShellReadMs(full);
    const double shellEmpty = ShellReadMs(empty);
    const double made0 = ProgramCpuMs(empty, Backup::Made), made = ProgramCpuMs(full, Backup::Made);
    const double toMake0 = ProgramCpuMs(empty, Backup::ToMake);
    const double toMake = ProgramCpuMs(full, Backup::ToMake);
    const double waited0 = ProgramCpuMs(empty, Backup::ToMakeWaitedFor);
    const double waited = ProgramCpuMs(full, Backup::ToMakeWaitedFor);
    if (shell < 0) std::printf("(no sqlite3 shell on the PATH: no ratio)\n");
    std::printf("\nCPU time (user + system), best of %d starts, in ms:\n", kRuns);
    std::printf("  sqlite3 shell, SELECT * FROM tblAges: %d people %.1f, empty %.1f\n", kPeople,
                shell, shellEmpty);
    const auto line = [&](const char* what, double base, double people) {
        const double extra = people - base;
        std::printf("  %-28s empty %7.1f  %d people %7.1f  extra %7.1f  extra / shell read %.2f"
                    "  (goal <= 1.5: %s)\n",
                    what, base, kPeople, people, extra, shell > 0 ? extra / shell : 0.0,
                    shell > 0 && extra / shell <= 1.5 ? "met" : "NOT MET");
    };
    line("day's backup already made:", made0, made);
    line("day's backup to make:", toMake0, toMake);
    std::printf(
        "  the copy afterwards, waited for: empty %7.1f  %d people %7.1f; the copy of %d "
        "people costs %.1f more, %.2f x the shell read\n",
        waited0, kPeople, waited, kPeople, (waited - waited0) - (made - made0),
        shell > 0 ? ((waited - waited0) - (made - made0)) / shell : 0.0);
    return 0;
}
