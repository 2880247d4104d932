#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "app/case_document.h"
#include "app/menu_bar.h"
#include "app/notice_placement.h"
#include "app/proposal_check.h"
#include "app/steel_tooltips.h"
#include "panels/field_panel.h"
#include "panels/schematic.h"
#include "report/report_printing.h"
#include "sections/cases.h"
#include "sections/numbers.h"
#include "ui/colours.h"

namespace lirvo::app {
namespace {

using ui::kWindowColour;

// Placements as fractions of the window (of the frame for the options).
struct Fractions {
    double left, top, width, height;
};
constexpr Fractions kSectionFrame{0.05, 0.02, 0.27, 0.23};
constexpr Fractions kOperationFrame{0.68, 0.02, 0.27, 0.23};
constexpr Fractions kComputeButton{0.55, 0.82, 0.35, 0.07};
constexpr Fractions kHelpBox{0.2, 0.2, 0.6, 0.6};
constexpr Fractions kPrintHeading{0.05, 0.81, 0.9, 0.15};
// The options of a frame stand evenly from 0.3 to 0.7 of its height (three: 0.2 apart).
constexpr double kFirstOptionTop = 0.3, kLastOptionTop = 0.7;
constexpr double kOptionPoints = 12, kComputePoints = 14, kHeadingLinePoints = 12;
constexpr double kCommandButtonLefts[4] = {0.1, 0.2, 0.3, 0.4};  // Fine, Aiuto, Stampa, Azzera
constexpr double kCommandButtonsTop = 0.85;
constexpr double kExampleBoxLeft = 0.55, kExampleBoxTop = 0.75;
constexpr double kUnitNoticeLeft = 0.2, kUnitNoticeTop = 0.81;
constexpr float kCaptionWidth = 1300;  // field captions from index 2 on, until a panel sets theirs
constexpr Fractions kLines[3] = {
    {0.05, 0.3, 0.95, 0.3},  // from (left, top) to (width, height): across above the panel
    {0.5, 0.3, 0.5, 0.8},    // between the input and the result column
    {0.05, 0.8, 0.95, 0.8},  // across above the commands
};
// Notices of the column calculations stand in the result column, between the lines above and
// below the panel, where no element is: from the left of the column's captions to 0.95 W.
constexpr Fractions kNoticeArea{0.55, 0.3, 0.4, 0.5};
constexpr int kNoticeGap = 8;  // pixels clear around a notice

QString numberText(int i) {
    return QString::fromStdString(writeNumber(i));
}

template <class W>
void place(ui::Element<W>& element, const Fractions& f, double width, double height) {
    element.moveTwips(f.left * width, f.top * height);
    element.setWidthTwips(f.width * width);
    element.setHeightTwips(f.height * height);
}

}  // namespace

MainWindow::MainWindow(CalcFrame& calculations, const ui::Platform& platform)
    : calculations_(calculations), platform_(platform) {
    window_ = ui::Placed(this, platform_.screen, 0, 0);
    elements_ = createElements(this, platform_.screen);
    load();
    document_ = std::make_unique<CaseDocument>(*this, platform_);
    proposalCheck_ = new ProposalCheck(*this);
    menuBar_ = new MenuBar(*this, *document_, platform_);
    placeMenuBar();
}

MainWindow::~MainWindow() = default;

void MainWindow::load() {
    calculations_.reset();
    results_ = {};
    notices_.clear();
    setAside_.reset();
    setWindowTitle("CALCOLO DI LIRVO E PILASTRI");
    placeWindow();
    placeChoices();
    placeCommands();
    placeFields();
    placeLines();
    placeHelpAndUnits();
    placePrintHeading();
    schematicDrawing_ = new panels::SchematicDrawing(*elements_->schematicFrame.get(),
                                                     *elements_->sectionPicture.get());
    connectCommands();
    setTabOrder();
}

// 0.8 × 0.9 of the screen; every element after this is a fraction of the window as read back.
void MainWindow::placeWindow() {
    const ui::Screen& screen = platform_.screen;
    window_.setWidthTwips(0.8 * screen.widthTwips());
    window_.setHeightTwips(0.9 * screen.heightTwips());
    window_.moveTwips(0.1 * screen.widthTwips(), 0.05 * screen.heightTwips());
    width_ = std::round(window_.widthTwips());
    height_ = std::round(window_.heightTwips());
    MainElements& e = *elements_;
    e.surface->setGeometry(0, 0, window_.widget()->width(), window_.widget()->height());
    e.surface->setBackground(kWindowColour);
}

// The two frames of options; every option caption takes one size, a little smaller where one
// would be cut.
void MainWindow::placeChoices() {
    MainElements& e = *elements_;
    place(e.sectionTypeFrame, kSectionFrame, width_, height_);
    place(e.operationFrame, kOperationFrame, width_, height_);
    std::vector<ui::Placed*> options;
    const size_t sectionCount = sectionTypes().size();
    for (size_t i = 0; i < e.option.size(); ++i) {
        const bool section = i < sectionCount;
        const ui::Element<ui::Frame>& frame = section ? e.sectionTypeFrame : e.operationFrame;
        const size_t count = section ? sectionCount : operations().size();
        const double row = static_cast<double>(section ? i : i - sectionCount);
        const double spacing = count > 1 ? (kLastOptionTop - kFirstOptionTop) / (count - 1) : 0;
        ui::Element<QRadioButton>& option = e.option[i];
        option.moveTwips(0.1 * frame.widthTwips(),
                         (kFirstOptionTop + spacing * row) * frame.heightTwips());
        option.setWidthTwips(0.8 * frame.widthTwips());
        option.setBackground(kWindowColour);
        options.push_back(&option);
    }
    ui::shrinkToCommonSize(options, kOptionPoints);
    for (auto& option : e.option) {
        option.fitTextHeight(2);
        ui::unselect(option.get());
    }
    e.sectionTypeFrame.setBackground(kWindowColour);
    e.operationFrame.setBackground(kWindowColour);
}

void MainWindow::placeCommands() {
    MainElements& e = *elements_;
    place(e.computeButton, kComputeButton, width_, height_);
    ui::setPointSize(e.computeButton.get(), kComputePoints);
    e.exampleBox.moveTwips(kExampleBoxLeft * width_, kExampleBoxTop * height_);
    e.exampleBox.setBackground(kWindowColour);
    e.exampleBox.fitTextHeight(2);
    const auto buttons = e.commandButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->moveTwips(kCommandButtonLefts[i] * width_, kCommandButtonsTop * height_);
}

// Captions and value fields hidden and numbered in their tooltips until a panel shows them.
void MainWindow::placeFields() {
    MainElements& e = *elements_;
    const QString greekFamily = ui::greekCaptionFamily();
    for (int i = 0; i < panels::kCaptionCount; ++i) {
        ui::Element<QLabel>& label = e.fields.captions[i];
        label->setToolTip("captions-" + numberText(i));
        label.setVisible(false);
        label.setBackground(kWindowColour);
        if (i >= kFirstInputField) {
            QFont font = label->font();
            font.setFamily(greekFamily);
            label->setFont(font);
            label.setWidthTwips(kCaptionWidth);
        }
    }
    for (int i = 0; i < panels::kValueFieldCount; ++i) {
        e.fields.valueFields[i].setVisible(false);
        e.fields.valueFields[i]->setToolTip(numberText(i));
    }
}

void MainWindow::placeLines() {
    MainElements& e = *elements_;
    for (int i = 0; i < 3; ++i)
        e.surface->setLine(e.line[i], kLines[i].left * width_, kLines[i].top * height_,
                           kLines[i].width * width_, kLines[i].height * height_);
}

// The help box (hidden, its file read anew), the schematic frame and the unit notice.
void MainWindow::placeHelpAndUnits() {
    MainElements& e = *elements_;
    e.schematicFrame.setVisible(false);
    place(e.helpBox, kHelpBox, width_, height_);
    e.helpBox->loadRtfFile("lirvo.rtf");
    e.helpBox.setVisible(false);

    e.unitsLabel.moveTwips(kUnitNoticeLeft * width_, kUnitNoticeTop * height_);
    e.unitsLabel.setBackground(kWindowColour);
    e.unitsLabel.setPointSize(
        e.unitsLabel.fittingPointSize(e.unitsLabel->text(), e.unitsLabel->font().pointSizeF()));
    e.unitsLabel.fitTextHeight();
    e.unitsLabel.setVisible(false);
}

// The heading of the printed page: two columns of three lines, shown only while printing.
void MainWindow::placePrintHeading() {
    MainElements& e = *elements_;
    place(e.printHeading, kPrintHeading, width_, height_);
    const double FW = e.printHeading.widthTwips();
    for (int k = 0; k < 6; ++k) {
        ui::Element<QLabel>& line = e.headingLines[k];
        line.moveTwips(k < 3 ? 500 : FW / 2 + 500, 400 * (k % 3) + 200);
        line.setWidthTwips(0.8 * FW / 2);
        ui::setPointSize(line.get(), kHeadingLinePoints, true);
        line.fitTextHeight();
        // A line shrunk to the frame's bottom shows whole from the top of its box.
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        line.setBackground(e.printHeading.background());
    }
    e.printHeading.setVisible(false);
}

// The menu bar stands above the layout: the window grows by the bar's height and the surface,
// which holds every element, starts below the bar, so every position in twips keeps its place.
void MainWindow::placeMenuBar() {
    const int width = ui::toPixels(window_.widthTwips(), platform_.screen);
    const int height = ui::toPixels(window_.heightTwips(), platform_.screen);
    const int bar = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width, bar);
    menuBar_->raise();
    resize(width, height + bar);
    elements_->surface->setGeometry(0, bar, width, height);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The client area below the menu bar follows the window; the layout keeps the twips of
    // its last load.
    if (!elements_ || !menuBar_) return;
    const int bar = menuBar_->height();
    menuBar_->resize(width(), bar);
    elements_->surface->setGeometry(0, bar, width(), height() - bar);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (document_ && !document_->maySetAside())
        event->ignore();
    else
        event->accept();
}

void MainWindow::reload() {
    // The old elements go with their surface once the click that got here has returned.
    elements_->surface->hide();
    elements_->surface->deleteLater();
    elements_ = createElements(this, platform_.screen);
    load();
    placeMenuBar();
    elements_->surface->show();
    emit reloaded();
}

void MainWindow::connectCommands() {
    MainElements& e = *elements_;
    // An option acts when it becomes selected; unselecting one, by a click or a layout, runs
    // nothing.
    const auto onSelected = [this](QRadioButton* option, auto act) {
        connect(option, &QRadioButton::toggled, this, [act](bool selected) {
            if (selected) act();
        });
    };
    for (size_t i = 0; i < sectionTypes().size(); ++i)
        onSelected(e.sectionOption(i),
                   [this, type = sectionTypes()[i].type] { showSection(type); });
    for (size_t i = 0; i < operations().size(); ++i)
        onSelected(e.operationOption(i),
                   [this, op = operations()[i].operation] { layOutOperation(op); });

    connect(e.computeButton.get(), &QPushButton::clicked, this, &MainWindow::compute);
    // Return in a value field computes, as the compute button would.
    for (auto& text : e.fields.valueFields) {
        connect(text.get(), &QLineEdit::returnPressed, this, &MainWindow::compute);
        connect(text.get(), &QLineEdit::textChanged, this, &MainWindow::fieldsChanged);
    }
    connect(e.exampleBox.get(), &QCheckBox::clicked, this, &MainWindow::exampleToggled);
    connect(e.clearButton.get(), &QPushButton::clicked, this,
            [this] { document_->newCalculation(); });
    connect(e.helpButton.get(), &QPushButton::clicked, this, &MainWindow::toggleHelp);
    connect(e.helpBox.get(), &ui::RichTextBox::doubleClicked, this,
            [this] { elements_->helpBox.setVisible(false); });
    connect(e.printHeading.get(), &ui::Frame::doubleClicked, this,
            [this] { elements_->printHeading.setVisible(false); });
    connect(e.printButton.get(), &QPushButton::clicked, this, &MainWindow::openPrintData);
    connect(e.quitButton.get(), &QPushButton::clicked, this, &MainWindow::fine);
}

void MainWindow::setTabOrder() {
    MainElements& e = *elements_;
    std::vector<QWidget*> order;
    for (auto& option : e.option)
        order.push_back(option.get());
    // Inputs come before results in every case, so ascending index is the reading order.
    for (int i = kFirstInputField; i <= panels::kLastPanelField; ++i)
        order.push_back(e.fields.valueFields[i].get());
    order.insert(order.end(), {e.exampleBox.get(), e.computeButton.get()});
    for (auto* button : e.commandButtons())
        order.push_back(button->get());
    ui::chainTabOrder(order);
}

void MainWindow::showSection(SectionType section) {
    MainElements& e = *elements_;
    panels::SchematicElements schematic{e.schematicFrame, e.sectionPicture, e.unitsLabel,
                                        std::span(e.option).subspan(sectionTypes().size()),
                                        e.fields};
    panels::showSchematic(section, schematic, {width_, height_}, [this] { clearNotice(); });
    showResultState();
    schematicDrawing_->showPicture();
}

void MainWindow::layOutOperation(Operation operation) {
    panels::layOutPanel(operation, currentChoice().section, elements_->fields, {width_, height_});
    // Another case: its section is not the one drawn.
    schematicDrawing_->showPicture();
    showResultState();
}

CaseChoice MainWindow::currentChoice() const {
    CaseChoice choice;
    for (size_t i = 0; i < sectionTypes().size(); ++i)
        if (elements_->sectionOption(i)->isChecked()) choice.section = sectionTypes()[i].type;
    for (size_t i = 0; i < operations().size(); ++i)
        if (elements_->operationOption(i)->isChecked())
            choice.operation = operations()[i].operation;
    return choice;
}

const CalcCase* MainWindow::shownCase() const {
    const CaseChoice choice = currentChoice();
    return choice.section && choice.operation ? findCase(*choice.section, *choice.operation)
                                              : nullptr;
}

void MainWindow::compute() {
    written_ = nullptr;
    dispatch(currentChoice(), calculations_, *this);
    if (written_)
        results_.calculated(*written_, *this);
    else
        results_.refused();
    showResultState();
}

void MainWindow::fieldsChanged() {
    panels::fitValueFields(elements_->fields, {width_, height_});
    showResultState();
}

void MainWindow::showResultState() {
    const bool current = resultsCurrent();
    showResultsStale(elements_->fields, shownCase(), !current);
    schematicDrawing_->setStale(!current);
    showSteelTooltips(elements_->fields, shownCase(), *this, current);
    emit resultStateChanged();
}

const CalcCase* MainWindow::currentCalculation() const {
    return resultsCurrent() ? shownCase() : nullptr;
}

// Ticking empties the fields for the example, unticking leaves them; neither loses a text:
// each click sets aside what the fields show and puts back what the last click set aside for
// the same case (unticking gives the user's texts back, ticking again the example's).
void MainWindow::exampleToggled(bool checked) {
    auto& fields = elements_->fields.valueFields;
    SetAside shown{currentChoice(), {}};
    for (int i = 1; i <= panels::kLastPanelField; ++i)
        shown.texts[i] = fields[i]->text();
    const bool putBack = setAside_ && setAside_->choice == shown.choice;
    if (putBack || checked)
        for (int i = 1; i <= panels::kLastPanelField; ++i)
            fields[i]->setText(putBack ? setAside_->texts[i] : QString());
    setAside_ = shown;
}

void MainWindow::toggleHelp() {
    elements_->helpBox.setVisible(!elements_->helpBox.visible());
}

void MainWindow::openPrintData() {
    // The report is the window: it prints only results that belong to the data shown.
    if (!results_.anyCalculation()) return messageBox({kNothingCalculated});
    if (!results_.current(shownCase(), *this)) return messageBox({kStaleResults});
    const std::int16_t code = calculations_.code();
    printData().showFor(code);
}

report::PrintDataWindow& MainWindow::printData() {
    if (!printData_) {
        printData_ =
            std::make_unique<report::PrintDataWindow>(platform_, calculations_.code(), this);
        connect(printData_.get(), &report::PrintDataWindow::printRequested, this,
                &MainWindow::printReport);
        connect(printData_.get(), &report::PrintDataWindow::particularsEdited, this,
                &MainWindow::particularsEdited);
    }
    return *printData_;
}

void MainWindow::printReport() {
    MainElements& e = *elements_;
    report::ReportElements page{
        .window = *e.surface,  // the window below its menu bar
        .surface = *e.surface,
        .frames = {&e.sectionTypeFrame, &e.operationFrame, &e.schematicFrame, &e.printHeading},
        .exampleBox = e.exampleBox,
        .heading = e.printHeading,
        .headingLinePoints = kHeadingLinePoints};
    for (auto& option : e.option)
        page.options.push_back(&option);
    for (auto& caption : e.fields.captions)
        page.captions.push_back(&caption);
    for (int k = 0; k < 6; ++k)
        page.headingLines[k] = &e.headingLines[k];
    const CalcCase* calc = caseOfCode(calculations_.code());
    const std::optional<QString> saved = report::printReport(
        page, printData_->particulars(), calc ? calc->section : SectionType::kRectangular,
        document_->dialogFolder(), platform_, printData_.get());
    if (saved) document_->folderUsed(*saved);
}

void MainWindow::fine() {
    if (!close()) return;  // the question about a changed case file was cancelled
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

bool MainWindow::exampleRequested() const {
    return elements_->exampleBox->checkState() == Qt::Checked;
}

std::string MainWindow::fieldText(int index) const {
    return elements_->fields.valueFields.at(index)->text().toStdString();
}

void MainWindow::setFieldText(int index, const std::string& text) {
    QLineEdit* field = elements_->fields.valueFields.at(index).get();
    field->setText(QString::fromStdString(text));
    field->setCursorPosition(0);  // a long number shows its leading digits
}

void MainWindow::messageBox(const Message& message) {
    platform_.messages.show(this, message.prompt, message.style, message.title);
    if (message.field == kNoField) return;
    QLineEdit* field = elements_->fields.valueFields.at(message.field).get();
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void MainWindow::drawNotice(const std::string& text) {
    notices_ << QString::fromStdString(text);
    MainElements& e = *elements_;
    e.surface->clearDrawing();
    const ui::Screen& s = platform_.screen;
    const QRect area(
        ui::toPixels(kNoticeArea.left * width_, s), ui::toPixels(kNoticeArea.top * height_, s),
        ui::toPixels(kNoticeArea.width * width_, s), ui::toPixels(kNoticeArea.height * height_, s));
    // The help box and the print heading stand over the panel only for a while.
    const NoticePlace place =
        placeNotice(notices_, area, *e.surface, {e.helpBox.get(), e.printHeading.get()}, kNoticeGap,
                    s.twipsPerPixel());
    for (qsizetype i = 0; i < notices_.size(); ++i)
        e.surface->drawText(place.left, place.top + i * place.lineStep, notices_[i], place.look);
}

void MainWindow::clearNotice() {
    notices_.clear();
    elements_->surface->clearDrawing();
}

void MainWindow::resultsWritten(const CalcCase& calc) {
    written_ = &calc;
    schematicDrawing_->showDrawing(analyseRun(calc, *this));
}

}  // namespace lirvo::app
