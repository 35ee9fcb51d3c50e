#include "cli/Remind.h"

#include <QString>
#include <algorithm>

#include "age/AgeCalc.h"
#include "age/DateValue.h"
#include "cli/ExitStatus.h"
#include "cli/ReminderDay.h"
#include "transfer/Exporter.h"

namespace cli {

namespace {

constexpr qsizetype kLongestName = 100;

platform::Notification ReminderNotification(std::vector<std::string> lines) {
    platform::Notification notification;
    notification.application = "Marrowtide";
    notification.summary = "Birthdays";
    notification.lines = std::move(lines);
    notification.icon = "io.github.marrowtide.Marrowtide";
    notification.desktopEntry = "io.github.marrowtide.Marrowtide";
    notification.actionLabel = "Show Upcoming Birthdays";
    return notification;
}

// The window opens the database the reminder read: the one named, else the same
// usual one.
std::vector<std::string> WindowArguments(const Invocation& invocation) {
    std::vector<std::string> arguments{"--upcoming"};
    if (invocation.database) {
        arguments.push_back("--database");
        arguments.push_back(*invocation.database);
    }
    return arguments;
}

// A name is one short line of plain text wherever it goes, a terminal included:
// bytes that are not UTF-8 show as U+FFFD, control characters (a line break, an
// escape sequence) as spaces, and a name longer than a line ends in an ellipsis.
std::string OneLine(const std::string& name) {
    QString text = QString::fromUtf8(name);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
    if (text.size() > kLongestName) {
        qsizetype cut = kLongestName;
        if (text[cut - 1].isHighSurrogate()) --cut;
        text = text.left(cut) + QChar(0x2026);
    }
    return text.toStdString();
}

// Only the few people with a birthday in the span need sorting by name, which orders
// a day's people.
std::vector<store::Person> SortedWithBirthdayBy(std::vector<store::Person> people,
                                                std::int32_t today, std::int32_t last) {
    modAgeCalc::NextBirthdayInfo next;
    std::erase_if(people, [&](const store::Person& person) {
        return !NextBirthdayOf(person, today, next) || next.date > last;
    });
    transfer::SortByName(people);
    return people;
}

// The check: notifies unless it did today already; `shown` tells whether it did now.
int NotifyOnce(const store::PersonRepository& repository, const std::string& database,
               const Invocation& invocation, Streams streams, platform::Notifier& notifier,
               bool& shown) {
    const std::int32_t today = modAgeCalc::TodaySerial();
    ReminderLock lock(database);
    // Another run still checking after the longest wait is notifying for both.
    if (!lock.take() && !invocation.again) return kSuccess;
    if (!invocation.again && RemindedOn(database, today)) return kSuccess;
    std::vector<store::Person> people;
    int status = kSuccess;
    if (!ReadPeople(repository, people, streams, status)) return status;
    const std::int32_t last = static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{today} + invocation.days, modAgeCalc::kMaxSerial));
    const std::vector<store::Person> near = SortedWithBirthdayBy(std::move(people), today, last);
    const std::vector<Upcoming> birthdays = BirthdaysBetween(near, today, last);
    if (birthdays.empty()) return kSuccess;

    const std::vector<std::string> lines = ReminderLines(birthdays, today);
    if (!notifier.Show(ReminderNotification(lines))) {
        for (const std::string& line : lines) streams.out << line << '\n';
        return kNoNotifier;
    }
    shown = true;
    if (!RememberReminded(database, today))
        streams.err << kProgram
                    << ": the settings could not keep today's date; the next check today "
                       "notifies again.\n";
    return kSuccess;
}

}  // namespace

std::vector<std::string> ReminderLines(const std::vector<Upcoming>& birthdays, std::int32_t today) {
    std::vector<std::string> lines;
    const std::size_t shown = std::min(birthdays.size(), kMostReminderLines);
    for (std::size_t i = 0; i < shown; ++i) {
        const Upcoming& u = birthdays[i];
        lines.push_back(OneLine(u.person->name) + ' ' + TurnsText(u.birthday) + ' ' +
                        WhenText(u.birthday.date - today));
    }
    if (birthdays.size() > shown)
        lines.push_back("and " + std::to_string(birthdays.size() - shown) + " more");
    return lines;
}

int RunRemind(const store::PersonRepository& repository, const std::string& database,
              const Invocation& invocation, Streams streams, RemindDesktop& desktop) {
    bool shown = false;
    const int status =
        NotifyOnce(repository, database, invocation, streams, desktop.notifier, shown);
    if (shown &&
        desktop.notifier.WaitForAnswer(desktop.waitLimit) ==
            platform::NotificationAnswer::Clicked &&
        !desktop.startWindow(WindowArguments(invocation)))
        streams.err << kProgram << ": Marrowtide could not be started.\n";
    return status;
}

}  // namespace cli
