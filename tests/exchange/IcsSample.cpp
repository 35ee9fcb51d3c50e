// Writes a small calendar of birthdays to standard output for check_ics.py, which reads
// it with a calendar library of its own. Today is 06/01/2022 for the birthdays without a
// year, whose events start on their next day.
#include <iostream>

#include "../age/ClockOverride.h"
#include "age/DateValue.h"
#include "exchange/Exchange.h"

int main() {
    auto at = [](int y, int m, int d, int h) {
        return modAgeCalc::ToDateValue({y, m, d, h, 0, 0});
    };
    std::string longName = "Ωμέγα";
    for (int i = 0; i < 20; ++i) longName += " 王小明";
    const std::vector<exchange::ExportPerson> people = {
        {1, "Lee, Ann; Jr.", at(1990, 3, 15, 14), ".", {}},
        {2, "Leap \\ Day", at(2000, 2, 29, 0), "born at home", {}},
        {3, longName, at(1850, 12, 31, 23), "", {}},
        {4, "No Year", 0, "", {12, 8, 0, 0, 0}},
        {5, "Leap Unknown", 0, "", {2, 29, 8, 30, 0}},
        {6, "Today Unknown", 0, "", {6, 1, 0, 0, 0}},
    };
    const agetest::ClockOverride today({2022, 6, 1, 12, 0, 0});
    std::cout << exchange::WriteICalendar(people);
    return 0;
}
