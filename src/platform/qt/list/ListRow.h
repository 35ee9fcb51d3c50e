#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <limits>

namespace platform {

// One row of the list control as its users see it: the row's key, its text (the
// first column), the texts of the other columns, the image numbers in the small and
// the large image list, the person's stored birth with its time of day, which the
// shown date text drops, and a stamp the row's filler gives it to recognise later
// whether what the row was made from has changed.
struct ListRow {
    static constexpr int kSubItems = 3;
    static constexpr double kNoBirth = std::numeric_limits<double>::quiet_NaN();

    QString key;
    QString text;
    std::array<QString, kSubItems> subItems;
    int smallIcon = 0;
    int largeIcon = 0;
    double birth = kNoBirth;  // the stored birth (date-time value), NaN when none
    std::uint64_t stamp = 0;
};

}  // namespace platform
