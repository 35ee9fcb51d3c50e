#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "store/Backup.h"

namespace app {

// Today's backup of the database (see store::BackUpDatabase), dated by the installed
// clock, made here and now. False, with `error` saying why, when no copy could be made;
// the database is left as it was either way. The companion makes it before an import.
bool BackUpToday(const QString& databasePath, QString& error);

// Today's backup as the window makes it: on a thread of its own, on its own read-only
// connection, so the window never waits for it. A copy that cannot be made is reported
// on standard error and, once a day, in a message box naming the reason and the folder.
// Going away stops a copy under way within one chunk; its partial file is removed.
class StartupBackup final {
public:
    explicit StartupBackup(QString databasePath);
    ~StartupBackup();
    StartupBackup(const StartupBackup&) = delete;
    StartupBackup& operator=(const StartupBackup&) = delete;

    // Starts the copy once `delay` has passed, from the event loop; whichever of several
    // such calls comes due first starts it.
    void startAfter(std::chrono::milliseconds delay);
    // Starts the copy now; a copy already started or made is not made again.
    void start();
    // Called on the starting thread once the result has been reported.
    void setOnReported(std::function<void()> reported) { reported_ = std::move(reported); }

    // Set once the result has been reported, on the thread that started the copy.
    const std::optional<store::BackupResult>& result() const { return result_; }
    bool stopRequested() const { return stop_.load(); }
    // Called on the copying thread after each chunk (tests).
    void setAfterStep(std::function<void()> afterStep) { afterStep_ = std::move(afterStep); }
    void setPagesPerStep(int pages) { pagesPerStep_ = pages; }

private:
    void run(const std::string& day);
    void report(store::BackupResult result, const QString& error, const QString& day);
    void tellFailure(const QString& error, const QString& day);

    QString databasePath_;
    QObject context_;  // lives on the starting thread; the result is posted to it
    std::atomic<bool> stop_{false};
    std::function<void()> afterStep_;
    std::function<void()> reported_;
    int pagesPerStep_ = store::BackupControl{}.pagesPerStep;
    std::optional<store::BackupResult> result_;
    std::thread worker_;
};

}  // namespace app
