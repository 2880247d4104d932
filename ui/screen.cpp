#include "ui/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace lirvo::ui {
namespace {

const QScreen* primary() {
    return QGuiApplication::primaryScreen();
}

}  // namespace

double DesktopScreen::twipsPerPixel() const {
    const QScreen* s = primary();
    const double dpi = s ? s->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

float DesktopScreen::widthTwips() const {
    const QScreen* s = primary();
    return static_cast<float>((s ? s->size().width() : 1024) * twipsPerPixel());
}

float DesktopScreen::heightTwips() const {
    const QScreen* s = primary();
    return static_cast<float>((s ? s->size().height() : 768) * twipsPerPixel());
}

}  // namespace lirvo::ui
