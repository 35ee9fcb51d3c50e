#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QVector>

namespace platform {

// A numbered set of same-sized images (numbered from 1), as the list control's icons
// and the legend's pictures use them.
class ImageList {
public:
    explicit ImageList(QSize imageSize) : size_(imageSize) {}

    QSize imageSize() const { return size_; }
    int count() const { return static_cast<int>(icons_.size()); }

    // Adds an image made from an icon or an SVG/PNG file (a Qt resource path works).
    void add(const QIcon& icon) { icons_.push_back(icon); }
    void addFile(const QString& path) { icons_.push_back(QIcon(path)); }
    void clear() { icons_.clear(); }

    // The image numbered `index`, or a null icon when there is none.
    QIcon icon(int index) const {
        return index >= 1 && index <= count() ? icons_[index - 1] : QIcon();
    }

    // The picture at the list's size; false when there is no such image.
    bool picture(int index, QPixmap& out, qreal devicePixelRatio = 1.0) const {
        if (index < 1 || index > count()) return false;
        out = icons_[index - 1].pixmap(size_, devicePixelRatio);
        return !out.isNull();
    }

private:
    QSize size_;
    QVector<QIcon> icons_;
};

}  // namespace platform
