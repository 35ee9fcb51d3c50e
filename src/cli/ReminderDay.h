#pragma once

#include <QLockFile>
#include <cstdint>
#include <memory>
#include <string>

namespace cli {

// The day the reminder last notified about a database, kept per database in the
// settings store, so that however often the check runs it notifies once a day.
bool RemindedOn(const std::string& database, std::int32_t day);
// False when the store could not keep it.
bool RememberReminded(const std::string& database, std::int32_t day);

// Held from the check to the remembering, so that runs at the same moment (the timer
// and a run by hand) notify once between them. Per database, in the user's runtime
// folder; a lock left by a run that was killed is taken over.
class ReminderLock {
public:
    explicit ReminderLock(const std::string& database);
    ~ReminderLock();
    ReminderLock(const ReminderLock&) = delete;
    ReminderLock& operator=(const ReminderLock&) = delete;

    // Waits for another run to finish its check, at most as long as a notification
    // service may take to answer. False when it did not.
    bool take();

private:
    std::unique_ptr<QLockFile> file_;
};

}  // namespace cli
