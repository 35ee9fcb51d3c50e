#pragma once

#include <QtGlobal>

// The window's Import and Export commands: a file dialog, the shared import and export
// rules on the program's database, and the outcome in a message box.
namespace fileexchange {

inline constexpr const char* kImportTitle = QT_TRANSLATE_NOOP("fileexchange", "Import");
inline constexpr const char* kExportTitle = QT_TRANSLATE_NOOP("fileexchange", "Export");
// How many skipped records the import's message lists by name.
inline constexpr int kSkippedShown = 20;

// Asks for a CSV or vCard file and imports it. True when an import ran (whatever its
// outcome), so the caller reloads the list; false when the user cancelled.
bool ImportFromFile();

// Asks for a file to write and exports every person to it in the format its extension,
// or else the chosen filter, names.
void ExportToFile();

}  // namespace fileexchange
