#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace platform {

// Keeps the keys pressed in a tool window (a small window owned by a main window) to
// that window. The toolkit lets the owner's window shortcuts (F2, Del, Esc as its
// cancel key...) fire while one of its tool windows is active; with this in place a
// key pressed there runs only the tool window's own shortcuts, and Esc closes the tool
// window. Create one per tool window; the window owns it.
class ToolWindowKeys final : public QObject {
public:
    explicit ToolWindowKeys(QWidget& toolWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inToolWindow(QObject* watched) const;
    bool isOwnShortcut(const QKeyEvent& key) const;

    QWidget& window_;
};

}  // namespace platform
