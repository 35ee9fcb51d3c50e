#include "platform/FileDialog.h"

namespace platform {

namespace {
FileDialog* g_fileDialog = nullptr;
}  // namespace

FileChoice ChooseFile(FileDialog::Mode mode, const std::string& title,
                      const std::vector<std::string>& filters) {
    if (!g_fileDialog) return {};
    return g_fileDialog->choose(mode, title, filters);
}

FileDialog* SetFileDialog(FileDialog* dialog) {
    FileDialog* old = g_fileDialog;
    g_fileDialog = dialog;
    return old;
}

}  // namespace platform
