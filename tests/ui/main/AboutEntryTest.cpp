#include <QAction>
#include <QMenu>

#include "MainWindowFixture.h"
#include "ui/main/AboutEntry.h"

namespace maintest {

namespace {

using AboutEntryTest = MainWindowFixture;

TEST_F(AboutEntryTest, ComesLastInTheViewMenuAndNamesVersionDatabaseAndLicence) {
    auto window = open();
    const QList<QAction*> before = window->findChild<QMenu*>(QStringLiteral("MenuView"))->actions();
    AddAboutEntry(*window);
    const QList<QAction*> after = window->findChild<QMenu*>(QStringLiteral("MenuView"))->actions();
    ASSERT_EQ(after.size(), before.size() + 2);
    EXPECT_EQ(after.mid(0, before.size()), before);
    EXPECT_TRUE(after[before.size()]->isSeparator());
    QAction* about = after.last();
    EXPECT_EQ(about->objectName(), QStringLiteral("MnuAbout"));
    EXPECT_EQ(about->text(), QStringLiteral("&About Marrowtide..."));

    box_.setFallback(platform::MsgAnswer::Ok);
    about->trigger();
    ASSERT_EQ(box_.count(), 1u);
    const auto& asked = box_.asked().front();
    EXPECT_EQ(asked.title, "About Marrowtide");
    EXPECT_EQ(asked.style, 64);  // OK alone, information icon
    const std::string parts[] = {"Marrowtide 1.0", "Database: " + db_.path(), "GPL-3.0-or-later"};
    for (const std::string& part : parts)
        EXPECT_NE(asked.text.find(part), std::string::npos) << part << " in " << asked.text;
}

}  // namespace

}  // namespace maintest
