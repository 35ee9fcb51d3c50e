// Marrowtide: a list of people with their birth dates and their ages today.
#include <QApplication>
#include <QIcon>

#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Settings.h"
#include "platform/Translate.h"
#include "platform/qt/ProgramFolder.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSettings.h"
#include "resources/Artwork.h"
#include "ui/main/WindowPlacement.h"
#include "ui/main/frmMain.h"

namespace {

// Texts of the libraries without Qt go through Qt's translation like every other text.
std::string TranslateWithQt(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowtide"));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(artwork::kWindowIcon)));

    platform::SetTranslator(TranslateWithQt);
    platform::QtMessageBox messageBox;
    platform::SetMessageBox(&messageBox);
    platform::QtEventPump eventPump;
    platform::SetEventPump(&eventPump);
    platform::QtSettings settings;  // the window's saved placement
    platform::SetSettings(&settings);
    platform::QtScreen screen;
    platform::SetScreenInfo(&screen);

    // Creating the window loads it (database folder, list, placement); then it is shown.
    frmMain window(platform::ProgramFolder());
    // Qt sends no close event when the desktop session ends; save the placement then too.
    placement::SaveWinSettingsOnSessionEnd(window);
    window.show();
    const int result = QApplication::exec();

    platform::SetScreenInfo(nullptr);
    platform::SetSettings(nullptr);
    platform::SetEventPump(nullptr);
    platform::SetMessageBox(nullptr);
    platform::SetTranslator(nullptr);
    return result;
}
