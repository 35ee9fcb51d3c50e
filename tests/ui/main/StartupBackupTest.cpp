// The day's backup as the window makes it: after the window is shown, on a thread of
// its own, stopped when the program quits, a failure told once a day.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <filesystem>
#include <semaphore>
#include <thread>

#include "MainWindowFixture.h"
#include "app/StartupBackup.h"
#include "platform/Settings.h"
#include "platform/qt/FirstPaint.h"
#include "platform/qt/QtSettings.h"

namespace maintest {

namespace {

namespace fs = std::filesystem;
using store::BackupResult;

class StartupBackupTest : public MainWindowFixture {
protected:
    StartupBackupTest() : previousSettings_(platform::SetSettings(&settings_)) {}
    ~StartupBackupTest() override { platform::SetSettings(previousSettings_); }

    fs::path folder() const { return db_.dir().path() / "backups"; }
    fs::path todaysCopy() const { return folder() / "Marrowtide-2024-05-20.mdb"; }
    QString path() const { return QString::fromStdString(db_.path()); }

    // Runs the event loop as the program does, letting it fall idle, until `done`.
    static bool SpinUntil(const std::function<bool()>& done) {
        QTimer tick;  // wakes the loop to look again
        tick.start(10);
        const QDeadlineTimer deadline(10000);
        bool finished = done();
        while (!finished && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            finished = done();
        }
        return finished;
    }

    static bool Finished(const app::StartupBackup& backup) {
        return SpinUntil([&] { return backup.result().has_value(); });
    }

    platform::QtSettings settings_{
        QString::fromStdString((db_.dir().path() / "settings.ini").string())};
    platform::Settings* previousSettings_;
};

TEST_F(StartupBackupTest, TheWindowIsShownAndTakesEventsWhileTheCopyIsMade) {
    db_.add("Ann", "1980-03-15 00:00:00", ".");
    auto window = open();
    app::StartupBackup backup(path());
    backup.setPagesPerStep(1);
    std::binary_semaphore inCopy{0}, goOn{0};
    std::thread::id copier;
    backup.setAfterStep([&, first = true]() mutable {
        copier = std::this_thread::get_id();
        if (!first) return;
        first = false;
        inCopy.release();
        goOn.acquire();
    });
    // As the program does it: once the window is painted, and a while later.
    platform::FirstPaint::Then(*window, [&] { backup.startAfter(std::chrono::milliseconds(20)); });
    QCoreApplication::processEvents();
    EXPECT_FALSE(fs::exists(folder()));  // nothing before the window stands

    show(*window);
    const bool copying = SpinUntil([&] { return inCopy.try_acquire(); });
    EXPECT_TRUE(copying);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(column(*window, 0), std::vector<QString>{"Ann"});
    QCoreApplication::processEvents();
    EXPECT_FALSE(fs::exists(todaysCopy()));
    goOn.release();

    ASSERT_TRUE(Finished(backup));
    EXPECT_EQ(*backup.result(), BackupResult::Made);
    EXPECT_NE(copier, std::this_thread::get_id());
    EXPECT_TRUE(fs::is_regular_file(todaysCopy()));
    EXPECT_EQ(box_.count(), 0u);
}

TEST_F(StartupBackupTest, QuittingDuringTheCopyLeavesNoPartialFile) {
    const std::string before = testsupport::FileBytes(db_.path());
    auto backup = std::make_unique<app::StartupBackup>(path());
    app::StartupBackup* running = backup.get();
    backup->setPagesPerStep(1);
    std::binary_semaphore inCopy{0};
    backup->setAfterStep([&, first = true]() mutable {
        if (first) inCopy.release();
        first = false;
        while (!running->stopRequested()) std::this_thread::yield();
    });
    backup->start();
    inCopy.acquire();
    backup.reset();  // what quitting does

    EXPECT_TRUE(fs::is_directory(folder()) && fs::is_empty(folder()));
    EXPECT_EQ(testsupport::FileBytes(db_.path()), before);
}

// The window tells of a missing copy once a day, with the reason and the folder; standard
// error says so at every start.
TEST_F(StartupBackupTest, AMissingCopyIsToldOnceADay) {
    testsupport::WriteFile(folder().string(), "in the way");
    const struct {
        platform::DateParts now;
        std::size_t boxes;
    } table[] = {
        {{2024, 5, 20, 9, 30, 0}, 1},
        {{2024, 5, 20, 17, 0, 0}, 1},
        {{2024, 5, 21, 8, 0, 0}, 2},
    };
    for (const auto& row : table) {
        clock_.set(row.now);
        app::StartupBackup backup(path());
        testing::internal::CaptureStderr();
        backup.start();
        const bool finished = Finished(backup);
        const std::string err = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(finished);
        EXPECT_EQ(*backup.result(), BackupResult::Failed);
        EXPECT_NE(err.find("marrowtide: no backup made today: cannot make the folder"),
                  std::string::npos)
            << err;
        EXPECT_EQ(box_.count(), row.boxes) << row.now.day << " " << row.now.hour;
    }
    const std::string& text = box_.asked().front().text;
    EXPECT_NE(text.find("cannot make the folder"), std::string::npos) << text;
    EXPECT_NE(text.find(folder().string() + "."), std::string::npos) << text;
    EXPECT_EQ(platform::IconOf(box_.asked().front().style), platform::Icon::Exclamation);
}

}  // namespace

}  // namespace maintest
