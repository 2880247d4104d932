// The colours every drawing of a section shares, so its figures read alike side by side.
#pragma once

#include <QColor>

namespace lirvo::drawing {

inline const QColor kInk(30, 30, 30);
inline const QColor kFaint(120, 120, 120);
inline const QColor kConcrete(228, 228, 228);
inline const QColor kCompressedZone(172, 196, 232);
inline const QColor kConcreteStress(110, 150, 215);
inline const QColor kSteel(196, 84, 16);
inline const QColor kExceeded(139, 0, 0);  // beyond a limit: dark red

}  // namespace lirvo::drawing
