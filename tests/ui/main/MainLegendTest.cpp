#include <QLabel>
#include <QPointer>

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

}  // namespace maintest
