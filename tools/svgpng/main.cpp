// marrowtide-svgpng SVG SIZE PNG
//
// Renders SVG into a SIZE x SIZE PNG with a transparent background. Used by the build
// to make the hicolor PNG icons from the one drawn SVG, so both always match.
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

namespace {

constexpr int kWritten = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kLargestSize = 1024;

int Usage() {
    std::fputs("usage: marrowtide-svgpng SVG SIZE PNG   (SIZE 1 to 1024 pixels)\n", stderr);
    return kUsage;
}

bool ParseSize(const char* text, int& size) {
    bool ok = false;
    size = QString::fromLocal8Bit(text).toInt(&ok);
    return ok && size >= 1 && size <= kLargestSize;
}

}  // namespace

int main(int argc, char** argv) {
    int size = 0;
    if (argc != 4 || !ParseSize(argv[2], size)) return Usage();
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QString png = QString::fromLocal8Bit(argv[3]);

    // A FIFO or a device named by mistake would be read without end.
    if (!QFileInfo(svg).isFile()) {
        std::fprintf(stderr, "marrowtide-svgpng: %s is no regular file.\n", argv[1]);
        return kFailed;
    }
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "marrowtide-svgpng: %s is no readable SVG.\n", argv[1]);
        return kFailed;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(png, "PNG")) {
        std::fprintf(stderr, "marrowtide-svgpng: %s could not be written.\n", argv[3]);
        return kFailed;
    }
    return kWritten;
}
