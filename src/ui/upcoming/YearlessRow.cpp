#include "ui/upcoming/YearlessRow.h"

#include <cmath>
#include <string>

namespace upcoming {

std::optional<modAgeCalc::YearlessBirth> YearlessFromMonthDay(const QString& shown) {
    if (shown.size() != 5 || shown[2] != QLatin1Char('/')) return std::nullopt;
    const std::string stored =
        "--" + shown.left(2).toStdString() + '-' + shown.mid(3).toStdString();
    return modAgeCalc::YearlessFromText(stored);
}

std::optional<modAgeCalc::YearlessBirth> YearlessOfRow(const platform::ListRowStore& rows,
                                                       int row) {
    if (row < 0 || row >= rows.count() || rows.smallIcon(row) != kYearUnknownImage ||
        std::isfinite(rows.birth(row)))
        return std::nullopt;
    return YearlessFromMonthDay(rows.cell(row, kYearColumn).toString());
}

}  // namespace upcoming
