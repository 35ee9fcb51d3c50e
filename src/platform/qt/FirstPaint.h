#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace platform {

// Runs `work` once, from the event loop, after `widget` has first been painted: for
// what start-up can leave until the window is on the screen. Owned by the widget.
class FirstPaint final : public QObject {
    Q_OBJECT

public:
    static void Then(QWidget& widget, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstPaint(QWidget& widget, std::function<void()> work);

    std::function<void()> work_;
};

}  // namespace platform
