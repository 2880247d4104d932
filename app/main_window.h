// The main window FrmVerifica and how the program hangs together:
//
//   click on a section type  -> panels/schematic   (picture, fields wiped, operation unselected)
//   click on an operation    -> panels/field_panel (captions and value fields of the case)
//   "E l a b o r a"          -> app/dispatcher -> sections/ CalcFrame::run(case, this window)
//   the calculation          -> reads and writes Text1(i) by index, boxes, notices (this class)
//   "Esegui l'Esempio", "Azzera", "Aiuto", "Fine" -> the commands below
//   "Stampa"                 -> report/ FrmStampa (particulars) -> OK -> report/ printReport
//
// The window keeps all geometry in twips through ui/, and reaches the screen and the message
// box and the printer only through the platform it is given, so tests run it with a fixed
// screen, a recorder and a PDF file.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "app/dispatcher.h"
#include "app/main_elements.h"
#include "panels/schematic_drawing.h"
#include "report/print_data_window.h"
#include "sections/frame.h"
#include "ui/element.h"
#include "ui/platform.h"

namespace lirvo::app {

class FrmVerifica : public QWidget, public CalcWindow {
    Q_OBJECT
  public:
    FrmVerifica(CalcFrame& calculations, const ui::Platform& platform);
    ~FrmVerifica() override;

    // CalcWindow: what a calculation sees of the window.
    bool exampleRequested() const override;
    std::string fieldText(int index) const override;
    void setFieldText(int index, const std::string& text) override;
    void messageBox(const std::string& prompt, MessageStyle style,
                    const std::string& title) override;
    void drawNotice(const std::string& text) override;
    void clearNotice() override;
    void resultsWritten(const CalcCase& calc) override;

    // The elements as the last load created them; "Azzera" replaces them all.
    MainElements& elements() { return *elements_; }
    const MainElements& elements() const { return *elements_; }
    // What Frame3 shows after a calculation.
    panels::SchematicDrawing& schematicDrawing() { return *schematicDrawing_; }
    const ui::Placed& placement() const { return window_; }
    // The outer width and height in whole twips, as read back at load.
    double outerWidth() const { return width_; }
    double outerHeight() const { return height_; }
    std::int16_t calculationCode() const { return calculations_.code(); }
    // The print-data window, once the first "Stampa" after a calculation has loaded it.
    report::FrmStampa* printDataWindow() const { return printData_.get(); }

  signals:
    // The window was emptied and loaded anew ("Azzera").
    void reloaded();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The load, step by step: the window on the screen, then its groups of elements.
    void load();
    void placeWindow();
    void placeChoices();
    void placeCommands();
    void placeFields();
    void placeLines();
    void placeHelpAndUnits();
    void placePrintHeading();
    void reload();
    void connectCommands();
    void setTabOrder();

    void geometriaR();
    void geometriaT();
    void geometriaP();
    void showSection(SectionType section);
    void layOutOperation(Operation operation);
    CaseChoice currentChoice() const;

    void compute();
    void exampleToggled(bool checked);
    void toggleHelp();
    void openPrintData();
    void printReport();
    void fine();

    CalcFrame& calculations_;
    ui::Platform platform_;
    ui::Placed window_;
    double width_ = 0, height_ = 0;
    std::unique_ptr<MainElements> elements_;
    panels::SchematicDrawing* schematicDrawing_ = nullptr;  // made with each load, in Frame3
    // Outlives "Azzera": the particulars typed once stay for the whole run.
    std::unique_ptr<report::FrmStampa> printData_;
};

}  // namespace lirvo::app
