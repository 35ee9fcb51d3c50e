#pragma once

#include <QString>
#include <Qt>

namespace platform {

// A column header of the list control: caption, width in twips and alignment.
struct ListColumn {
    QString caption;
    double widthTwips = 1440;
    Qt::Alignment alignment = Qt::AlignLeft;
};

}  // namespace platform
