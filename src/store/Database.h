#pragma once

#include <string>

// Where the person database lives. The main window sets the folder once at start-up;
// every store access reads it when it opens the file.
namespace modAgeCalc {

inline constexpr const char* kDatabaseFileName = "Marrowtide.mdb";

// Kept exactly as given, so callers decide about the trailing separator.
void SetDatabaseFolder(const std::string& folder);
const std::string& DatabaseFolder();

// The folder with exactly one trailing separator: the platform's preferred one is
// appended unless the text already ends in it or in '/'. The empty text stays empty
// (meaning the current folder): appending a separator would turn it into the root.
std::string WithTrailingSeparator(const std::string& folder);

// The file's name inside the folder: Marrowtide.mdb unless the program was pointed at
// another file. The empty text restores Marrowtide.mdb.
void SetDatabaseFileName(const std::string& name);
const std::string& DatabaseFileName();

// DatabaseFolder() followed directly by the file name.
std::string DatabasePath();

}  // namespace modAgeCalc
