// Lays out the panel of a calculation case: "DATI:" with the input column on the left,
// "RISULTATI:" with the result column on the right, one row per field. Captions, indices and
// which fields are inputs come from the case's own record.
#pragma once

#include <optional>

#include "panels/field_elements.h"
#include "sections/frame.h"

namespace lirvo::panels {

// The twips top of a caption in row r; row 0 holds the headings.
double rowTop(int row, const WindowSize& window);

// The panel procedure of an operation for the section type selected now (none selected: the
// headings alone). A column design lays out nothing and leaves the window as it is.
void layOutPanel(Operation operation, std::optional<SectionType> section, FieldElements& fields,
                 const WindowSize& window);

}  // namespace lirvo::panels
