#include "main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "colours.h"
#include "field_panel.h"
#include "numbers.h"
#include "report_printing.h"
#include "schematic.h"

namespace lirvo::app {
namespace {

using ui::kWindowColour;

// Placements as fractions of the window (of the frame for the options).
struct Fractions {
    double left, top, width, height;
};
constexpr Fractions kSectionFrame{0.05, 0.02, 0.27, 0.23};
constexpr Fractions kOperationFrame{0.68, 0.02, 0.27, 0.23};
constexpr double kOptionTops[3] = {0.3, 0.5, 0.7};
constexpr double kButtonLefts[4] = {0.1, 0.2, 0.3, 0.4};  // Fine, Aiuto, Stampa, Azzera
constexpr Fractions kLines[3] = {
    {0.05, 0.3, 0.95, 0.3},  // from (left, top) to (width, height): across above the panel
    {0.5, 0.3, 0.5, 0.8},    // between the input and the result column
    {0.05, 0.8, 0.95, 0.8},  // across above the commands
};
// Notices of the column calculations are drawn here, as fractions of the drawing area.
constexpr double kNoticeLeft = 0.6, kNoticeTop = 0.75;

void setPointSize(QWidget* widget, int points, bool bold = false) {
    QFont font = widget->font();
    font.setPointSize(points);
    font.setBold(bold);
    widget->setFont(font);
}

QString numberText(int i) {
    return QString::fromStdString(writeNumber(i));
}

template <class W>
void place(ui::Element<W>& element, const Fractions& f, double width, double height) {
    element.move(f.left * width, f.top * height);
    element.setWidth(f.width * width);
    element.setHeight(f.height * height);
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
    MainElements& e = *elements_;
    calculations_.reset();
    setWindowTitle("CALCOLO DI LIRVO E PILASTRI");

    const ui::Screen& screen = platform_.screen;
    window_.setWidth(0.8 * screen.widthTwips());
    window_.setHeight(0.9 * screen.heightTwips());
    window_.move(0.1 * screen.widthTwips(), 0.05 * screen.heightTwips());
    width_ = std::round(window_.width());
    height_ = std::round(window_.height());
    const double W = width_, H = height_;
    e.surface->setGeometry(0, 0, window_.widget()->width(), window_.widget()->height());
    e.surface->setBackground(kWindowColour);

    place(e.frame1, kSectionFrame, W, H);
    place(e.frame2, kOperationFrame, W, H);
    for (int i = 0; i < 6; ++i) {
        const ui::Element<ui::Frame>& frame = i < 3 ? e.frame1 : e.frame2;
        ui::Element<QRadioButton>& option = e.option[i];
        option.move(0.1 * frame.width(), kOptionTops[i % 3] * frame.height());
        option.setWidth(0.8 * frame.width());
        option.setBackground(kWindowColour);
    }
    // Option captions at 12 points, all a little smaller where one would be cut.
    double optionPoints = 12;
    for (const auto& option : e.option)
        optionPoints = std::min(optionPoints, option.fittingPointSize(option->text(), 12));
    for (auto& option : e.option) {
        option.setPointSize(optionPoints);
        option.fitTextHeight(2);
    }
    e.frame1.setBackground(kWindowColour);
    e.frame2.setBackground(kWindowColour);

    for (auto& text : e.fields.text1)
        text.setVisible(false);

    place(e.cmdelab, {0.55, 0.82, 0.35, 0.07}, W, H);
    setPointSize(e.cmdelab.get(), 14);
    e.ckes.move(0.55 * W, 0.75 * H);
    e.ckes.setBackground(kWindowColour);
    e.ckes.fitTextHeight(2);
    ui::Element<QPushButton>* buttons[4] = {&e.cmdFine, &e.cmdAiuto, &e.cmdStampa, &e.cmdAzzera};
    for (int i = 0; i < 4; ++i)
        buttons[i]->move(kButtonLefts[i] * W, 0.85 * H);

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
            label.setWidth(1300);
        }
        if (i < panels::kValueFieldCount) {
            e.fields.text1[i].setVisible(false);
            e.fields.text1[i]->setToolTip(numberText(i));
        }
    }

    for (int i = 0; i < 3; ++i)
        e.surface->setLine(e.line[i], kLines[i].left * W, kLines[i].top * H, kLines[i].width * W,
                           kLines[i].height * H);

    for (int i = 0; i < 6; ++i)
        ui::unselect(e.option[i].get());
    e.frame3.setVisible(false);

    place(e.rtb1, {0.2, 0.2, 0.6, 0.6}, W, H);
    e.rtb1->loadRtfFile("lirvo.rtf");
    e.rtb1.setVisible(false);

    e.label2.move(0.2 * W, 0.81 * H);
    e.label2.setBackground(kWindowColour);
    e.label2.setPointSize(
        e.label2.fittingPointSize(e.label2->text(), e.label2->font().pointSizeF()));
    e.label2.fitTextHeight();
    e.label2.setVisible(false);

    place(e.frame4, {0.05, 0.81, 0.9, 0.15}, W, H);
    const double FW = e.frame4.width();
    for (int k = 0; k < 6; ++k) {
        ui::Element<QLabel>& line = e.label3[k];
        line.move(k < 3 ? 500 : FW / 2 + 500, 400 * (k % 3) + 200);
        line.setWidth(0.8 * FW / 2);
        setPointSize(line.get(), 12, true);
        line.fitTextHeight();
        line.setBackground(e.frame4.background());
    }
    e.frame4.setVisible(false);

    connectCommands();
    setTabOrder();
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
        if (on) layOutOperation(panels::Operation::kCheck);
    });
    connect(e.operationOption(1), &QRadioButton::toggled, this, [this](bool on) {
        if (on) layOutOperation(panels::Operation::kDesign);
    });
    connect(e.operationOption(2), &QRadioButton::toggled, this, [this](bool on) {
        if (on) layOutOperation(panels::Operation::kSemiDesign);
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
    order.insert(order.end(), {e.ckes.get(), e.cmdelab.get(), e.cmdFine.get(), e.cmdAiuto.get(),
                               e.cmdStampa.get(), e.cmdAzzera.get()});
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FrmVerifica::geometriaR() {
    showSection(panels::SectionType::kRectangular);
}

void FrmVerifica::geometriaT() {
    showSection(panels::SectionType::kTee);
}

void FrmVerifica::geometriaP() {
    showSection(panels::SectionType::kColumn);
}

void FrmVerifica::showSection(panels::SectionType section) {
    MainElements& e = *elements_;
    panels::SchematicElements schematic{
        e.frame3,
        e.picture1,
        e.label2,
        {e.operationOption(0), e.operationOption(1), e.operationOption(2)},
        e.fields};
    panels::showSchematic(section, schematic, {width_, height_},
                          [&e] { e.surface->clearDrawing(); });
}

void FrmVerifica::layOutOperation(panels::Operation operation) {
    panels::layOutPanel(operation, currentChoice().section, elements_->fields, {width_, height_});
}

CaseChoice FrmVerifica::currentChoice() const {
    CaseChoice choice;
    for (int i = 0; i < 3; ++i) {
        if (elements_->sectionOption(i)->isChecked())
            choice.section = static_cast<panels::SectionType>(i);
        if (elements_->operationOption(i)->isChecked())
            choice.operation = static_cast<panels::Operation>(i);
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

void FrmVerifica::messageBox(const std::string& prompt, int style, const std::string& title) {
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

}  // namespace lirvo::app
