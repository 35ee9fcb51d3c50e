#include "ui/upcoming/UpcomingSettings.h"

#include <charconv>
#include <string>

#include "platform/Settings.h"

namespace upcoming {

namespace {

constexpr const char* kApplication = "Marrowtide";
constexpr const char* kSection = "Upcoming";
constexpr const char* kDaysKey = "Days";
constexpr const char* kRemindKey = "RemindAtStartUp";

int NumberOr(const std::string& text, int fallback, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return fallback;
    return value;
}

}  // namespace

int DaysAhead() {
    return NumberOr(platform::GetSetting(kApplication, kSection, kDaysKey, ""), kDefaultDays, 0,
                    kMaxDays);
}

void SaveDaysAhead(int days) {
    platform::SaveSetting(kApplication, kSection, kDaysKey, std::to_string(days));
}

bool RemindAtStartUp() {
    return NumberOr(platform::GetSetting(kApplication, kSection, kRemindKey, ""), 1, 0, 1) == 1;
}

void SaveRemindAtStartUp(bool remind) {
    platform::SaveSetting(kApplication, kSection, kRemindKey, remind ? "1" : "0");
}

}  // namespace upcoming
