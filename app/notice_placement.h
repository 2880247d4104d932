// Where a notice of the column calculations stands on the window: a statement of its own, in
// bold dark red, on one line, clear of every element by a visible gap.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <initializer_list>

#include "ui/surface.h"

namespace lirvo::app {

struct NoticePlace {
    double left, top;  // twips, as the surface draws a text: its start on the baseline
    ui::TextLook look;
};

// The text in the bold of the surface's font, shrunk where it would be wider than `area`
// (pixels), centred in the tallest band of `area` free of the elements shown on the surface
// (but those `ignored`) with `gap` pixels to spare on each side.
NoticePlace placeNotice(const QString& text, const QRect& area, const QWidget& surface,
                        std::initializer_list<const QWidget*> ignored, int gap,
                        double twipsPerPixel);

}  // namespace lirvo::app
