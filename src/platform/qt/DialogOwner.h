#pragma once

class QWidget;

namespace platform {

// The window a dialog or message box belongs to and opens over: the modal dialog in
// front (the person editor), else the active window, else the program's main window.
// Right after a menu closes or a dialog ends no window is active yet, and a popup menu
// or a window on its way out is no owner; the main window is then the right one.
QWidget* DialogOwner();

// The program's main window, the owner when no other window is; nullptr forgets it.
void SetMainWindow(QWidget* window);

}  // namespace platform
