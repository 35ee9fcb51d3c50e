#pragma once

class QAction;
class QMenu;

// View > "Remind When Closed": turns the desktop's daily birthday reminder on and off
// for the user. The choice is kept in the settings store; where the desktop cannot run
// the reminder, a message says so and the entry stays unchecked.
QAction* AddRemindWhenClosedEntry(QMenu* view);
