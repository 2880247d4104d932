// The main window MainWindow and how the program hangs together:
//
//   the options              -> one per row of sections/choices (section types, operations)
//   click on a section type  -> panels/schematic   (picture, fields wiped, operation unselected)
//   click on an operation    -> panels/field_panel (captions and value fields of the case)
//   "E l a b o r a"          -> app/dispatcher -> sections/ CalcFrame::run(case, this window)
//   the calculation          -> reads and writes value field i by index, boxes, notices (this
//   class);
//                               a refused datum's field takes the focus after its box
//   "Esegui l'Esempio", "Azzera", "Aiuto", "Fine" -> the commands below
//   "Stampa"                 -> report/ PrintDataWindow (particulars) -> OK -> report/ printReport,
//                               only while the results belong to the data (app/result_state)
//   the menu bar             -> app/menu_bar: the commands above, and the case file's
//                               commands in app/case_document (open, save, modified mark),
//                               the check of a design's proposed bars in app/proposal_check
//   "Calcolo" › "Verifica SLU…" -> app/uls_command -> slu/ UlsWindow on the current results
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
#include "app/result_state.h"
#include "panels/schematic_drawing.h"
#include "report/print_data_window.h"
#include "sections/frame.h"
#include "ui/element.h"
#include "ui/platform.h"

namespace lirvo::app {

class CaseDocument;
class MenuBar;
class ProposalCheck;

class MainWindow : public QWidget, public CalcWindow {
    Q_OBJECT
  public:
    MainWindow(CalcFrame& calculations, const ui::Platform& platform);
    ~MainWindow() override;

    // CalcWindow: what a calculation sees of the window.
    bool exampleRequested() const override;
    std::string fieldText(int index) const override;
    void setFieldText(int index, const std::string& text) override;
    // Once the user has closed the box, a refused datum's field takes the keyboard focus with
    // its text selected, ready to be typed over.
    void messageBox(const Message& message) override;
    void drawNotice(const std::string& text) override;
    void clearNotice() override;
    void resultsWritten(const CalcCase& calc) override;

    // The elements as the last load created them; "Azzera" replaces them all.
    MainElements& elements() { return *elements_; }
    const MainElements& elements() const { return *elements_; }
    // What the schematic frame shows after a calculation.
    panels::SchematicDrawing& schematicDrawing() { return *schematicDrawing_; }
    const ui::Placed& placement() const { return window_; }
    // The outer width and height in whole twips, as read back at load.
    double outerWidth() const { return width_; }
    double outerHeight() const { return height_; }
    std::int16_t calculationCode() const { return calculations_.code(); }
    // The print-data window, once it is loaded: by the first "Stampa" after a calculation, or
    // by a case file opened or saved.
    report::PrintDataWindow* printDataWindow() const { return printData_.get(); }
    // The print-data window, loaded (hidden) if it was not yet.
    report::PrintDataWindow& printData();
    CaseDocument& caseDocument() { return *document_; }
    MenuBar& menuBar() { return *menuBar_; }
    ProposalCheck& proposalCheck() { return *proposalCheck_; }
    CaseChoice currentChoice() const;
    // The case of the last calculation while its results are current; nullptr otherwise.
    const CalcCase* currentCalculation() const;
    // The case the options pick now; nullptr while they pick none.
    const CalcCase* shownCase() const;
    // Whether the results on the window belong to the data beside them (app/result_state.h).
    bool resultsCurrent() const { return results_.current(shownCase(), *this); }

    // Empties the window and loads it anew, without asking about its case file.
    void reload();
    // "Fine": closes the window, unless the question about its case file is cancelled, and
    // ends the program.
    void fine();

  signals:
    // The window was emptied and loaded anew ("Azzera", "Nuovo", opening a case file).
    void reloaded();
    // The user changed a particular in the print-data window.
    void particularsEdited();
    // The results may have become current or stale (a run, an edit, another case).
    void resultStateChanged();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

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
    void placeMenuBar();
    void connectCommands();
    void setTabOrder();

    void showSection(SectionType section);
    void layOutOperation(Operation operation);
    // After any change of a value field: one size for each column, results grey while stale.
    void fieldsChanged();
    void showResultState();

    void compute();
    void exampleToggled(bool checked);
    void toggleHelp();
    void openPrintData();
    void printReport();

    CalcFrame& calculations_;
    ui::Platform platform_;
    ui::Placed window_;
    double width_ = 0, height_ = 0;
    std::unique_ptr<MainElements> elements_;
    ResultState results_;
    QStringList notices_;                // drawn since the last clear, top to bottom
    const CalcCase* written_ = nullptr;  // the case whose results the last run wrote
    // The texts of fields 1 to 16 the example box set aside at its last click, with the case
    // they belong to: the user's while it is ticked, the example's after it is unticked.
    struct SetAside {
        CaseChoice choice;
        std::array<QString, kFieldCount> texts;
    };
    std::optional<SetAside> setAside_;
    panels::SchematicDrawing* schematicDrawing_ =
        nullptr;  // made with each load, in the schematic frame
    // Outlives "Azzera": the particulars typed once stay for the whole run.
    std::unique_ptr<report::PrintDataWindow> printData_;
    std::unique_ptr<CaseDocument> document_;
    ProposalCheck* proposalCheck_ = nullptr;  // a child of the window
    MenuBar* menuBar_ = nullptr;              // a child of the window
};

}  // namespace lirvo::app
