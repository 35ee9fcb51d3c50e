#pragma once

#include <string>
#include <vector>

namespace platform {

// A file the user chose, and the filter it was chosen under (its index in the list
// given). An empty path means the user cancelled.
struct FileChoice {
    std::string path;  // UTF-8
    int filter = 0;
};

// Asks the user for a file to open or to save. The program shows the desktop's file
// dialog; tests answer from a script.
class FileDialog {
public:
    enum class Mode { Open, Save };

    virtual ~FileDialog() = default;
    // `filters` read like "CSV files (*.csv)". A dialog for saving asks before it
    // lets the user choose a file that exists.
    virtual FileChoice choose(Mode mode, const std::string& title,
                              const std::vector<std::string>& filters) = 0;
};

// Asks through the installed dialog; without one every question is cancelled.
FileChoice ChooseFile(FileDialog::Mode mode, const std::string& title,
                      const std::vector<std::string>& filters);

// Installs the dialog used from now on; nullptr removes it. Returns the one installed before.
FileDialog* SetFileDialog(FileDialog* dialog);

}  // namespace platform
