#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

// The command line, read but not acted on.
struct Invocation {
    enum class Command { None, Help, Version, List, Upcoming, Import, Export, Remind };

    Command command = Command::None;
    std::optional<std::string> database;  // --database FILE
    std::string file;                     // import FILE, export FILE
    int days = 14;                        // --days N (remind: 7 unless given)
    std::optional<std::string> from;      // --from YYYY-MM-DD, as given
    std::optional<std::string> format;    // --format csv|vcf|ics, as given
    bool force = false;                   // --force
    bool again = false;                   // --again
};

// Reads the arguments after the program's name. False with `problem` saying what is
// wrong when they make no valid command.
bool ParseCommandLine(const std::vector<std::string>& args, Invocation& out, std::string& problem);

}  // namespace cli
