#pragma once

#include <string>
#include <vector>

namespace transfer {

// A record of an imported file that was not stored, and why.
struct SkippedRecord {
    std::string where;   // "contacts.csv, line 12" or "phone.vcf, card 3"
    std::string reason;  // "the birthday has no year", "already stored", ...
    bool alreadyStored = false;
};

// What an import did. When `error` is set nothing was imported: the file or the
// database could not be read, or the database could not be written.
struct ImportResult {
    int imported = 0;
    std::vector<SkippedRecord> skipped;
    // Places in the file that were read all the same but deserve a look ("a card
    // without its END"); `reason` says what.
    std::vector<SkippedRecord> notices;
    std::string error;

    bool Failed() const { return !error.empty(); }
    // True when a record was left out for a reason other than being stored already, or
    // the file has a place to look at.
    bool SkippedForProblems() const;
};

}  // namespace transfer
