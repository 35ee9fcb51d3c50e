#include "transfer/ImportResult.h"

#include <algorithm>

namespace transfer {

bool ImportResult::SkippedForProblems() const {
    return !notices.empty() || std::any_of(skipped.begin(), skipped.end(),
                                           [](const SkippedRecord& s) { return !s.alreadyStored; });
}

}  // namespace transfer
