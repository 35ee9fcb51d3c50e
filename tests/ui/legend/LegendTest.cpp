#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>

#include "platform/qt/ImageList.h"
#include "ui/legend/frmLegend.h"

namespace {

const char* const kCaptions[] = {"Baby - 0 to 16", "Child - 16 to 18", "Young Adult 18-21",
                                 "Adult 21 - 60", "Senior 60 +"};
const Qt::GlobalColor kColours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta};

platform::ImageList ImagesOf(int count) {
    platform::ImageList images(QSize(32, 32));
    for (int i = 0; i < count; ++i) {
        QPixmap picture(32, 32);
        picture.fill(kColours[i]);
        images.add(QIcon(picture));
    }
    return images;
}

QImage Normalised(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage White() {
    QImage white(32, 32, QImage::Format_ARGB32);
    white.fill(Qt::white);
    return white;
}

void FlushDeletes() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int OpenLegends() {
    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<frmLegend*>(window) && window->isVisible()) ++open;
    return open;
}

// The main window's stand-in: the legend's owner, shown where a user would have it.
class Legend : public testing::Test {
protected:
    Legend() {
        owner_.move(100, 80);
        owner_.resize(466, 283);
        owner_.show();
        QApplication::processEvents();
    }

    static QLabel* Picture(const QWidget& legend, int k) {
        return legend.findChild<QLabel*>(QString("imgAry_%1").arg(k));
    }
    static QLabel* Caption(const QWidget& legend, int index) {
        return legend.findChild<QLabel*>(QString("Label1_%1").arg(index));
    }

    QMainWindow owner_;
};

TEST_F(Legend, OpensCentredOverItsOwnerWithTheFiveRowsInOrder) {
    const auto images = ImagesOf(5);
    frmLegend* legend = frmLegend::ShowFor(&owner_, images);
    ASSERT_NE(legend, nullptr);
    EXPECT_TRUE(legend->isVisible());
    EXPECT_EQ(legend->windowTitle(), "Legend");
    EXPECT_EQ(legend->parentWidget(), &owner_);

    const QPoint offCentre = legend->frameGeometry().center() - owner_.frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << ", " << offCentre.y();

    for (int k = 1; k <= 5; ++k) {
        const QLabel* picture = Picture(*legend, k);
        const QLabel* caption = Caption(*legend, k - 1);
        ASSERT_TRUE(picture && caption) << "row " << k;
        QPixmap expected;
        ASSERT_TRUE(images.picture(k, expected));
        EXPECT_EQ(Normalised(picture->pixmap()), Normalised(expected)) << "row " << k;
        EXPECT_EQ(caption->text(), kCaptions[k - 1]);
        // Rows 600 twips (40 pixels) apart, each caption 8 pixels below its picture's top.
        const int top = 8 + 40 * (k - 1);
        EXPECT_EQ(picture->geometry(), QRect(8, top, 32, 32)) << "row " << k;
        EXPECT_EQ(caption->geometry(), QRect(48, top + 8, 121, 17)) << "row " << k;
    }
}

TEST_F(Legend, IsAFixedToolWindowWithOnlyATitleAndACloseButton) {
    const frmLegend* legend = frmLegend::ShowFor(&owner_, ImagesOf(5));
    EXPECT_EQ(legend->minimumSize(), QSize(188, 217));
    EXPECT_EQ(legend->maximumSize(), QSize(188, 217));
    EXPECT_EQ(legend->size(), QSize(188, 217));

    const Qt::WindowFlags flags = legend->windowFlags();
    EXPECT_EQ(legend->windowType(), Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(Legend, PicturesAreBlankWhiteUntilLoaded) {
    frmLegend legend(&owner_);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(Normalised(Picture(legend, k)->pixmap()), White());
}

TEST_F(Legend, APictureThatCannotBeCopiedStaysBlankAndEveryCaptionShows) {
    const auto images = ImagesOf(3);
    const frmLegend* legend = frmLegend::ShowFor(&owner_, images);
    for (int k = 1; k <= 5; ++k) {
        QPixmap expected;
        const QImage shown = Normalised(Picture(*legend, k)->pixmap());
        if (images.picture(k, expected))
            EXPECT_EQ(shown, Normalised(expected)) << "row " << k;
        else
            EXPECT_EQ(shown, White()) << "row " << k;
        EXPECT_TRUE(Caption(*legend, k - 1)->isVisible());
        EXPECT_EQ(Caption(*legend, k - 1)->text(), kCaptions[k - 1]);
    }
}

TEST_F(Legend, ASecondClickWhileOpenKeepsTheOneWindow) {
    const auto images = ImagesOf(5);
    frmLegend* first = frmLegend::ShowFor(&owner_, images);
    first->move(first->pos() + QPoint(30, 20));  // the user moved it aside
    const QPoint movedTo = first->pos();

    frmLegend* second = frmLegend::ShowFor(&owner_, images);
    EXPECT_EQ(second, first);
    EXPECT_EQ(OpenLegends(), 1);
    EXPECT_EQ(second->pos(), movedTo);
}

TEST_F(Legend, AClickAfterClosingOpensItAnewWithFreshPictures) {
    QPointer<frmLegend> first = frmLegend::ShowFor(&owner_, ImagesOf(5));
    first->close();
    // Straight after closing, before the closed window is gone.
    const auto fewer = ImagesOf(2);
    frmLegend* second = frmLegend::ShowFor(&owner_, fewer);
    FlushDeletes();
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(OpenLegends(), 1);
    EXPECT_EQ(Normalised(Picture(*second, 3)->pixmap()), White());
    EXPECT_TRUE(owner_.isVisible()) << "closing the legend must not close the owner";
}

TEST_F(Legend, ClosingTheOwnerClosesTheLegend) {
    QPointer<frmLegend> legend = frmLegend::ShowFor(&owner_, ImagesOf(5));
    owner_.close();
    FlushDeletes();
    EXPECT_TRUE(legend.isNull());
    EXPECT_EQ(OpenLegends(), 0);
}

}  // namespace
