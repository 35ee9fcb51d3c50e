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

// The picture of an unknown age, captioned "Age unknown", shows below the five only
// while the list holds someone whose birth year is unknown; each reload decides anew,
// and so does a legend opened afresh.
TEST_F(MainLegendTest, ShowsTheUnknownAgeRowOnlyWhileSomeoneHasNoBirthYear) {
    db_.add("Ann", "1980-03-15 00:00:00", ".");
    auto window = open();
    show(*window);
    ClickLegendPicture(*window);
    ASSERT_EQ(OpenLegends().size(), 1);
    QPointer<frmLegend> legend = OpenLegends().front();
    const QSize fiveRows = legend->size();
    const struct {
        const char* what;
        const char* sql;
        bool shown;
    } steps[] = {
        {"years known", nullptr, false},
        {"one without a year",
         "INSERT INTO tblAges (strName, dtmBirth, strComments) "
         "VALUES ('Bea', '--12-08', '.')",
         true},
        {"gone again", "DELETE FROM tblAges WHERE strName = 'Bea'", false},
        {"a look-alike",
         "INSERT INTO tblAges (strName, dtmBirth, strComments) "
         "VALUES ('Cy', '--02-30', '.')",
         false},
        {"reopened with one", "UPDATE tblAges SET dtmBirth = '--02-29' WHERE strName = 'Cy'", true},
    };
    for (const auto& step : steps) {
        if (step.sql) db_.exec(step.sql);
        window->LoadLvw(QString());
        if (std::string(step.what) == "reopened with one") {
            legend->close();
            FlushDeletes();
            ClickLegendPicture(*window);
            ASSERT_EQ(OpenLegends().size(), 1);
            legend = OpenLegends().front();
        }
        const auto* picture = legend->findChild<QLabel*>(QStringLiteral("imgAry_6"));
        const auto* caption = legend->findChild<QLabel*>(QStringLiteral("Label1_5"));
        ASSERT_TRUE(picture && caption) << step.what;
        EXPECT_EQ(picture->isVisibleTo(legend), step.shown) << step.what;
        EXPECT_EQ(caption->isVisibleTo(legend), step.shown) << step.what;
        EXPECT_EQ(caption->text(), QStringLiteral("Age unknown"));
        // One row of 600 twips more, or exactly the five rows' window.
        EXPECT_EQ(legend->size(), fiveRows + QSize(0, step.shown ? 40 : 0)) << step.what;
        QPixmap expected;
        ASSERT_TRUE(window->ImlB().picture(6, expected, legend->devicePixelRatioF()));
        EXPECT_EQ(Normalised(picture->pixmap()), Normalised(expected)) << step.what;
    }
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
