#include "cli/DefaultDatabase.h"

#include "platform/ExecutableFolder.h"
#include "store/Database.h"

namespace cli {

std::string DefaultDatabasePath() {
    return modAgeCalc::WithTrailingSeparator(platform::ExecutableFolder()) +
           modAgeCalc::kDatabaseFileName;
}

}  // namespace cli
