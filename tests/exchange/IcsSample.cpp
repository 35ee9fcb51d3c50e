// Writes a small calendar of birthdays to standard output for check_ics.py, which reads
// it with a calendar library of its own.
#include <iostream>

#include "age/DateValue.h"
#include "exchange/Exchange.h"

int main() {
    auto at = [](int y, int m, int d, int h) {
        return modAgeCalc::ToDateValue({y, m, d, h, 0, 0});
    };
    std::string longName = "Ωμέγα";
    for (int i = 0; i < 20; ++i) longName += " 王小明";
    const std::vector<exchange::ExportPerson> people = {
        {1, "Lee, Ann; Jr.", at(1990, 3, 15, 14), "."},
        {2, "Leap \\ Day", at(2000, 2, 29, 0), "born at home"},
        {3, longName, at(1850, 12, 31, 23), ""},
    };
    std::cout << exchange::WriteICalendar(people);
    return 0;
}
