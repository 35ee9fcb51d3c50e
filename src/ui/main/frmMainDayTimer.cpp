// The main window's watch on the date, so that the ages stay right past midnight.
#include <QTimer>
#include <algorithm>

#include "age/AgeCalc.h"
#include "platform/Clock.h"
#include "ui/main/frmMain.h"

// Wakes at the next midnight by the clock, but at least once a minute, so that a clock
// set forward or a machine waking from sleep is noticed soon.
void frmMain::armDayTimer() {
    const platform::DateParts now = platform::Now();
    const int secondsLeft = 24 * 3600 - (now.hour * 3600 + now.minute * 60 + now.second);
    dayTimer_->start(std::clamp(secondsLeft * 1000 + 500, 500, 60 * 1000));
}

// A new day reloads the list (ages, age groups) and with it the upcoming birthdays.
// While the editor is open or a load runs, the next round tries again.
void frmMain::onDayTimer() {
    if (modAgeCalc::TodaySerial() != loadedDay_ && acceptsCommands()) LoadLvw(QString());
    armDayTimer();
}
