// The tooltips of the value fields: each field's number, as the form has always had them,
// except where the steel is said in bars: a steel-area datum typed as bars shows their area
// ("4Ø16 = 8.04 cm²"), a design's steel area while it belongs to the data the bars proposed
// for it ("Barre proposte: 4Ø16 = 8.04 cm²").
#pragma once

#include "panels/field_elements.h"
#include "sections/frame.h"

namespace lirvo::app {

// `shown` is the case the options pick now (nullptr for none); `resultsCurrent` whether its
// results belong to its data.
void showSteelTooltips(panels::FieldElements& fields, const CalcCase* shown,
                       const CalcWindow& window, bool resultsCurrent);

}  // namespace lirvo::app
