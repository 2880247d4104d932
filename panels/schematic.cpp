#include "schematic.h"

#include <QDir>

namespace lirvo::panels {
namespace {

struct SchematicPlace {
    const char* file;
    double left, top, width, height;  // fractions of the window
};

// The column's frame is wider and taller and starts almost at the top edge.
constexpr SchematicPlace kPlaces[] = {
    {"ret1_ver.jpg", 0.35, 0.02, 0.3, 0.25},
    {"t1_ver.jpg", 0.35, 0.02, 0.3, 0.25},
    {"Pil1_ver.jpg", 0.3, 0.001, 0.39, 0.3},
};

const SchematicPlace& place(SectionType section) {
    return kPlaces[static_cast<int>(section)];
}

}  // namespace

const char* pictureFileName(SectionType section) {
    return place(section).file;
}

void azzeradati(SchematicElements& e) {
    for (QRadioButton* option : e.operations)
        ui::unselect(option);
    for (int i = 0; i <= kLastPanelField; ++i) {
        e.fields.text1[i]->clear();
        e.fields.text1[i].setVisible(false);
        e.fields.label1[i]->clear();
    }
}

void showSchematic(SectionType section, SchematicElements& e, const WindowSize& window,
                   const std::function<void()>& clearDrawing) {
    azzeradati(e);
    e.label2.setVisible(true);
    e.frame3.setVisible(true);
    clearDrawing();

    const SchematicPlace& p = place(section);
    e.frame3.move(p.left * window.width, p.top * window.height);
    e.frame3.setWidth(p.width * window.width);
    e.frame3.setHeight(p.height * window.height);
    e.frame3->setTitle("Schema");

    e.picture1.setWidth(0.95 * e.frame3.width());
    e.picture1.setHeight(0.9 * e.frame3.height());
    e.picture1->loadPicture(QDir::current().filePath(p.file));
}

}  // namespace lirvo::panels
