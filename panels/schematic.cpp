#include "panels/schematic.h"

#include <QDir>

namespace lirvo::panels {
namespace {

struct SchematicPlace {
    double left, top, width, height;  // fractions of the window
};

// The column's frame is wider and taller and starts almost at the top edge.
constexpr SchematicPlace kPlaces[] = {
    {0.35, 0.02, 0.3, 0.25},
    {0.35, 0.02, 0.3, 0.25},
    {0.3, 0.001, 0.39, 0.3},
};

const SchematicPlace& place(SectionType section) {
    return kPlaces[static_cast<int>(section)];
}

}  // namespace

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
    e.frame3.moveTwips(p.left * window.width, p.top * window.height);
    e.frame3.setWidthTwips(p.width * window.width);
    e.frame3.setHeightTwips(p.height * window.height);
    e.frame3->setTitle("Schema");

    e.picture1.setWidthTwips(0.95 * e.frame3.widthTwips());
    e.picture1.setHeightTwips(0.9 * e.frame3.heightTwips());
    const std::string_view file = sectionTypeInfo(section).pictureFile;
    e.picture1->loadPicture(
        QDir::current().filePath(QString::fromUtf8(file.data(), static_cast<int>(file.size()))));
}

}  // namespace lirvo::panels
