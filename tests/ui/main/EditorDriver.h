#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "ui/editor/frmAEP.h"

namespace maintest {

// Plays the user of the modal person editor: once a command has shown it, the driver
// runs `action` on it from inside the editor's own event loop. An editor still open
// after the action, or any further editor, is closed at once without storing, so a
// failing test cannot hang in a modal loop. Only editors other than `ignored` count.
class EditorDriver final : public QObject {
public:
    explicit EditorDriver(std::function<void(frmAEP&)> action = {},
                          const frmAEP* ignored = nullptr);

    // Editors seen, and those the driver had to close itself.
    int shown() const { return static_cast<int>(seen_.size()); }
    int closedByDriver() const { return closedByDriver_; }

private:
    void tick();

    std::function<void(frmAEP&)> action_;
    const frmAEP* ignored_;
    QTimer timer_;
    std::vector<QPointer<frmAEP>> seen_;
    int closedByDriver_ = 0;
};

}  // namespace maintest
