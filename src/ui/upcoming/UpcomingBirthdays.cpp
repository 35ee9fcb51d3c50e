#include "ui/upcoming/UpcomingBirthdays.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

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
// next birthday out. From March 1901 to February 2100 the calendar repeats every four
// years (1461 days), so for births then, most of them, the answer is looked up by the
// day's place in those four years rather than worked out from its date.
class ComingDays {
public:
    ComingDays(std::int32_t today, int days) {
        const int count = std::min(std::max(days, 0), 366);
        for (int offset = 0; offset <= count; ++offset) {
            int year = 0, month = 0, day = 0;
            modAgeCalc::CivilFromSerial(today + offset, year, month, day);
            coming_[static_cast<std::size_t>(month * 32 + day)] = true;
        }
        for (std::int32_t offset = 0; offset < kCycleDays; ++offset)
            inCycle_[static_cast<std::size_t>(offset)] = MayComeOn(cycleStart_ + offset);
    }

    bool MayCome(const modAgeCalc::YearlessBirth& birth) const {
        return MayComeOn(birth.month, birth.day);
    }

    bool MayCome(double birth) const {
        if (!std::isfinite(birth) || birth < modAgeCalc::kMinSerial ||
            birth >= modAgeCalc::kMaxSerial + 1.0)
            return false;
        const std::int32_t serial = modAgeCalc::DaySerialOf(birth);
        if (serial >= cycleStart_ && serial < cycleEnd_)
            return inCycle_[static_cast<std::size_t>((serial - cycleStart_) % kCycleDays)];
        return MayComeOn(serial);
    }

private:
    static constexpr std::int32_t kCycleDays = 4 * 365 + 1;

    bool MayComeOn(int month, int day) const {
        return coming_[static_cast<std::size_t>(month * 32 + day)] || (month == 2 && day == 29);
    }

    bool MayComeOn(std::int32_t serial) const {
        int year = 0, month = 0, day = 0;
        modAgeCalc::CivilFromSerial(serial, year, month, day);
        return MayComeOn(month, day);
    }

    std::array<bool, 13 * 32> coming_{};
    const std::int32_t cycleStart_ = modAgeCalc::SerialFromCivil(1901, 3, 1);
    const std::int32_t cycleEnd_ = modAgeCalc::SerialFromCivil(2100, 3, 1);
    std::array<bool, kCycleDays> inCycle_{};
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

// What the window shows and the editor needs of each person found, in the order found.
void CopyPeople(const platform::ListRowStore& rows, const std::vector<UpcomingBirthday>& found,
                platform::ListRowStore& people) {
    constexpr std::size_t kAhead = 8;
    const std::initializer_list<int> copied = {0, kCommentsColumn};
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (i + 2 * kAhead < found.size()) rows.prefetchRecord(found[i + 2 * kAhead].row);
        if (i + kAhead < found.size()) rows.prefetchTexts(found[i + kAhead].row, copied);
        people.appendCopy(rows, found[i].row, copied);
    }
}

}  // namespace

// The rows are scanned front to back for the people found; their texts, spread over
// the whole list's store, are then copied with the next ones' asked for ahead, so that
// the reads overlap instead of waiting one after another. Names are then put in order by
// the list's own name sort over the copies, which lie close together, and the days by
// counting, which keeps that order within a day.
UpcomingPeople CopyUpcomingPeople(const platform::ListRowStore& rows, std::int32_t today,
                                  int days) {
    UpcomingPeople found;
    std::vector<int> perDay(static_cast<std::size_t>(std::max(days, 0)) + 2, 0);
    modAgeCalc::NextBirthdayInfo next;
    const ComingDays coming(today, days);
    for (int row = 0; row < rows.count(); ++row) {
        if (!NextOfRow(rows, row, today, coming, next) || next.daysUntil > days) continue;
        found.birthdays.push_back({row, next.date, next.daysUntil, next.turns});
        ++perDay[static_cast<std::size_t>(next.daysUntil) + 1];
    }
    CopyPeople(rows, found.birthdays, found.people);
    for (std::size_t day = 1; day < perDay.size(); ++day) perDay[day] += perDay[day - 1];
    std::vector<int> inRowOrder(found.birthdays.size());
    std::iota(inRowOrder.begin(), inRowOrder.end(), 0);
    found.order.resize(found.birthdays.size());
    for (const int person : platform::ListSorter::Sorted(
             found.people, inRowOrder, 0, Qt::AscendingOrder, platform::SortAs::Names)) {
        const auto day =
            static_cast<std::size_t>(found.birthdays[static_cast<std::size_t>(person)].daysUntil);
        found.order[static_cast<std::size_t>(perDay[day]++)] = person;
    }
    return found;
}

std::vector<UpcomingBirthday> UpcomingBirthdays(const platform::ListRowStore& rows,
                                                std::int32_t today, int days) {
    const UpcomingPeople found = CopyUpcomingPeople(rows, today, days);
    std::vector<UpcomingBirthday> soonest;
    soonest.reserve(found.order.size());
    for (const int person : found.order)
        soonest.push_back(found.birthdays[static_cast<std::size_t>(person)]);
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
