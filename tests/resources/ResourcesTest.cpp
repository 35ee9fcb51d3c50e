// The artwork library: every picture is reachable under its resource path without
// any explicit initialisation call, is valid SVG and renders sensibly at 16x16 and
// 32x32; the five age-group faces are told apart even at 16x16.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <string>
#include <vector>

#include "resources/Artwork.h"

namespace {

QImage render(const QString& path, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

int countPixels(const QImage& image, int minAlpha) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= minAlpha) ++n;
    return n;
}

// Sum over all pixels of the largest channel difference (alpha included).
long long difference(const QImage& a, const QImage& b) {
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return sum;
}

std::vector<QString> allPaths() {
    std::vector<QString> paths;
    for (const char* p : artwork::allPaths()) paths.push_back(QString::fromLatin1(p));
    return paths;
}

const std::vector<QString> kFaces = {":/ages/baby.svg", ":/ages/child.svg", ":/ages/youngadult.svg",
                                     ":/ages/adult.svg", ":/ages/senior.svg"};

// The five faces and the face of an unknown age, which the list shows beside them.
std::vector<QString> everyFace() {
    std::vector<QString> faces = kFaces;
    faces.push_back(QString::fromLatin1(artwork::kAgeUnknown));
    return faces;
}

std::string name(const QString& path) {
    return path.toStdString();
}

}  // namespace

TEST(Artwork, ListsTheFifteenPicturesUnderTheirPaths) {
    const std::vector<QString> expected = {
        ":/app/marrowtide.svg",   ":/app/person.svg",      ":/buttons/add.svg",
        ":/buttons/edit.svg",     ":/buttons/delete.svg",  ":/buttons/refresh.svg",
        ":/buttons/bigicons.svg", ":/buttons/details.svg", ":/buttons/exit.svg",
        ":/ages/baby.svg",        ":/ages/child.svg",      ":/ages/youngadult.svg",
        ":/ages/adult.svg",       ":/ages/senior.svg",     ":/ages/unknown.svg"};
    EXPECT_EQ(allPaths(), expected);
    EXPECT_EQ(QString(artwork::kWindowIcon), ":/app/marrowtide.svg");
    EXPECT_EQ(QString(artwork::kPersonPicture), ":/app/person.svg");
    EXPECT_EQ(QString(artwork::kButtonBigIcons), ":/buttons/bigicons.svg");
    EXPECT_EQ(QString(artwork::kButtonDetails), ":/buttons/details.svg");
}

TEST(Artwork, AgeGroupsMapOneToFiveInListOrder) {
    for (int group = 1; group <= artwork::kAgeGroupCount; ++group)
        EXPECT_EQ(artwork::ageIconPath(group), kFaces[group - 1]) << group;
    EXPECT_TRUE(artwork::ageIconPath(0).isEmpty());
    EXPECT_TRUE(artwork::ageIconPath(6).isEmpty());
    EXPECT_TRUE(artwork::ageIconPath(-1).isEmpty());
}

TEST(Artwork, EveryPathIsInTheResourceWithoutInitialisation) {
    for (const QString& path : allPaths()) {
        QFile file(path);
        ASSERT_TRUE(file.exists()) << name(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name(path);
        const QByteArray data = file.readAll();
        EXPECT_TRUE(data.contains("<svg")) << name(path);
        EXPECT_TRUE(data.contains("viewBox=\"0 0 32 32\"")) << name(path);
        // Self-contained: no external references or embedded text.
        EXPECT_FALSE(data.contains("xlink:href")) << name(path);
        EXPECT_FALSE(data.contains("<image")) << name(path);
        EXPECT_FALSE(data.contains("<text")) << name(path);
    }
}

TEST(Artwork, EveryPictureIsValidSvgOnASquareCanvas) {
    for (const QString& path : allPaths()) {
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid()) << name(path);
        EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 32, 32)) << name(path);
        EXPECT_EQ(renderer.defaultSize(), QSize(32, 32)) << name(path);
    }
}

TEST(Artwork, EveryPictureRendersVisiblyAtSixteenAndThirtyTwo) {
    for (const QString& path : allPaths()) {
        for (int size : {16, 32}) {
            const QImage image = render(path, size);
            const int total = size * size;
            const int opaque = countPixels(image, 255);
            const int visible = countPixels(image, 1);
            // Enough solid paint to read as a picture ...
            EXPECT_GE(opaque, total / 8) << name(path) << " at " << size;
            // ... but a shape with a transparent background, not a filled square.
            EXPECT_LT(visible, total) << name(path) << " at " << size;
        }
    }
}

TEST(Artwork, EveryPictureUsesMoreThanOneColour) {
    for (const QString& path : allPaths()) {
        const QImage image = render(path, 32);
        QColor first;
        bool several = false;
        for (int y = 0; y < 32 && !several; ++y)
            for (int x = 0; x < 32 && !several; ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) < 255) continue;
                if (!first.isValid())
                    first = QColor(p);
                else if (QColor(p) != first)
                    several = true;
            }
        EXPECT_TRUE(several) << name(path);
    }
}

TEST(Artwork, FacesHaveTransparentCorners) {
    for (const QString& path : everyFace()) {
        for (int size : {16, 32}) {
            const QImage image = render(path, size);
            const int last = size - 1;
            for (QPoint corner :
                 {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                EXPECT_EQ(qAlpha(image.pixel(corner)), 0)
                    << name(path) << " at " << size << " corner " << corner.x() << ","
                    << corner.y();
            // The face itself fills the middle.
            EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2 + size / 8)), 255) << name(path);
        }
    }
}

TEST(Artwork, FacesDifferPairwiseAtSixteen) {
    const std::vector<QString> faces = everyFace();
    std::vector<QImage> images;
    for (const QString& path : faces) images.push_back(render(path, 16));
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j) {
            // At least the equivalent of eight pixels changing completely.
            EXPECT_GT(difference(images[i], images[j]), 8 * 255)
                << name(faces[i]) << " vs " << name(faces[j]);
        }
}

TEST(Artwork, IconsBuiltFromThePathsGivePixmapsAtBothSizes) {
    for (const QString& path : allPaths()) {
        const QIcon icon(path);
        ASSERT_FALSE(icon.isNull()) << name(path);
        for (int size : {16, 32}) {
            const QPixmap pixmap = icon.pixmap(QSize(size, size));
            ASSERT_FALSE(pixmap.isNull()) << name(path) << " at " << size;
            EXPECT_EQ(pixmap.size(), QSize(size, size)) << name(path);
            EXPECT_GE(countPixels(pixmap.toImage(), 255), size * size / 8) << name(path);
        }
    }
}

TEST(Artwork, LooksTheSameAtDoubleSizeForHighDensityScreens) {
    // At twice the size the picture is the same picture: scaled down again it stays
    // close to the direct rendering.
    for (const QString& path : allPaths()) {
        const QImage direct = render(path, 32);
        const QImage scaled =
            render(path, 64).scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(difference(direct.convertToFormat(QImage::Format_ARGB32),
                             scaled.convertToFormat(QImage::Format_ARGB32)),
                  32LL * 32 * 20)
            << name(path);
    }
}
