#include "cli/ReminderDay.h"

#include <QCryptographicHash>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "age/DateText.h"
#include "platform/Settings.h"
#include "transfer/FileBytes.h"

namespace cli {

namespace {

constexpr const char* kApplication = "Marrowtide";
constexpr const char* kSection = "Reminded";
// A notification service has 25 seconds to answer a call on the bus.
constexpr int kLongestCheckMs = 30000;

// The settings store takes no separators in its keys; a digest of the database's full
// path names it instead, whatever characters the path holds.
std::string KeyOf(const std::string& database) {
    std::error_code ec;
    const std::filesystem::path full =
        std::filesystem::weakly_canonical(transfer::PathFromUtf8(database), ec);
    const std::string path = ec ? database : full.string();
    return QCryptographicHash::hash(QByteArray::fromStdString(path), QCryptographicHash::Sha1)
        .toHex()
        .toStdString();
}

}  // namespace

bool RemindedOn(const std::string& database, std::int32_t day) {
    return platform::GetSetting(kApplication, kSection, KeyOf(database), "") ==
           modAgeCalc::IsoDayText(day);
}

bool RememberReminded(const std::string& database, std::int32_t day) {
    return platform::SaveSetting(kApplication, kSection, KeyOf(database),
                                 modAgeCalc::IsoDayText(day));
}

ReminderLock::ReminderLock(const std::string& database) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    file_ = std::make_unique<QLockFile>(folder + QStringLiteral("/marrowtide-remind-") +
                                        QString::fromStdString(KeyOf(database)) +
                                        QStringLiteral(".lock"));
    // A run holds the lock for seconds at most; one older than a minute was killed.
    file_->setStaleLockTime(60000);
}

ReminderLock::~ReminderLock() = default;

bool ReminderLock::take() {
    return file_->tryLock(kLongestCheckMs);
}

}  // namespace cli
