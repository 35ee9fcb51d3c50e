#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// The bar under the person list that filters it as the user types, showing "N of M".
// Esc clears and hides it (and never reaches the window's Exit); Enter asks for the
// match to be opened.
class FindBar final : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent = nullptr);

    QLineEdit* edit() const { return edit_; }
    void showCount(int shown, int total);
    // Shows the bar and puts the cursor in it.
    void open();
    // Clears and hides the bar.
    void dismiss();

signals:
    void textChanged(const QString& text);
    void matchRequested();
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    QLabel* count_;
};
