#pragma once

#include <QDateTimeEdit>
#include <utility>

// The editor's date-and-time picker. It behaves like a date picker of the desktop
// rather than a spin box: Tab and Shift+Tab move on to the next or previous control,
// Left and Right move between its fields, and "/", ":" and space move to its next
// field, so that a date can be typed as it is shown ("3/15/1999 10:20:30") as well
// as digits only ("03151999102030").
//
// A date is typed in the order it is shown, month, day, year: while the month or the
// day is typed, the rest of the date may still change, so the day only has to exist
// in that month in some year (02/29 waits for its year). Typing the year completes the
// date, and a year that makes it impossible (02/29/2023) is refused. A date left
// unfinished or impossible when the focus leaves goes back to the last real date, so
// what the picker shows then is always a real date, the one that will be saved.
class BirthPicker final : public QDateTimeEdit {
    Q_OBJECT

public:
    explicit BirthPicker(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The picker's fields are the runs of digits of its text: the display format is all numbers.
    std::pair<int, int> fieldSpan(int index) const;  // start and length; -1 when there is none
    int fieldWidth(int index) const;
    bool fieldIsFull(int index) const;
    void selectField(int index);
    void moveToNextField();
    void padField(int index);

    // The last digit filled its field and the picker moved on by itself: a separator
    // typed next only confirms that move.
    bool movedOnByTyping_ = false;
};
