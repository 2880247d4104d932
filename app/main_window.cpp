#include "app/main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "panels/field_panel.h"
#include "panels/schematic.h"
#include "report/report_printing.h"
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
constexpr double kOptionTops[3] = {0.3, 0.5, 0.7};
constexpr double kOptionPoints = 12, kComputePoints = 14, kHeadingLinePoints = 12;
constexpr double kCommandButtonLefts[4] = {0.1, 0.2, 0.3, 0.4};  // Fine, Aiuto, Stampa, Azzera
constexpr double kCommandButtonsTop = 0.85;
constexpr double kExampleBoxLeft = 0.55, kExampleBoxTop = 0.75;
constexpr double kUnitNoticeLeft = 0.2, kUnitNoticeTop = 0.81;
constexpr float kCaptionWidth = 1300;  // captions from Label1(2) on, until a panel sets theirs
constexpr Fractions kLines[3] = {
    {0.05, 0.3, 0.95, 0.3},  // from (left, top) to (width, height): across above the panel
    {0.5, 0.3, 0.5, 0.8},    // between the input and the result column
    {0.05, 0.8, 0.95, 0.8},  // across above the commands
};
// Notices of the column calculations are drawn here, as fractions of the drawing area.
constexpr double kNoticeLeft = 0.6, kNoticeTop = 0.75;

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

FrmVerifica::FrmVerifica(CalcFrame& calculations, const ui::Platform& platform)
    : calculations_(calculations), platform_(platform) {
    window_ = ui::Placed(this, platform_.screen, 0, 0);
    elements_ = createElements(this, platform_.screen);
    load();
}

FrmVerifica::~FrmVerifica() = default;

void FrmVerifica::load() {
    calculations_.reset();
    setWindowTitle("CALCOLO DI LIRVO E PILASTRI");
    placeWindow();
    placeChoices();
    placeCommands();
    placeFields();
    placeLines();
    placeHelpAndUnits();
    placePrintHeading();
    schematicDrawing_ =
        new panels::SchematicDrawing(*elements_->frame3.get(), *elements_->picture1.get());
    connectCommands();
    setTabOrder();
}

// 0.8 × 0.9 of the screen; every element after this is a fraction of the window as read back.
void FrmVerifica::placeWindow() {
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
void FrmVerifica::placeChoices() {
    MainElements& e = *elements_;
    place(e.frame1, kSectionFrame, width_, height_);
    place(e.frame2, kOperationFrame, width_, height_);
    std::vector<ui::Placed*> options;
    for (int i = 0; i < 6; ++i) {
        const ui::Element<ui::Frame>& frame = i < 3 ? e.frame1 : e.frame2;
        ui::Element<QRadioButton>& option = e.option[i];
        option.moveTwips(0.1 * frame.widthTwips(), kOptionTops[i % 3] * frame.heightTwips());
        option.setWidthTwips(0.8 * frame.widthTwips());
        option.setBackground(kWindowColour);
        options.push_back(&option);
    }
    ui::shrinkToCommonSize(options, kOptionPoints);
    for (auto& option : e.option) {
        option.fitTextHeight(2);
        ui::unselect(option.get());
    }
    e.frame1.setBackground(kWindowColour);
    e.frame2.setBackground(kWindowColour);
}

void FrmVerifica::placeCommands() {
    MainElements& e = *elements_;
    place(e.cmdelab, kComputeButton, width_, height_);
    ui::setPointSize(e.cmdelab.get(), kComputePoints);
    e.ckes.moveTwips(kExampleBoxLeft * width_, kExampleBoxTop * height_);
    e.ckes.setBackground(kWindowColour);
    e.ckes.fitTextHeight(2);
    const auto buttons = e.commandButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->moveTwips(kCommandButtonLefts[i] * width_, kCommandButtonsTop * height_);
}

// Captions and value fields hidden and numbered in their tooltips until a panel shows them.
void FrmVerifica::placeFields() {
    MainElements& e = *elements_;
    const QString greekFamily = ui::greekCaptionFamily();
    for (int i = 0; i < panels::kCaptionCount; ++i) {
        ui::Element<QLabel>& label = e.fields.label1[i];
        label->setToolTip("label1-" + numberText(i));
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
        e.fields.text1[i].setVisible(false);
        e.fields.text1[i]->setToolTip(numberText(i));
    }
}

void FrmVerifica::placeLines() {
    MainElements& e = *elements_;
    for (int i = 0; i < 3; ++i)
        e.surface->setLine(e.line[i], kLines[i].left * width_, kLines[i].top * height_,
                           kLines[i].width * width_, kLines[i].height * height_);
}

// The help box (hidden, its file read anew), the schematic frame and the unit notice.
void FrmVerifica::placeHelpAndUnits() {
    MainElements& e = *elements_;
    e.frame3.setVisible(false);
    place(e.rtb1, kHelpBox, width_, height_);
    e.rtb1->loadRtfFile("lirvo.rtf");
    e.rtb1.setVisible(false);

    e.label2.moveTwips(kUnitNoticeLeft * width_, kUnitNoticeTop * height_);
    e.label2.setBackground(kWindowColour);
    e.label2.setPointSize(
        e.label2.fittingPointSize(e.label2->text(), e.label2->font().pointSizeF()));
    e.label2.fitTextHeight();
    e.label2.setVisible(false);
}

// The heading of the printed page: two columns of three lines, shown only while printing.
void FrmVerifica::placePrintHeading() {
    MainElements& e = *elements_;
    place(e.frame4, kPrintHeading, width_, height_);
    const double FW = e.frame4.widthTwips();
    for (int k = 0; k < 6; ++k) {
        ui::Element<QLabel>& line = e.label3[k];
        line.moveTwips(k < 3 ? 500 : FW / 2 + 500, 400 * (k % 3) + 200);
        line.setWidthTwips(0.8 * FW / 2);
        ui::setPointSize(line.get(), kHeadingLinePoints, true);
        line.fitTextHeight();
        line.setBackground(e.frame4.background());
    }
    e.frame4.setVisible(false);
}

void FrmVerifica::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The client area follows the window; the layout keeps the twips of its last load.
    if (elements_) elements_->surface->resize(size());
}

void FrmVerifica::reload() {
    // The old elements go with their surface once the click that got here has returned.
    elements_->surface->hide();
    elements_->surface->deleteLater();
    elements_ = createElements(this, platform_.screen);
    load();
    elements_->surface->show();
    emit reloaded();
}

void FrmVerifica::connectCommands() {
    MainElements& e = *elements_;
    const auto onSelected = [this](QRadioButton* option, void (FrmVerifica::*procedure)()) {
        connect(option, &QRadioButton::toggled, this, [this, procedure](bool selected) {
            if (selected) (this->*procedure)();
        });
    };
    onSelected(e.sectionOption(0), &FrmVerifica::geometriaR);
    onSelected(e.sectionOption(1), &FrmVerifica::geometriaT);
    onSelected(e.sectionOption(2), &FrmVerifica::geometriaP);
    connect(e.operationOption(0), &QRadioButton::toggled, this, [this](bool on) {
        if (on) layOutOperation(Operation::kCheck);
    });
    connect(e.operationOption(1), &QRadioButton::toggled, this, [this](bool on) {
        if (on) layOutOperation(Operation::kDesign);
    });
    connect(e.operationOption(2), &QRadioButton::toggled, this, [this](bool on) {
        if (on) layOutOperation(Operation::kSemiDesign);
    });

    connect(e.cmdelab.get(), &QPushButton::clicked, this, &FrmVerifica::compute);
    // Return in a value field computes, as the compute button would.
    for (auto& text : e.fields.text1)
        connect(text.get(), &QLineEdit::returnPressed, this, &FrmVerifica::compute);
    connect(e.ckes.get(), &QCheckBox::clicked, this, &FrmVerifica::exampleToggled);
    connect(e.cmdAzzera.get(), &QPushButton::clicked, this, &FrmVerifica::reload);
    connect(e.cmdAiuto.get(), &QPushButton::clicked, this, &FrmVerifica::toggleHelp);
    connect(e.rtb1.get(), &ui::RichTextBox::doubleClicked, this,
            [this] { elements_->rtb1.setVisible(false); });
    connect(e.frame4.get(), &ui::Frame::doubleClicked, this,
            [this] { elements_->frame4.setVisible(false); });
    connect(e.cmdStampa.get(), &QPushButton::clicked, this, &FrmVerifica::openPrintData);
    connect(e.cmdFine.get(), &QPushButton::clicked, this, &FrmVerifica::fine);
}

void FrmVerifica::setTabOrder() {
    MainElements& e = *elements_;
    std::vector<QWidget*> order;
    for (auto& option : e.option)
        order.push_back(option.get());
    // Inputs come before results in every case, so ascending index is the reading order.
    for (int i = kFirstInputField; i <= panels::kLastPanelField; ++i)
        order.push_back(e.fields.text1[i].get());
    order.insert(order.end(), {e.ckes.get(), e.cmdelab.get()});
    for (auto* button : e.commandButtons())
        order.push_back(button->get());
    ui::chainTabOrder(order);
}

void FrmVerifica::geometriaR() {
    showSection(SectionType::kRectangular);
}

void FrmVerifica::geometriaT() {
    showSection(SectionType::kTee);
}

void FrmVerifica::geometriaP() {
    showSection(SectionType::kColumn);
}

void FrmVerifica::showSection(SectionType section) {
    MainElements& e = *elements_;
    panels::SchematicElements schematic{
        e.frame3,
        e.picture1,
        e.label2,
        {e.operationOption(0), e.operationOption(1), e.operationOption(2)},
        e.fields};
    panels::showSchematic(section, schematic, {width_, height_},
                          [&e] { e.surface->clearDrawing(); });
    schematicDrawing_->showPicture();
}

void FrmVerifica::layOutOperation(Operation operation) {
    panels::layOutPanel(operation, currentChoice().section, elements_->fields, {width_, height_});
}

CaseChoice FrmVerifica::currentChoice() const {
    CaseChoice choice;
    for (int i = 0; i < 3; ++i) {
        if (elements_->sectionOption(i)->isChecked()) choice.section = static_cast<SectionType>(i);
        if (elements_->operationOption(i)->isChecked())
            choice.operation = static_cast<Operation>(i);
    }
    return choice;
}

void FrmVerifica::compute() {
    dispatch(currentChoice(), calculations_, *this);
}

void FrmVerifica::exampleToggled(bool checked) {
    if (!checked) return;
    for (int i = 1; i <= panels::kLastPanelField; ++i)
        elements_->fields.text1[i]->clear();
}

void FrmVerifica::toggleHelp() {
    elements_->rtb1.setVisible(!elements_->rtb1.visible());
}

void FrmVerifica::openPrintData() {
    const std::int16_t code = calculations_.code();
    if (code == 0) return;  // nothing calculated yet: nothing to print
    if (!printData_) {
        printData_ = std::make_unique<report::FrmStampa>(platform_, code, this);
        connect(printData_.get(), &report::FrmStampa::printRequested, this,
                &FrmVerifica::printReport);
    }
    printData_->showFor(code);
}

void FrmVerifica::printReport() {
    MainElements& e = *elements_;
    report::ReportElements page{.window = *this,
                                .surface = *e.surface,
                                .frames = {&e.frame1, &e.frame2, &e.frame3, &e.frame4},
                                .exampleBox = e.ckes,
                                .heading = e.frame4};
    for (auto& option : e.option)
        page.options.push_back(&option);
    for (auto& caption : e.fields.label1)
        page.captions.push_back(&caption);
    for (int k = 0; k < 6; ++k)
        page.headingLines[k] = e.label3[k].get();
    report::printReport(page, printData_->particulars(), platform_, printData_.get());
}

void FrmVerifica::fine() {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

bool FrmVerifica::exampleRequested() const {
    return elements_->ckes->checkState() == Qt::Checked;
}

std::string FrmVerifica::fieldText(int index) const {
    return elements_->fields.text1.at(index)->text().toStdString();
}

void FrmVerifica::setFieldText(int index, const std::string& text) {
    QLineEdit* field = elements_->fields.text1.at(index).get();
    field->setText(QString::fromStdString(text));
    field->setCursorPosition(0);  // a long number shows its leading digits
}

void FrmVerifica::messageBox(const std::string& prompt, MessageStyle style,
                             const std::string& title) {
    platform_.messages.show(this, prompt, style, title);
}

void FrmVerifica::drawNotice(const std::string& text) {
    clearNotice();
    elements_->surface->drawText(static_cast<float>(kNoticeLeft * width_),
                                 static_cast<float>(kNoticeTop * height_),
                                 QString::fromStdString(text));
}

void FrmVerifica::clearNotice() {
    elements_->surface->clearDrawing();
}

void FrmVerifica::resultsWritten(const CalcCase& calc) {
    schematicDrawing_->showDrawing(analyseCase(calc, fieldValues(calc, *this)));
}

}  // namespace lirvo::app
