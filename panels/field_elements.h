// The captions (0..23) and value fields (0..22) of the main window, which the field
// panels and the section schematic lay out.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <array>

#include "ui/element.h"

namespace lirvo::panels {

constexpr int kCaptionCount = 24;
constexpr int kValueFieldCount = 23;
// Panels use fields up to here; elements above are never touched.
constexpr int kLastPanelField = 16;

struct FieldElements {
    std::array<ui::Element<QLabel>, kCaptionCount> captions;
    std::array<ui::Element<QLineEdit>, kValueFieldCount> valueFields;
};

// The window's outer size in twips, read when a panel or a schematic is laid out.
struct WindowSize {
    double width, height;
};

}  // namespace lirvo::panels
