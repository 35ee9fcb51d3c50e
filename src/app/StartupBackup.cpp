#include "app/StartupBackup.h"

#include "platform/Clock.h"
#include "store/Backup.h"

namespace app {

bool BackUpToday(const QString& databasePath, QString& error) {
    const platform::ClockReading now = platform::Now();
    std::string reason;
    const store::BackupResult result = store::BackUpDatabase(
        databasePath.toStdString(), store::BackupDay(now.year, now.month, now.day), reason);
    if (result != store::BackupResult::Failed) return true;
    error = QString::fromStdString(reason);
    return false;
}

}  // namespace app
