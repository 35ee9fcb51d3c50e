#pragma once

namespace cli {

// What the command line tells the calling script.
enum ExitStatus : int {
    kSuccess = 0,      // everything went in (people already stored count as in)
    kSkipped = 1,      // records were left out for another reason
    kUsage = 2,        // the command line was wrong
    kFileProblem = 3,  // a file or the database could not be read or written; nothing changed
    kNoNotifier = 4,   // remind: no notification service, the reminder was printed instead
};

}  // namespace cli
