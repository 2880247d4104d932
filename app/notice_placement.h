// Where the notices of the column calculations stand on the window: statements of their own,
// in bold dark red, one line each, clear of every element by a visible gap.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <initializer_list>

#include "ui/surface.h"

namespace lirvo::app {

struct NoticePlace {
    double left, top;  // twips, as the surface draws a text: the first line's start on its baseline
    double lineStep;   // twips from one line's baseline to the next
    ui::TextLook look;
};

// The lines in the bold of the surface's font, shrunk where one would be wider than `area`
// (pixels), centred as a block in the tallest band of `area` free of the elements shown on the
// surface (but those `ignored`) with `gap` pixels to spare on each side.
NoticePlace placeNotice(const QStringList& lines, const QRect& area, const QWidget& surface,
                        std::initializer_list<const QWidget*> ignored, int gap,
                        double twipsPerPixel);

}  // namespace lirvo::app
