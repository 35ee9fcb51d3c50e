// marrowtide-cli: the people of Marrowtide's database on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "platform/Settings.h"
#include "platform/qt/QtSettings.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    platform::QtSettings settings;  // the windowed program's store
    platform::SetSettings(&settings);
    const int status = cli::RunCli(args, std::cout, std::cerr);
    platform::SetSettings(nullptr);
    return status;
}
