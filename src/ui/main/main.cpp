// Marrowtide: a list of people with their birth dates and their ages today.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>

#include "app/About.h"
#include "app/CommandLine.h"
#include "app/DataLocation.h"
#include "app/StartupBackup.h"
#include "platform/EventPump.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Settings.h"
#include "platform/Translate.h"
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

// A missing backup is worth a warning, never a reason not to start.
void BackUp(const QString& databasePath) {
    QString error;
    if (!app::BackUpToday(databasePath, error))
        Print(stderr, QStringLiteral("marrowtide: no backup made today: ") + error);
}

// For measuring the start-up (bench/): with MARROWTIDE_QUIT_WHEN_IDLE in the environment
// the program ends once its event loop has first run out of work after the window was
// painted with the list loaded and the start-up reminder had its turn. Nothing a user
// starts sets it.
void QuitWhenIdleIfAsked(QApplication& app) {
    if (!qEnvironmentVariableIsSet("MARROWTIDE_QUIT_WHEN_IDLE")) return;
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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowtide"));
    QApplication::setApplicationVersion(app::Version());
    QApplication::setDesktopFileName(QStringLiteral("io.github.marrowtide.Marrowtide"));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(artwork::kWindowIcon)));
    platform::SetTranslator(TranslateWithQt);

    const app::CommandLine commandLine = app::ParseCommandLine(QApplication::arguments());
    if (commandLine.action != app::CommandLine::Action::Run) return Finish(commandLine);

    platform::QtMessageBox messageBox;
    platform::SetMessageBox(&messageBox);
    QString error;
    const auto database =
        app::LocateDatabase(commandLine.database, app::StandardDataFolders(), error);
    if (!database) {
        Print(stderr, QStringLiteral("marrowtide: ") + error);
        // Pointed at a file on the command line, the message there is enough; started
        // from the desktop, nobody would see it.
        if (!commandLine.database.isEmpty()) return app::kUsageExitStatus;
        platform::MsgBox(error.toStdString(), platform::Icon::Critical);
        return kNoDatabase;
    }
    BackUp(database->path);
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
    // Qt sends no close event when the desktop session ends; save the placement then too.
    placement::SaveWinSettingsOnSessionEnd(window);
    window.show();
    // The reminder's look at the coming birthdays waits until the list is on the screen.
    platform::FirstPaint::Then(window, [&app, &window] {
        window.RemindAtStartUp();
        QuitWhenIdleIfAsked(app);
    });
    const int result = QApplication::exec();

    platform::SetFileDialog(nullptr);
    platform::SetScreenInfo(nullptr);
    platform::SetSettings(nullptr);
    platform::SetEventPump(nullptr);
    platform::SetMessageBox(nullptr);
    platform::SetTranslator(nullptr);
    return result;
}
