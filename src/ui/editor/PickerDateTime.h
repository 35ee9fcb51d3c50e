#pragma once

#include <QDateTime>

// Conversions between the program's date-time value (days since 12/30/1899, the time
// of day as the fraction) and the QDateTime a date-time picker holds. The picker
// works in UTC so that no daylight-saving gap of the local zone can move a time;
// the value itself carries no zone.
namespace editor {

// The range the picker accepts, 01/01/1601 00:00:00 to 12/31/9999 23:59:59.
QDateTime PickerMinimum();
QDateTime PickerMaximum();

// True when the value is a date the program can show (years 100 to 9999).
bool IsDateValue(double value);

// The value as a picker date-time, to the whole second and kept inside the picker's
// range. A value that is no date at all (NaN) shows as day 0, 12/30/1899 00:00:00;
// infinities and values beyond either end of the calendar show as that end.
QDateTime PickerDateTimeFromValue(double value);

// The value of a date-time, read as calendar fields whatever its time zone setting; day 0
// for an invalid date-time or one outside the years 100 to 9999.
double ValueFromPickerDateTime(const QDateTime& dateTime);

}  // namespace editor
