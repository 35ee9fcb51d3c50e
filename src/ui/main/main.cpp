// Marrowtide: a list of people with their birth dates and their ages today.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "app/About.h"
#include "app/CommandLine.h"
#include "app/DataLocation.h"
#include "app/StartupBackup.h"
#include "platform/EventPump.h"
#include "platform/FileDialog.h"
#include "platform/MemoryReuse.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Settings.h"
#include "platform/Translate.h"
#include "platform/qt/DialogOwner.h"
#include "platform/qt/FirstPaint.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSettings.h"
#include "resources/Artwork.h"
#include "store/Database.h"
#include "ui/main/AboutEntry.h"
#include "ui/main/WindowPlacement.h"
#include "ui/main/frmMain.h"

namespace {

constexpr int kNoDatabase = 1;

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    if (!text.endsWith(QLatin1Char('\n'))) std::fputc('\n', stream);
}

// Help and version go to standard output and end the program successfully.
int Finish(const app::CommandLine& commandLine) {
    if (commandLine.action == app::CommandLine::Action::Error) {
        Print(stderr, QStringLiteral("marrowtide: ") + commandLine.text);
        return app::kUsageExitStatus;
    }
    Print(stdout, commandLine.text);
    return 0;
}

// The day's copy waits until the start-up is over, so that it does not compete with it
// for the processor; a window that is not painted at once (started minimised) holds it
// back no longer than the second delay.
constexpr std::chrono::milliseconds kBackupAfterStartUp{500};
constexpr std::chrono::milliseconds kBackupAtTheLatest{3000};

// For measuring the start-up (bench/): with MARROWTIDE_QUIT_WHEN_IDLE in the environment
// the program ends once its event loop has first run out of work after the window was
// painted with the list loaded and the start-up reminder had its turn; set to "backup",
// it starts the day's copy then and ends once the copy is reported. Nothing a user
// starts sets it.
void QuitWhenIdleIfAsked(QApplication& app, app::StartupBackup& backup) {
    if (!qEnvironmentVariableIsSet("MARROWTIDE_QUIT_WHEN_IDLE")) return;
    if (qgetenv("MARROWTIDE_QUIT_WHEN_IDLE") == "backup") {
        backup.setOnReported([&app] { app.quit(); });
        backup.start();
        return;
    }
    QTimer::singleShot(0, &app, [&app] {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        app.quit();
    });
}

// Texts of the libraries without Qt go through Qt's translation like every other text.
std::string TranslateWithQt(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

// The arguments as QCoreApplication::arguments() would give them, read before there is one.
QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    platform::PrepareMemoryForLargeLists();
    QCoreApplication::setApplicationName(QStringLiteral("Marrowtide"));
    QCoreApplication::setApplicationVersion(app::Version());
    platform::SetTranslator(TranslateWithQt);

    // The options and the database named on the command line are dealt with before the
    // window system is opened, so that they work without a display (over ssh, in scripts).
    const app::CommandLine commandLine = app::ParseCommandLine(ArgumentsOf(argc, argv));
    if (commandLine.action != app::CommandLine::Action::Run) return Finish(commandLine);
    QString error;
    const auto database =
        app::LocateDatabase(commandLine.database, app::StandardDataFolders(), error);
    // Pointed at a file on the command line, the message there is enough.
    if (!database && !commandLine.database.isEmpty()) {
        Print(stderr, QStringLiteral("marrowtide: ") + error);
        return app::kUnusableDatabaseExitStatus;
    }

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("io.github.marrowtide.Marrowtide"));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(artwork::kWindowIcon)));
    platform::QtMessageBox messageBox;
    platform::SetMessageBox(&messageBox);
    // Started from the desktop, nobody would see a message on standard error alone.
    if (!database) {
        Print(stderr, QStringLiteral("marrowtide: ") + error);
        platform::MsgBox(error.toStdString(), platform::Icon::Critical);
        return kNoDatabase;
    }
    const QFileInfo file(database->path);
    modAgeCalc::SetDatabaseFileName(file.fileName().toStdString());

    platform::QtEventPump eventPump;
    platform::SetEventPump(&eventPump);
    platform::QtSettings settings;  // the window's saved placement
    platform::SetSettings(&settings);
    platform::QtScreen screen;
    platform::SetScreenInfo(&screen);
    platform::QtFileDialog fileDialog;  // Import and Export
    platform::SetFileDialog(&fileDialog);

    // Creating the window loads it (database folder, list, placement); then it is shown.
    frmMain window(QDir::toNativeSeparators(file.absolutePath()));
    AddAboutEntry(window);
    platform::SetMainWindow(&window);
    // Qt sends no close event when the desktop session ends; save the placement then too.
    placement::SaveWinSettingsOnSessionEnd(window);
    window.show();
    // The day's backup copies beside the window on a thread of its own; quitting stops
    // it. A missing backup is worth a warning, never a reason not to start.
    app::StartupBackup backup(database->path);
    // The reminder's look at the coming birthdays waits until the list is on the screen.
    platform::FirstPaint::Then(window, [&, upcoming = commandLine.upcoming] {
        if (upcoming)
            window.MnuUpcoming_Click();
        else
            window.RemindAtStartUp();
        backup.startAfter(kBackupAfterStartUp);
        QuitWhenIdleIfAsked(app, backup);
    });
    backup.startAfter(kBackupAtTheLatest);
    const int result = QApplication::exec();

    platform::SetMainWindow(nullptr);
    platform::SetFileDialog(nullptr);
    platform::SetScreenInfo(nullptr);
    platform::SetSettings(nullptr);
    platform::SetEventPump(nullptr);
    platform::SetMessageBox(nullptr);
    platform::SetTranslator(nullptr);
    return result;
}
