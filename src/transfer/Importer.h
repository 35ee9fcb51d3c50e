#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/Exchange.h"
#include "platform/Translate.h"
#include "store/PersonRepository.h"
#include "transfer/ImportResult.h"

// The import rules, the same for the window and the command line.
namespace transfer {

// Reasons for skipping, in English; the results carry them through platform::Translate.
inline constexpr const char* kNoName =
    MARROWTIDE_TRANSLATE_NOOP("transfer", "the record has no name");
inline constexpr const char* kAlreadyStored =
    MARROWTIDE_TRANSLATE_NOOP("transfer", "already stored");
inline constexpr const char* kOutOfRange =
    MARROWTIDE_TRANSLATE_NOOP("transfer", "the birth date lies outside 01/01/0100 to 12/31/9999");

// Stores the usable records of one file. A record with a problem or without a name is
// skipped with its reason; one whose name (in its composed Unicode form) and birth (to
// the second) equal a stored person's or an earlier record's is skipped as already
// stored (IdentitySet), so importing a file twice adds nobody. The check and the
// inserts share one write transaction, so two imports at once add nobody twice: when
// it fails, or the database stays locked longer than the busy timeout, nothing is
// imported and `error` says why. `fileLabel` names the file in the places of skipped
// records.
ImportResult ImportRecords(const store::PersonRepository& repository,
                           std::vector<exchange::ImportRecord> records,
                           const std::string& fileLabel);

// The people to store of `records` (taken from them) when the store holds `stored`: each
// record that is usable and neither stored nor met earlier in the file. The others are
// listed in `skipped` with their reason. No database: ImportRecords calls it inside its
// transaction.
std::vector<store::Person> ChooseNew(std::vector<exchange::ImportRecord>& records,
                                     const std::vector<store::Person>& stored,
                                     const std::string& fileLabel,
                                     std::vector<SkippedRecord>& skipped);

// The records in a file's bytes, read as CSV or vCard as its content or else its name
// (`path`) tells. False with `error` set, for the user and naming the file, when it is
// neither or the reader refuses it whole.
bool ReadImportRecords(std::string_view bytes, const std::string& path, exchange::ReadResult& read,
                       std::string& error);

// The read notices as the places of an import's result.
void AddNotices(ImportResult& result, std::vector<exchange::ReadNotice>& notices,
                const std::string& fileLabel);

// The text with a full stop at its end.
std::string AsSentence(const std::string& text);

// Reads the file at `path` (UTF-8 path), finds its format from its content or its
// extension, and imports its records. The file itself is only read.
ImportResult ImportFile(const store::PersonRepository& repository, const std::string& path);

}  // namespace transfer
