#pragma once

#include <ostream>

#include "cli/CommandLine.h"
#include "store/PersonRepository.h"

// The four commands. Each writes its result to `out`, its complaints to `err`, and
// returns the exit status.
namespace cli {

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

inline constexpr const char* kProgram = "marrowtide-cli";

int RunList(const store::PersonRepository& repository, Streams streams);
int RunUpcoming(const store::PersonRepository& repository, const Invocation& invocation,
                Streams streams);
int RunImport(const store::PersonRepository& repository, const Invocation& invocation,
              Streams streams);
int RunExport(const store::PersonRepository& repository, const Invocation& invocation,
              Streams streams);

// Reports wrong usage the same way wherever it is found.
int UsageError(const std::string& problem, Streams streams);

}  // namespace cli
