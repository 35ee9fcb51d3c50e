#include "ui/editor/PickerDateTime.h"

#include <cmath>

#include "age/DateValue.h"

namespace editor {

namespace {

QDateTime UtcDateTime(const modAgeCalc::DateParts& p) {
    return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second), Qt::UTC);
}

QDateTime Clamped(const QDateTime& dateTime) {
    if (dateTime < PickerMinimum()) return PickerMinimum();
    if (dateTime > PickerMaximum()) return PickerMaximum();
    return dateTime;
}

}  // namespace

QDateTime PickerMinimum() {
    return QDateTime(QDate(1601, 1, 1), QTime(0, 0, 0), Qt::UTC);
}

QDateTime PickerMaximum() {
    return QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC);
}

bool IsDateValue(double value) {
    modAgeCalc::DateParts ignored;
    return modAgeCalc::FromDateValue(value, ignored);
}

QDateTime PickerDateTimeFromValue(double value) {
    modAgeCalc::DateParts parts;
    if (modAgeCalc::FromDateValue(value, parts)) return Clamped(UtcDateTime(parts));
    if (std::isnan(value)) return UtcDateTime(modAgeCalc::DateParts{});
    return value < 0 ? PickerMinimum() : PickerMaximum();
}

double ValueFromPickerDateTime(const QDateTime& dateTime) {
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    const modAgeCalc::DateParts parts{date.year(), date.month(),  date.day(),
                                      time.hour(), time.minute(), time.second()};
    return modAgeCalc::IsValidDateParts(parts) ? modAgeCalc::ToDateValue(parts) : 0.0;
}

}  // namespace editor
