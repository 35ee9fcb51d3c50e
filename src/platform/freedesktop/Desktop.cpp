// The desktop seam on Linux desktops: the freedesktop notification service and the
// user's systemd.
#include "platform/Desktop.h"

#include "platform/freedesktop/FreedesktopNotifier.h"
#include "platform/freedesktop/SystemdUserSchedule.h"

namespace platform {

std::unique_ptr<Notifier> NewDesktopNotifier() {
    return std::make_unique<FreedesktopNotifier>();
}

std::unique_ptr<DailySchedule> NewDailySchedule(const std::string& ownDefinitions) {
    return std::make_unique<SystemdUserSchedule>(QString::fromStdString(ownDefinitions));
}

}  // namespace platform
