#include "panels/schematic.h"

#include <QDir>

#include "ui/qt_text.h"

namespace lirvo::panels {
void wipeFields(SchematicElements& e) {
    for (auto& option : e.operations)
        ui::unselect(option.get());
    for (int i = 0; i <= kLastPanelField; ++i) {
        e.fields.valueFields[i]->clear();
        e.fields.valueFields[i].setVisible(false);
        e.fields.captions[i]->clear();
    }
}

void showSchematic(SectionType section, SchematicElements& e, const WindowSize& window,
                   const std::function<void()>& clearDrawing) {
    wipeFields(e);
    e.unitsLabel.setVisible(true);
    e.schematicFrame.setVisible(true);
    clearDrawing();

    const SectionTypeInfo& info = sectionTypeInfo(section);
    const SchematicPlace& p = info.schematic;
    e.schematicFrame.moveTwips(p.left * window.width, p.top * window.height);
    e.schematicFrame.setWidthTwips(p.width * window.width);
    e.schematicFrame.setHeightTwips(p.height * window.height);
    e.schematicFrame->setTitle("Schema");

    e.sectionPicture.setWidthTwips(0.95 * e.schematicFrame.widthTwips());
    e.sectionPicture.setHeightTwips(0.9 * e.schematicFrame.heightTwips());
    e.sectionPicture->loadPicture(QDir::current().filePath(toQString(info.pictureFile)));
}

}  // namespace lirvo::panels
