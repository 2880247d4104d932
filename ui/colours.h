// The grounds of the main window: its normal look, and white for the printed page.
#pragma once

#include <QColor>

namespace lirvo::ui {

inline const QColor kWindowColour(255, 224, 192);
inline const QColor kPrintColour(255, 255, 255);

}  // namespace lirvo::ui
