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

// Gives the value fields of each column one font size at which each shows its whole text: the
// panel's, or less for a long text or a small screen, never below the legible floor. A field
// whose text still does not fit there (an exponent form on an 800 × 600 screen) widens in pixels
// into the blank on the right of its column. Run whenever a text changes.
void fitValueFields(FieldElements& fields, const WindowSize& window);

}  // namespace lirvo::panels
