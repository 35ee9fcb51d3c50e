#include "ui/upcoming/UpcomingBirthdays.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

#include "age/Birthday.h"
#include "age/DateText.h"
#include "age/DateValue.h"
#include "platform/qt/list/ListSorter.h"
#include "ui/upcoming/YearlessRow.h"

namespace upcoming {

namespace {

// The days of the year (month, day) that fall within the coming `days` days: a birth on
// any other day of the year, unless on 29 February (which moves to the 28th in other
// years), cannot have its birthday within them, and is passed over without working its
// next birthday out.
class ComingDays {
public:
    ComingDays(std::int32_t today, int days) {
        const int count = std::min(std::max(days, 0), 366);
        for (int offset = 0; offset <= count; ++offset) {
            int year = 0, month = 0, day = 0;
            modAgeCalc::CivilFromSerial(today + offset, year, month, day);
            coming_[static_cast<std::size_t>(month * 32 + day)] = true;
        }
    }

    bool MayCome(const modAgeCalc::YearlessBirth& birth) const {
        return coming_[static_cast<std::size_t>(birth.month * 32 + birth.day)] ||
               (birth.month == 2 && birth.day == 29);
    }

    bool MayCome(double birth) const {
        if (!std::isfinite(birth) || birth < modAgeCalc::kMinSerial ||
            birth >= modAgeCalc::kMaxSerial + 1.0)
            return false;
        int year = 0, month = 0, day = 0;
        modAgeCalc::CivilFromSerial(modAgeCalc::DaySerialOf(birth), year, month, day);
        return coming_[static_cast<std::size_t>(month * 32 + day)] || (month == 2 && day == 29);
    }

private:
    std::array<bool, 13 * 32> coming_{};
};

// The row's next birthday on or after `today`, if it may come within the days.
bool NextOfRow(const platform::ListRowStore& rows, int row, std::int32_t today,
               const ComingDays& coming, modAgeCalc::NextBirthdayInfo& next) {
    const double birth = rows.birth(row);
    if (std::isfinite(birth))
        return coming.MayCome(birth) && modAgeCalc::NextBirthday(birth, today, next);
    const auto yearless = YearlessOfRow(rows, row);
    return yearless && coming.MayCome(*yearless) &&
           modAgeCalc::NextYearlessBirthday(*yearless, today, next);
}

}  // namespace

// Names are put in order by the list's own name sort, which settles most comparisons on
// packed integers, and the days by counting, which keeps that order within a day. The
// birthdays found are kept in the order of their rows, where a row's is found by halving.
std::vector<UpcomingBirthday> UpcomingBirthdays(const platform::ListRowStore& rows,
                                                std::int32_t today, int days) {
    std::vector<UpcomingBirthday> found;
    std::vector<int> foundRows;
    std::vector<int> perDay(static_cast<std::size_t>(std::max(days, 0)) + 2, 0);
    modAgeCalc::NextBirthdayInfo next;
    const ComingDays coming(today, days);
    for (int row = 0; row < rows.count(); ++row) {
        if (!NextOfRow(rows, row, today, coming, next) || next.daysUntil > days) continue;
        found.push_back({row, next.date, next.daysUntil, next.turns});
        foundRows.push_back(row);
        ++perDay[static_cast<std::size_t>(next.daysUntil) + 1];
    }
    for (std::size_t day = 1; day < perDay.size(); ++day) perDay[day] += perDay[day - 1];
    std::vector<UpcomingBirthday> soonest(found.size());
    for (const int row : platform::ListSorter::Sorted(rows, foundRows, 0, Qt::AscendingOrder,
                                                            platform::SortAs::Names)) {
        const auto at = std::lower_bound(foundRows.begin(), foundRows.end(), row);
        const UpcomingBirthday& birthday = found[static_cast<std::size_t>(at - foundRows.begin())];
        soonest[static_cast<std::size_t>(perDay[static_cast<std::size_t>(birthday.daysUntil)]++)] =
            birthday;
    }
    return soonest;
}

bool AnyUpcomingBirthday(const platform::ListRowStore& rows, std::int32_t today, int days) {
    modAgeCalc::NextBirthdayInfo next;
    const ComingDays coming(today, days);
    for (int row = 0; row < rows.count(); ++row)
        if (NextOfRow(rows, row, today, coming, next) && next.daysUntil <= days) return true;
    return false;
}

QString WhenText(std::int32_t daysUntil) {
    if (daysUntil == 0) return QCoreApplication::translate("upcoming", "today");
    if (daysUntil == 1) return QCoreApplication::translate("upcoming", "tomorrow");
    return QCoreApplication::translate("upcoming", "in %1 days").arg(daysUntil);
}

QString WeekdayName(std::int32_t day) {
    return QString::fromLatin1(modAgeCalc::WeekdayName(day));
}

QString DayText(std::int32_t day) {
    return QString::fromStdString(modAgeCalc::FormatDateText(day));
}

}  // namespace upcoming
