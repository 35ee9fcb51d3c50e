#include <QLabel>
#include <QPointer>

#include "EditorDriver.h"
#include "MainWindowFixture.h"
#include "ui/legend/frmLegend.h"

namespace maintest {

namespace {

using MainLegendTest = MainWindowFixture;

QImage Normalised(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QList<frmLegend*> OpenLegends() {
    QList<frmLegend*> open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* legend = qobject_cast<frmLegend*>(window); legend && legend->isVisible())
            open << legend;
    return open;
}

void FlushDeletes() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ClickLegendPicture(const frmMain& window) {
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("imgLegend")), Qt::LeftButton);
}

}  // namespace

TEST_F(MainLegendTest, OpensOnceCentredWithTheListsPicturesAndClosesWithTheWindow) {
    auto window = open();
    show(*window);
    ClickLegendPicture(*window);
    ASSERT_EQ(OpenLegends().size(), 1);
    QPointer<frmLegend> legend = OpenLegends().front();
    EXPECT_EQ(legend->parentWidget(), window.get());
    const QPoint offCentre = legend->frameGeometry().center() - window->frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << ", " << offCentre.y();
    for (int k = 1; k <= 5; ++k) {
        QPixmap expected;
        ASSERT_TRUE(window->ImlB().picture(k, expected, legend->devicePixelRatioF()));
        const auto* picture = legend->findChild<QLabel*>(QStringLiteral("imgAry_%1").arg(k));
        EXPECT_EQ(Normalised(picture->pixmap()), Normalised(expected)) << "row " << k;
    }

    ClickLegendPicture(*window);
    EXPECT_EQ(OpenLegends(), QList<frmLegend*>{legend.data()});

    legend->close();
    FlushDeletes();
    EXPECT_TRUE(legend.isNull());
    ClickLegendPicture(*window);
    ASSERT_EQ(OpenLegends().size(), 1);
    legend = OpenLegends().front();

    window->close();
    FlushDeletes();
    EXPECT_TRUE(legend.isNull());
    EXPECT_TRUE(OpenLegends().isEmpty());
}

// Keys pressed in the legend stay there: none of the main window's commands runs, and
// Esc closes the legend only.
TEST_F(MainLegendTest, KeysInTheLegendNeverReachTheMainWindow) {
    db_.add("Ann", "1980-03-15 00:00:00", ".");
    auto window = open();
    show(*window);
    window->Lvw()->selectRow(0);
    ClickLegendPicture(*window);
    ASSERT_EQ(OpenLegends().size(), 1);
    QPointer<frmLegend> legend = OpenLegends().front();
    QApplication::setActiveWindow(legend);
    ASSERT_TRUE(QTest::qWaitForWindowActive(legend));
    db_.add("Bob", "1950-02-01 00:00:00", ".");
    EditorDriver driver;
    for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F4, Qt::Key_Delete, Qt::Key_F5, Qt::Key_F11})
        QTest::keyClick(legend, key);
    QApplication::processEvents();
    EXPECT_EQ(driver.shown(), 0);
    EXPECT_EQ(box_.count(), 0u);
    EXPECT_EQ(window->Lvw()->rowCount(), 1) << "no reload";
    EXPECT_EQ(window->Lvw()->viewMode(), platform::ListView::ViewMode::Details);

    QTest::keyClick(legend, Qt::Key_Escape);
    FlushDeletes();
    EXPECT_TRUE(legend.isNull());
    EXPECT_TRUE(window->isVisible());
}

}  // namespace maintest
