// The picture of the chosen section type in the schematic frame at the top of the window. A
// change of section type first wipes the field panel and unselects the operation.
#pragma once

#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <functional>
#include <span>

#include "panels/field_elements.h"
#include "sections/quantities.h"
#include "ui/widgets.h"

namespace lirvo::panels {

struct SchematicElements {
    ui::Element<ui::Frame>& schematicFrame;
    ui::Element<ui::PictureBox>& sectionPicture;
    ui::Element<QLabel>& unitsLabel;
    std::span<ui::Element<QRadioButton>> operations;  // the operation options
    FieldElements& fields;
};

// Unselects the operation and empties fields 0 to 16: value fields hidden, captions emptied.
void wipeFields(SchematicElements& elements);

// `clearDrawing` wipes what the calculations drew on the window, before the frame is placed.
void showSchematic(SectionType section, SchematicElements& elements, const WindowSize& window,
                   const std::function<void()>& clearDrawing);

}  // namespace lirvo::panels
