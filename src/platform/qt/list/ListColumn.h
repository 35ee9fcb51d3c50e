#pragma once

#include <QString>
#include <Qt>

namespace platform {

// How a column's texts sort: as plain text (case ignored, equal texts keep their order),
// or as names in a reader's order (platform/TextFold.h: accents beside their base
// letter, case ignored, rows whose texts fold alike by their keys).
enum class SortAs { Text, Names };

// A column header of the list control: caption, width in twips, alignment and order.
struct ListColumn {
    QString caption;
    double widthTwips = 1440;
    Qt::Alignment alignment = Qt::AlignLeft;
    SortAs sortAs = SortAs::Text;
};

}  // namespace platform
