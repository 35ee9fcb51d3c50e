#include "ui/editor/BirthPicker.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

#include "age/DateValue.h"

namespace {

// The date part of the picker's text, month/day/year, and where its fields lie.
struct TypedDate {
    int month = 0;
    int day = 0;
    QString year;
    int monthEnd = 0;
    int yearStart = 0;
    int yearEnd = 0;
};

bool ReadTypedDate(const QString& text, TypedDate& date) {
    static const QRegularExpression datePart(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{0,4})"));
    const QRegularExpressionMatch m = datePart.match(text);
    if (!m.hasMatch()) return false;
    date = {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3),
            static_cast<int>(m.capturedEnd(1)),
            static_cast<int>(m.capturedStart(3)), static_cast<int>(m.capturedEnd(3))};
    return date.month >= 1 && date.month <= 12 && date.day >= 1;
}

enum class DateCheck { Open, Refused, Waits };

// What the date typed so far allows, given where the user is typing (the cursor). While
// the month is typed, anything goes; the day must exist in that month in some year; the
// year, once it has all its digits, must make the whole date real. A date that is not
// real while its later fields are still to be typed waits for them.
DateCheck CheckTypedDate(const QString& text, int cursor) {
    TypedDate date;
    if (!ReadTypedDate(text, date)) return DateCheck::Open;
    const bool dayInSomeYear = date.day <= modAgeCalc::DaysInMonthOf(2000, date.month);
    const bool dayInItsYear = date.year.size() < 4 ||
                              date.day <= modAgeCalc::DaysInMonthOf(date.year.toInt(), date.month);
    if (dayInSomeYear && dayInItsYear) return DateCheck::Open;
    if (cursor <= date.monthEnd) return DateCheck::Waits;
    const bool typingYear = cursor >= date.yearStart && cursor <= date.yearEnd;
    return !dayInSomeYear || typingYear ? DateCheck::Refused : DateCheck::Waits;
}

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

bool IsFieldSeparator(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    return text == QLatin1String("/") || text == QLatin1String(":") || text == QLatin1String(" ");
}

// The start and length of each run of digits, one per field of the picker's text.
QList<std::pair<int, int>> DigitRuns(const QString& text) {
    QList<std::pair<int, int>> runs;
    for (int i = 0; i < text.size();) {
        if (!text[i].isDigit()) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < text.size() && text[i].isDigit()) ++i;
        runs.append({start, i - start});
    }
    return runs;
}

}  // namespace

BirthPicker::BirthPicker(QWidget* parent) : QDateTimeEdit(parent) {}

QValidator::State BirthPicker::validate(QString& input, int& pos) const {
    switch (CheckTypedDate(input, pos)) {
        case DateCheck::Refused:
            return QValidator::Invalid;
        case DateCheck::Waits: {
            // The picker's own check would make the date real by cutting the day down to
            // the month's length (02/29/2026 to 02/28); asked about a copy, it only says
            // whether the rest is fine.
            QString copy = input;
            int copyPos = pos;
            return std::min(QDateTimeEdit::validate(copy, copyPos), QValidator::Intermediate);
        }
        case DateCheck::Open:
            break;
    }
    return QDateTimeEdit::validate(input, pos);
}

// The spin box would move between its fields; the focus chain is what Tab is for.
bool BirthPicker::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

void BirthPicker::keyPressEvent(QKeyEvent* event) {
    // Shift pressed on its own on the way to ":" is no key of the date.
    if (IsModifierKey(event->key())) {
        QDateTimeEdit::keyPressEvent(event);
        return;
    }
    const bool movedOn = std::exchange(movedOnByTyping_, false);
    if (IsFieldSeparator(*event)) {
        if (!movedOn) moveToNextField();
        event->accept();
        return;
    }
    const bool sideways = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (sideways && event->modifiers() == Qt::NoModifier) {
        const int field = currentSectionIndex() + (event->key() == Qt::Key_Right ? 1 : -1);
        if (field >= 0 && field < sectionCount()) selectField(field);
        event->accept();
        return;
    }
    const int field = currentSectionIndex();
    QDateTimeEdit::keyPressEvent(event);
    const bool digit = !event->text().isEmpty() && event->text().front().isDigit();
    if (!digit) return;
    // The picker moves on by itself only from a field that makes a real date; a day
    // that waits for its year moves on here.
    if (currentSectionIndex() == field && fieldIsFull(field)) selectField(field + 1);
    movedOnByTyping_ = currentSectionIndex() != field;
}

// A field left with fewer digits than it shows ("3" of 03) is complete as it stands.
void BirthPicker::moveToNextField() {
    const int field = currentSectionIndex();
    if (field + 1 >= sectionCount()) {
        padField(field);
    } else if (fieldSpan(field).first < 0) {
        setCurrentSectionIndex(field + 1);
    } else {
        padField(field);
        selectField(field + 1);
    }
}

// A field emptied with Backspace has no digits; the runs then no longer tell the fields.
std::pair<int, int> BirthPicker::fieldSpan(int index) const {
    const auto runs = DigitRuns(lineEdit()->text());
    const bool known = runs.size() == sectionCount() && index >= 0 && index < runs.size();
    return known ? runs[index] : std::pair<int, int>{-1, 0};
}

// How many digits a field shows when complete: 4 for the year, else 2.
int BirthPicker::fieldWidth(int index) const {
    return sectionAt(index) == YearSection ? 4 : 2;
}

bool BirthPicker::fieldIsFull(int index) const {
    const auto [start, length] = fieldSpan(index);
    return start >= 0 && length >= fieldWidth(index) &&
           lineEdit()->cursorPosition() == start + length && !lineEdit()->hasSelectedText();
}

void BirthPicker::padField(int index) {
    const auto [start, length] = fieldSpan(index);
    const int width = fieldWidth(index);
    if (start < 0 || length >= width) return;
    const QString digits = lineEdit()->text().mid(start, length);
    lineEdit()->setSelection(start + length, -length);
    lineEdit()->insert(QString(width - length, QLatin1Char('0')) + digits);
}

// Selects the whole field, so that typing replaces it, as Tab into the picker does. The
// cursor moves with the selection made, so the picker does not read a date still being
// typed (02/29 waiting for its year) as finished and put back the last real one.
void BirthPicker::selectField(int index) {
    const auto [start, length] = fieldSpan(index);
    if (start < 0) return;
    lineEdit()->setSelection(start + length, -length);
}
