#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "platform/Desktop.h"
#include "store/PersonRepository.h"

namespace cli {

// What the reminder reaches the desktop through.
struct RemindDesktop {
    platform::Notifier& notifier;
    // Starts the windowed program with these arguments; false when it cannot.
    std::function<bool(const std::vector<std::string>&)> startWindow;
    // How long the reminder waits for a click before it ends.
    std::chrono::milliseconds waitLimit = std::chrono::minutes(10);
};

inline constexpr std::size_t kMostReminderLines = 5;

// The notification's lines: "Ann Smith turns 46 today", at most five people and then
// "and N more".
std::vector<std::string> ReminderLines(const std::vector<Upcoming>& birthdays, std::int32_t today);

// `remind`: notifies once a day about the birthdays within --days days of the
// database at `database`; clicking the notification opens the Upcoming window.
int RunRemind(const store::PersonRepository& repository, const std::string& database,
              const Invocation& invocation, Streams streams, RemindDesktop& desktop);

}  // namespace cli
