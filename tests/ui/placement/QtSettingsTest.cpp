#include <QApplication>
#include <QSettings>

#include "PlacementFixture.h"
#include "TempDir.h"
#include "platform/qt/QtSettings.h"

namespace {

QString IniIn(const testsupport::TempDir& dir) {
    return QString::fromStdString((dir.path() / "settings.ini").string());
}

TEST(QtSettings, GivesBackTheLastTextSavedUnderTheSameNamesAndTheDefaultOtherwise) {
    testsupport::TempDir dir;
    platform::QtSettings store(IniIn(dir));
    EXPECT_EQ(store.get("Marrowtide", "Window", "Top", "1000"), "1000");

    EXPECT_TRUE(store.save("Marrowtide", "Window", "Top", "1005"));
    EXPECT_TRUE(store.save("Marrowtide", "Window", "Top", "2250"));
    EXPECT_TRUE(store.save("Marrowtide", "Other", "Top", "7"));
    EXPECT_TRUE(store.save("Elsewhere", "Window", "Top", "8"));
    EXPECT_TRUE(store.save("Marrowtide", "Window", "Note", " a, b = c "));

    platform::QtSettings reopened(IniIn(dir));
    EXPECT_EQ(reopened.get("Marrowtide", "Window", "Top", "1000"), "2250");
    EXPECT_EQ(reopened.get("Marrowtide", "Other", "Top", "1000"), "7");
    EXPECT_EQ(reopened.get("Elsewhere", "Window", "Top", "1000"), "8");
    EXPECT_EQ(reopened.get("Marrowtide", "Window", "Note", ""), " a, b = c ");
    EXPECT_EQ(reopened.get("Marrowtide", "Window", "Left", "616"), "616");
}

TEST(QtSettings, ReportsAValueItCouldNotKeep) {
    testsupport::TempDir dir;
    // The "file" is a folder, so nothing can be written there.
    platform::QtSettings store(QString::fromStdString(dir.path().string()));
    EXPECT_FALSE(store.save("Marrowtide", "Window", "Top", "1005"));
    EXPECT_EQ(store.get("Marrowtide", "Window", "Top", "1000"), "1000");
}

using QtSettingsPlacement = PlacementFixture;

TEST_F(QtSettingsPlacement, TheWindowReopensWhereItWasClosed) {
    testsupport::TempDir dir;
    platform::QtSettings store(IniIn(dir));
    platform::Settings* recording = platform::SetSettings(&store);
    QRect closedAt;
    {
        ClosingWindow window;
        placement::LoadWinSettings(window);
        window.show();
        window.move(123, 45);
        window.resize(420, 260);
        QApplication::processEvents();
        closedAt = window.frameGeometry();
        window.close();
    }
    ClosingWindow reopened;
    placement::LoadWinSettings(reopened);
    reopened.show();
    QApplication::processEvents();
    EXPECT_EQ(reopened.frameGeometry(), closedAt);

    QSettings raw(IniIn(dir), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Marrowtide/Window/Top").toString(), "675");
    EXPECT_EQ(raw.value("Marrowtide/Window/Left").toString(), "1845");
    platform::SetSettings(recording);
}

}  // namespace
