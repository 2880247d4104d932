#include "app/notice_placement.h"

#include <QFontMetrics>
#include <algorithm>
#include <vector>

#include "ui/element.h"

namespace lirvo::app {
namespace {

constexpr double kNoticePoints = 11;
const QColor kNoticeColour(0x8B, 0x00, 0x00);  // dark red: no caption of the window has it

struct Band {
    int top, bottom;  // pixels, bottom excluded
};

// The free bands of [top, bottom) between the taken ones.
std::vector<Band> freeBands(int top, int bottom, std::vector<Band> taken) {
    std::sort(taken.begin(), taken.end(), [](Band a, Band b) { return a.top < b.top; });
    std::vector<Band> free;
    int from = top;
    for (const Band& t : taken) {
        if (t.top > from) free.push_back({from, std::min(t.top, bottom)});
        from = std::max(from, t.bottom);
    }
    if (from < bottom) free.push_back({from, bottom});
    return free;
}

}  // namespace

NoticePlace placeNotice(const QStringList& lines, const QRect& area, const QWidget& surface,
                        std::initializer_list<const QWidget*> ignored, int gap,
                        double twipsPerPixel) {
    QFont bold = surface.font();
    bold.setBold(true);
    bold.setPointSizeF(kNoticePoints);
    auto widest = [&lines](const QFontMetrics& metrics) {
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    while (bold.pointSizeF() > ui::kSmallestPoints && widest(QFontMetrics(bold)) > area.width())
        bold.setPointSizeF(bold.pointSizeF() - 0.5);
    const QFontMetrics metrics(bold);
    const QRect across(area.left(), area.top(), widest(metrics), area.height());

    std::vector<Band> taken;
    for (const QWidget* element : surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (element->isHidden() ||
            std::find(ignored.begin(), ignored.end(), element) != ignored.end())
            continue;
        const QRect spaced = element->geometry().adjusted(-gap, -gap, gap, gap);
        if (spaced.intersects(across)) taken.push_back({spaced.top(), spaced.bottom() + 1});
    }
    const std::vector<Band> free = freeBands(area.top(), area.bottom() + 1, taken);
    Band tallest{area.top(), area.top()};
    for (const Band& band : free)
        if (band.bottom - band.top > tallest.bottom - tallest.top) tallest = band;

    const int step = metrics.lineSpacing();
    const int height = metrics.ascent() + metrics.descent() + step * (lines.size() - 1);
    const int top = tallest.top + std::max(0, (tallest.bottom - tallest.top - height) / 2);
    // The surface draws a text one pixel above the point it is given.
    const int baseline = top + metrics.ascent() + 1;
    return {area.left() * twipsPerPixel,
            baseline * twipsPerPixel,
            step * twipsPerPixel,
            {bold, kNoticeColour}};
}

}  // namespace lirvo::app
