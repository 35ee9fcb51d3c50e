#include "ui/editor/BirthPicker.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

#include "age/DateValue.h"

namespace {

// True when the month and day typed so far can be no date: a day beyond the month's
// length, in the year typed when it is complete, else in any year (so 02/29 waits for
// the year). Texts still being typed are left to the picker's own checks.
bool IsImpossibleDate(const QString& text) {
    static const QRegularExpression datePart(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{0,4})"));
    const QRegularExpressionMatch m = datePart.match(text);
    if (!m.hasMatch()) return false;
    const int month = m.captured(1).toInt();
    const int day = m.captured(2).toInt();
    const QString year = m.captured(3);
    if (month < 1 || month > 12 || day < 1) return false;
    const int longest = year.size() == 4 ? modAgeCalc::DaysInMonthOf(year.toInt(), month)
                                         : modAgeCalc::DaysInMonthOf(2000, month);
    return day > longest;
}

}  // namespace

BirthPicker::BirthPicker(QWidget* parent) : QDateTimeEdit(parent) {}

QValidator::State BirthPicker::validate(QString& input, int& pos) const {
    if (IsImpossibleDate(input)) return QValidator::Invalid;
    return QDateTimeEdit::validate(input, pos);
}

// The spin box would move between its fields; the focus chain is what Tab is for.
bool BirthPicker::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

void BirthPicker::keyPressEvent(QKeyEvent* event) {
    const bool sideways = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (!sideways || event->modifiers() != Qt::NoModifier) {
        QDateTimeEdit::keyPressEvent(event);
        return;
    }
    const int step = event->key() == Qt::Key_Right ? 1 : -1;
    const int field = currentSectionIndex() + step;
    if (field >= 0 && field < sectionCount()) selectField(field);
    event->accept();
}

// Selects the whole field, so that typing replaces it, as Tab into the picker does.
void BirthPicker::selectField(int index) {
    setCurrentSectionIndex(index);
    const int start = lineEdit()->cursorPosition();
    lineEdit()->setSelection(start, sectionText(sectionAt(index)).size());
}
