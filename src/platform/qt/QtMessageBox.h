#pragma once

#include "platform/MessageBox.h"

namespace platform {

// The program's message box: a QMessageBox over the active window with the buttons,
// icon and default button that the style value asks for.
class QtMessageBox final : public MessageBox {
public:
    MsgAnswer show(const std::string& text, int style, const std::string& title) override;
};

}  // namespace platform
