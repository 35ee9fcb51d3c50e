#pragma once

#include <QString>

#include "platform/FileDialog.h"

namespace platform {

// The desktop's file dialog over the active window. It opens in the folder last used
// (at first the user's home folder).
class QtFileDialog final : public FileDialog {
public:
    FileChoice choose(Mode mode, const std::string& title,
                      const std::vector<std::string>& filters) override;

private:
    QString folder_;
};

}  // namespace platform
