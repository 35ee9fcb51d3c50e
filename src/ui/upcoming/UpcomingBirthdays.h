#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "platform/qt/list/ListRowStore.h"

namespace upcoming {

// One person's next birthday, for the rows of the person list.
struct UpcomingBirthday {
    int row = 0;            // the person's row in the list's store
    std::int32_t date = 0;  // day number of the birthday
    std::int32_t daysUntil = 0;
    int turns = 0;  // the age the person turns that day; 0 when the birth year is unknown
};

// The people of `rows` whose next birthday, counted from the day `today`, is at most
// `days` days away (0: today only): today's first, then the soonest, a day's people by
// name. Works from the stored birth each row keeps, or the month and day of a row whose
// birth year is unknown (YearlessRow.h), so it never reads the database; rows without
// a birth (the "no records" row) are left out.
std::vector<UpcomingBirthday> UpcomingBirthdays(const platform::ListRowStore& rows,
                                                std::int32_t today, int days);

// The list's column of comments, which is copied with each person found.
inline constexpr int kCommentsColumn = 3;

// The people UpcomingBirthdays finds, copied out of the list's store, which a reload
// clears: a store of their own, in the order of their rows in the list's store, with
// each one's key, name, comments, images, birth and stamp, beside their birthdays.
struct UpcomingPeople {
    platform::ListRowStore people;
    std::vector<UpcomingBirthday> birthdays;  // by row of `people`; `row` is the list's row
    std::vector<int> order;  // rows of `people` in the order UpcomingBirthdays gives
};
UpcomingPeople CopyUpcomingPeople(const platform::ListRowStore& rows, std::int32_t today, int days);

// Whether UpcomingBirthdays would find anyone; stops at the first person it finds.
bool AnyUpcomingBirthday(const platform::ListRowStore& rows, std::int32_t today, int days);

// "today", "tomorrow" or "in N days".
QString WhenText(std::int32_t daysUntil);
// The weekday's English name, "Monday" to "Sunday".
QString WeekdayName(std::int32_t day);
// "MM/DD/YYYY".
QString DayText(std::int32_t day);

}  // namespace upcoming
