#pragma once

class QMainWindow;

// Adds "About Marrowtide..." at the end of the window's View menu (the menu named
// MenuView); it shows the version, the open database's path and the licence.
void AddAboutEntry(QMainWindow& window);
