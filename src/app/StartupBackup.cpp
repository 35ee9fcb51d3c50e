#include "app/StartupBackup.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace app {

namespace {

constexpr const char* kApplication = "Marrowtide";
constexpr const char* kSection = "Backup";
// The day the window last said that no copy could be made: it says so once a day.
constexpr const char* kFailureShownKey = "FailureShownOn";

std::string Today() {
    const platform::DateParts now = platform::Now();
    return store::BackupDay(now.year, now.month, now.day);
}

void TellOnceADay(const QString& error, const QString& folder, const std::string& day) {
    if (platform::GetSetting(kApplication, kSection, kFailureShownKey, "") == day) return;
    platform::SaveSetting(kApplication, kSection, kFailureShownKey, day);
    const QString text =
        QCoreApplication::translate("StartupBackup",
                                    "No backup of the database could be made today: %1\n\n"
                                    "The backups are kept in the folder %2.")
            .arg(error, QDir::toNativeSeparators(folder));
    platform::MsgBox(text.toStdString(), platform::Icon::Exclamation);
}

}  // namespace

bool BackUpToday(const QString& databasePath, QString& error) {
    std::string reason;
    const store::BackupResult result =
        store::BackUpDatabase(databasePath.toStdString(), Today(), reason);
    if (result != store::BackupResult::Failed) return true;
    error = QString::fromStdString(reason);
    return false;
}

StartupBackup::StartupBackup(QString databasePath) : databasePath_(std::move(databasePath)) {}

StartupBackup::~StartupBackup() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

void StartupBackup::startAfter(std::chrono::milliseconds delay) {
    QTimer::singleShot(delay, &context_, [this] { start(); });
}

// The day is read here, on the thread the clock belongs to.
void StartupBackup::start() {
    if (worker_.joinable()) return;
    worker_ = std::thread([this, day = Today()] { run(day); });
}

void StartupBackup::run(const std::string& day) {
    const store::BackupControl control{&stop_, pagesPerStep_, afterStep_};
    std::string error;
    const store::BackupResult result = store::BackUpDatabase(databasePath_.toStdString(), day,
                                                             error, store::kBackupsKept, control);
    QMetaObject::invokeMethod(
        &context_,
        [this, result, error = QString::fromStdString(error), day = QString::fromStdString(day)] {
            report(result, error, day);
        },
        Qt::QueuedConnection);
}

void StartupBackup::report(store::BackupResult result, const QString& error, const QString& day) {
    result_ = result;
    if (result == store::BackupResult::Failed) tellFailure(error, day);
    if (reported_) reported_();
}

void StartupBackup::tellFailure(const QString& error, const QString& day) {
    const QString line = QStringLiteral("marrowtide: no backup made today: ") + error + '\n';
    std::fputs(line.toLocal8Bit().constData(), stderr);
    TellOnceADay(error, QString::fromStdString(store::BackupFolder(databasePath_.toStdString())),
                 day.toStdString());
}

}  // namespace app
