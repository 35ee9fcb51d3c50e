#pragma once

#include <QObject>

class QAbstractButton;

namespace platform {

// Makes Enter (Return or the keypad's Enter) on a focused button press it, as Space
// does. Push buttons in dialogs do that by themselves; tool buttons, as the main
// window's command buttons are, do not. The button owns it.
class EnterClicksButton final : public QObject {
public:
    explicit EnterClicksButton(QAbstractButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton& button_;
};

}  // namespace platform
