// The reminder on a real session bus (the tests run under dbus-run-session) with a
// recording notification service in a process of its own. "Today" is Monday,
// 12/07/2026.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <sstream>

#include "FixedClock.h"
#include "TestDatabase.h"
#include "cli/Cli.h"
#include "cli/Remind.h"
#include "platform/Clock.h"
#include "platform/Settings.h"
#include "platform/qt/QtSettings.h"

namespace remindtest {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");

bool ServiceOnBus() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(kService).value();
}

class RemindTest : public testing::Test {
protected:
    RemindTest()
        : settings_(QString::fromStdString((db_.dir().path() / "settings.ini").string())),
          previousSettings_(platform::SetSettings(&settings_)),
          previousClock_(platform::SetClock(&clock_)),
          notifier_(platform::NewDesktopNotifier()) {
        db_.insert("Cleo Park", "1991-12-11 00:00:00", ".");
        db_.insert("Ann Smith", "1980-12-07 06:00:00", ".");
        db_.insert("Dan Far", "1990-12-15 00:00:00", ".");  // in 8 days
        db_.insert("Bob Lee", "1996-12-08 00:00:00", ".");
        db_.insert("Eve Past", "1990-12-06 00:00:00", ".");  // yesterday
    }
    ~RemindTest() override {
        if (service_.state() != QProcess::NotRunning) {
            service_.kill();
            service_.waitForFinished();
        }
        platform::SetClock(previousClock_);
        platform::SetSettings(previousSettings_);
    }

    // Starts the recording service; `answer` and `markup` as the recorder takes them.
    void startService(const QString& answer = QStringLiteral("close"), bool markup = false) {
        QStringList args{records(), answer};
        if (markup) args << QStringLiteral("markup");
        service_.start(QStringLiteral(NOTIFICATION_RECORDER), args);
        for (int i = 0; i < 250 && !ServiceOnBus(); ++i) QThread::msleep(20);
        ASSERT_TRUE(ServiceOnBus());
    }

    int remind(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"--database", db_.path(), "remind"};
        args.insert(args.end(), extra.begin(), extra.end());
        out_.str({});
        err_.str({});
        cli::RemindDesktop desktop{*notifier_,
                                   [this](const std::vector<std::string>& arguments) {
                                       started_.push_back(arguments);
                                       return true;
                                   },
                                   std::chrono::seconds(5)};
        return cli::RunCli(args, out_, err_, &desktop);
    }

    QString records() const {
        return QString::fromStdString((db_.dir().path() / "notifications.jsonl").string());
    }

    std::vector<QJsonObject> received() const {
        std::vector<QJsonObject> found;
        QFile file(records());
        if (!file.open(QIODevice::ReadOnly)) return found;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.isEmpty()) found.push_back(QJsonDocument::fromJson(line).object());
        return found;
    }

    testsupport::TestDatabase db_;
    platform::QtSettings settings_;
    platform::Settings* previousSettings_;
    testsupport::FixedClock clock_{{2026, 12, 7, 9, 0, 0}};
    const platform::Clock* previousClock_;
    std::unique_ptr<platform::Notifier> notifier_;
    QProcess service_;
    std::ostringstream out_, err_;
    std::vector<std::vector<std::string>> started_;
};

TEST_F(RemindTest, SendsTheWeeksBirthdaysSoonestFirstWithIconActionAndEntry) {
    startService();
    EXPECT_EQ(remind(), 0) << err_.str();
    const auto notifications = received();
    ASSERT_EQ(notifications.size(), 1u);
    const QJsonObject& n = notifications.front();
    EXPECT_EQ(n["application"].toString(), "Marrowtide");
    EXPECT_EQ(n["summary"].toString(), "Birthdays");
    EXPECT_EQ(n["body"].toString(),
              "Ann Smith turns 46 today\nBob Lee turns 30 tomorrow\nCleo Park turns 35 in 4 days");
    EXPECT_EQ(n["icon"].toString(), "io.github.marrowtide.Marrowtide");
    EXPECT_EQ(n["actions"].toArray(), (QJsonArray{"default", "Show Upcoming Birthdays"}));
    EXPECT_EQ(n["hints"].toObject(),
              (QJsonObject{{"desktop-entry", "io.github.marrowtide.Marrowtide"}}));
    EXPECT_EQ(n["replaces"].toInt(), 0);
    EXPECT_EQ(n["timeout"].toInt(), -1);
    EXPECT_EQ(out_.str(), "");
    EXPECT_TRUE(started_.empty());  // dismissed, not clicked
}

TEST_F(RemindTest, NotifiesOnceADayUnlessAskedAgain) {
    startService();
    const struct {
        int day;
        std::vector<std::string> extra;
        std::size_t total;  // notifications received so far
    } runs[] = {{7, {}, 1}, {7, {}, 1}, {7, {"--again"}, 2}, {7, {}, 2}, {8, {}, 3}, {8, {}, 3}};
    for (const auto& run : runs) {
        clock_.set({2026, 12, run.day, 9, 0, 0});
        EXPECT_EQ(remind(run.extra), 0);
        EXPECT_EQ(received().size(), run.total) << "day " << run.day;
    }
    EXPECT_TRUE(received().back()["body"].toString().startsWith("Bob Lee turns 30 today\n"));
}

TEST_F(RemindTest, WithoutAServicePrintsTheLinesAndExitsFour) {
    ASSERT_FALSE(ServiceOnBus());
    EXPECT_EQ(remind(), 4);
    EXPECT_EQ(
        out_.str(),
        "Ann Smith turns 46 today\nBob Lee turns 30 tomorrow\nCleo Park turns 35 in 4 days\n");
    // Nothing was shown, so the next run tries again.
    startService();
    EXPECT_EQ(remind(), 0);
    EXPECT_EQ(received().size(), 1u);
}

TEST_F(RemindTest, NobodyInRangeSendsNothing) {
    startService();
    clock_.set({2026, 12, 16, 9, 0, 0});
    EXPECT_EQ(remind(), 0);
    EXPECT_TRUE(received().empty());
    EXPECT_EQ(out_.str(), "");
}

TEST_F(RemindTest, AnUnreadableDatabaseExitsThree) {
    startService();
    testsupport::WriteFile(db_.path(), "not a database at all");
    EXPECT_EQ(remind(), 3);
    EXPECT_NE(err_.str().find("is not a Marrowtide database"), std::string::npos) << err_.str();
    EXPECT_TRUE(received().empty());
}

TEST_F(RemindTest, ClickingOpensTheUpcomingWindowOnTheSameDatabase) {
    startService(QStringLiteral("click"));
    EXPECT_EQ(remind(), 0);
    ASSERT_EQ(started_.size(), 1u);
    EXPECT_EQ(started_.front(), (std::vector<std::string>{"--upcoming", "--database", db_.path()}));
}

// The timer and a run by hand at the same moment: one notification between them.
TEST_F(RemindTest, RunsAtTheSameMomentNotifyOnce) {
    startService();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString home = QString::fromStdString(db_.dir().path().string());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < 4; ++i) {
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->setProcessEnvironment(environment);
        runs.back()->start(QStringLiteral(MARROWTIDE_CLI),
                           {"--database", QString::fromStdString(db_.path()), "remind"});
    }
    for (const auto& run : runs) {
        ASSERT_TRUE(run->waitForFinished(60000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardError().toStdString();
    }
    EXPECT_EQ(received().size(), 1u);
}

// A service that reads markup would take "&" and "<" for markup.
TEST_F(RemindTest, NamesAreEscapedForAServiceThatReadsMarkup) {
    db_.exec("DELETE FROM tblAges");
    db_.insert("Tom & Jerry <3", "2000-12-07 00:00:00", ".");
    for (const bool markup : {false, true}) {
        startService(QStringLiteral("close"), markup);
        EXPECT_EQ(remind({"--again"}), 0);
        service_.kill();
        service_.waitForFinished();
        for (int i = 0; i < 250 && ServiceOnBus(); ++i) QThread::msleep(20);
    }
    const auto notifications = received();
    ASSERT_EQ(notifications.size(), 2u);
    EXPECT_EQ(notifications[0]["body"].toString(), "Tom & Jerry <3 turns 26 today");
    EXPECT_EQ(notifications[1]["body"].toString(), "Tom &amp; Jerry &lt;3 turns 26 today");
}

TEST(ReminderLines, ShowFivePeopleThenHowManyMoreEachOnOneLine) {
    std::vector<store::Person> people(8);
    std::vector<cli::Upcoming> birthdays;
    for (std::size_t i = 0; i < people.size(); ++i) {
        people[i].name = "P" + std::to_string(i);
        birthdays.push_back({{100 + static_cast<std::int32_t>(i), 0, 30}, &people[i]});
    }
    people[0].name = "Line\nbreak\tand\rtab";
    const struct {
        std::size_t count;
        std::vector<std::string> lines;
    } table[] = {
        {1, {"Line break and tab turns 30 today"}},
        {5,
         {"Line break and tab turns 30 today", "P1 turns 30 tomorrow", "P2 turns 30 in 2 days",
          "P3 turns 30 in 3 days", "P4 turns 30 in 4 days"}},
        {6,
         {"Line break and tab turns 30 today", "P1 turns 30 tomorrow", "P2 turns 30 in 2 days",
          "P3 turns 30 in 3 days", "P4 turns 30 in 4 days", "and 1 more"}},
        {8,
         {"Line break and tab turns 30 today", "P1 turns 30 tomorrow", "P2 turns 30 in 2 days",
          "P3 turns 30 in 3 days", "P4 turns 30 in 4 days", "and 3 more"}},
    };
    for (const auto& row : table) {
        const std::vector<cli::Upcoming> some(birthdays.begin(), birthdays.begin() + row.count);
        EXPECT_EQ(cli::ReminderLines(some, 100), row.lines) << row.count;
    }
}

// Without a birth year there is no age to turn: the line says "birthday".
TEST(ReminderLines, SayBirthdayWhereTheAgeIsUnknown) {
    std::vector<store::Person> people(2);
    people[0].name = "Ann";
    people[1].name = "Bea";
    const std::vector<cli::Upcoming> birthdays = {{{100, 0, 0}, &people[0]},
                                                  {{102, 2, 41}, &people[1]}};
    EXPECT_EQ(cli::ReminderLines(birthdays, 100),
              (std::vector<std::string>{"Ann birthday today", "Bea turns 41 in 2 days"}));
}

// Stored names another tool wrote: the lines stay plain, valid, short text, also on a
// terminal when they are printed instead.
TEST(ReminderLines, ShowAnyStoredNameAsOneShortLineOfPlainText) {
    const std::string hundred(100, 'x');
    const struct {
        std::string name;
        std::string shown;
    } table[] = {
        {"\x1b[31mRed\x07 Bell", " [31mRed  Bell"},
        {"Bad\xC3"
         "(byte",
         "Bad\xEF\xBF\xBD(byte"},
        {"\xC2\x9B"
         "2J",
         " 2J"},  // the one-byte escape of the C1 set
        {hundred, hundred},
        {hundred + "y", hundred + "\xE2\x80\xA6"},
        {std::string(99, 'x') + "\xF0\x9F\x8E\x82", std::string(99, 'x') + "\xE2\x80\xA6"},
        {std::string(1000000, 'x'), hundred + "\xE2\x80\xA6"},
    };
    for (const auto& row : table) {
        store::Person person;
        person.name = row.name;
        const std::vector<cli::Upcoming> one{{{100, 0, 30}, &person}};
        EXPECT_EQ(cli::ReminderLines(one, 100),
                  std::vector<std::string>{row.shown + " turns 30 today"})
            << row.name.substr(0, 120);
    }
}

}  // namespace

}  // namespace remindtest

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
