#pragma once

#include <QDateTimeEdit>

// The editor's date-and-time picker. It behaves like a date picker of the desktop
// rather than a spin box: Tab and Shift+Tab move on to the next or previous control,
// Left and Right move between its fields, and a date that does not exist (02/30,
// 04/31, 02/29 of a common year) is refused as it is typed, so that what it shows is
// always a real date, the one that will be saved.
class BirthPicker final : public QDateTimeEdit {
    Q_OBJECT

public:
    explicit BirthPicker(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void selectField(int index);
};
