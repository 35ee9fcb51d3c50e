#pragma once

namespace upcoming {

// What the upcoming-birthday window keeps in the settings store, under the program's
// application name: how many days ahead it looks, and whether it opens at start-up
// when a birthday is near. A value that is missing or unreadable reads as the default.
inline constexpr int kDefaultDays = 30;
inline constexpr int kMaxDays = 366;
inline constexpr int kReminderDays = 7;

int DaysAhead();
void SaveDaysAhead(int days);
bool RemindAtStartUp();
void SaveRemindAtStartUp(bool remind);

}  // namespace upcoming
