// Every element of the main window, created with its size at creation; the window's load
// places them. Elements later in this list stand above earlier ones.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <memory>
#include <vector>

#include "panels/field_elements.h"
#include "sections/choices.h"
#include "ui/element.h"
#include "ui/surface.h"
#include "ui/widgets.h"

namespace lirvo::app {

struct MainElements {
    ui::Surface* surface;  // the window's client area: background, lines, notices
    ui::Element<ui::Frame> schematicFrame;
    ui::Element<ui::PictureBox> sectionPicture;
    ui::Element<ui::Frame> sectionTypeFrame, operationFrame;
    // One per section type, then one per operation, in the order of sections/choices.h.
    std::vector<ui::Element<QRadioButton>> option;
    panels::FieldElements fields;
    std::array<int, 3> line;  // the three band lines, drawn by the surface
    ui::Element<QLabel> unitsLabel;
    ui::Element<QPushButton> computeButton;
    ui::Element<QCheckBox> exampleBox;
    ui::Element<QPushButton> quitButton, helpButton, printButton, clearButton;
    ui::Element<ui::RichTextBox> helpBox;
    ui::Element<ui::Frame> printHeading;
    std::array<ui::Element<QLabel>, 6> headingLines;

    QRadioButton* sectionOption(int i) const { return option[i].get(); }
    QRadioButton* operationOption(int i) const { return option[sectionTypes().size() + i].get(); }
    // Fine, Aiuto, Stampa, Azzera: left to right along the bottom.
    std::array<ui::Element<QPushButton>*, 4> commandButtons() {
        return {&quitButton, &helpButton, &printButton, &clearButton};
    }
};

std::unique_ptr<MainElements> createElements(QWidget* window, const ui::Screen& screen);

}  // namespace lirvo::app
