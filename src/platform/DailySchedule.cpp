#include <utility>

#include "platform/Desktop.h"

namespace platform {

namespace {

DailySchedule* installed = nullptr;

}  // namespace

DailySchedule* InstalledDailySchedule() {
    return installed;
}

DailySchedule* SetDailySchedule(DailySchedule* schedule) {
    return std::exchange(installed, schedule);
}

}  // namespace platform
