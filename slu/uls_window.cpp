#include "slu/uls_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "slu/uls_case.h"
#include "slu/uls_figure.h"

namespace lirvo::slu {
namespace {

using enum UlsKey;

constexpr char kTitle[] = "Verifica allo stato limite ultimo (NTC 2018)";
constexpr char kStale[] =
    "I risultati del calcolo non corrispondono più ai dati: ripetere il calcolo e riaprire la "
    "verifica SLU.";
constexpr char kActionsNote[] =
    "Proposte dal calcolo (M e N): sono azioni di progetto solo se già combinate e "
    "amplificate. Confermarle o correggerle.";
const QColor kRefused(139, 0, 0);  // dark red: a refusal, a check not satisfied

QLineEdit* edit(const QString& tip) {
    auto* e = new QLineEdit;
    e->setToolTip(tip);
    e->setMaximumWidth(110);
    return e;
}

void put(QLineEdit* e, const std::optional<std::string>& text) {
    e->setText(text ? QString::fromStdString(*text) : QString());
}

std::string taken(const QLineEdit* e) {
    return e->text().toStdString();
}

}  // namespace

UlsWindow::UlsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(kTitle);
    auto* inputs = new QVBoxLayout;
    inputs->addWidget(materialsGroup());
    strengths_ = new QLabel;
    strengths_->setWordWrap(true);
    inputs->addWidget(strengths_);
    inputs->addWidget(actionsGroup());
    verify_ = new QPushButton("&Verifica");
    inputs->addWidget(verify_);
    refusal_ = new QLabel;
    refusal_->setWordWrap(true);
    QPalette red = refusal_->palette();
    red.setColor(QPalette::WindowText, kRefused);
    refusal_->setPalette(red);
    inputs->addWidget(refusal_);
    inputs->addStretch(1);

    figure_ = new UlsFigure;
    figure_->setMinimumSize(300, 200);
    results_ = new QTableWidget(0, 3);
    results_->setHorizontalHeaderLabels({"Grandezza", "Valore", "SI"});
    results_->verticalHeader()->hide();
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->horizontalHeader()->setStretchLastSection(true);
    verdict_ = new QLabel;
    QFont bold = verdict_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    verdict_->setFont(bold);
    auto* outputs = new QVBoxLayout;
    outputs->addWidget(figure_, 3);
    outputs->addWidget(results_, 2);
    outputs->addWidget(verdict_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(inputs, 0);
    layout->addLayout(outputs, 1);
    resize(980, 680);

    connect(verify_, &QPushButton::clicked, this, &UlsWindow::verify);
    for (QLineEdit* e : {concrete_, alphaCc_, gammaC_, gammaS_, fcm_, fym_, ned_, med_}) {
        connect(e, &QLineEdit::textChanged, this, &UlsWindow::showStrengths);
        connect(e, &QLineEdit::returnPressed, this, &UlsWindow::verify);
    }
    for (QComboBox* c : {concreteKind_, steelGrade_, level_})
        connect(c, &QComboBox::currentIndexChanged, this, &UlsWindow::showStrengths);
    connect(newConstruction_, &QRadioButton::toggled, this, [this](bool on) {
        modes_->setCurrentIndex(on ? 0 : 1);
        showStrengths();
    });
}

QWidget* UlsWindow::materialsGroup() {
    auto* group = new QGroupBox("Materiali");
    newConstruction_ = new QRadioButton("&Nuova costruzione");
    existing_ = new QRadioButton("&Edificio esistente");
    newConstruction_->setChecked(true);

    auto* fresh = new QWidget;
    auto* f = new QFormLayout(fresh);
    concreteKind_ = new QComboBox;
    concreteKind_->addItems({"Rck", "fck"});
    concrete_ = edit("resistenza caratteristica cubica Rck o cilindrica fck, Kg/cmq");
    auto* concreteRow = new QHBoxLayout;
    concreteRow->addWidget(concreteKind_);
    concreteRow->addWidget(concrete_);
    concreteRow->addWidget(new QLabel("Kg/cmq"));
    f->addRow("Calcestruzzo", concreteRow);
    steelGrade_ = new QComboBox;
    steelGrade_->addItems(QString::fromStdString(steelGradeNames()).split(", "));
    f->addRow("Acciaio", steelGrade_);
    gammaC_ = edit("coefficiente parziale del calcestruzzo (NTC 2018: 1.5)");
    alphaCc_ = edit("coefficiente delle resistenze di lunga durata (NTC 2018: 0.85)");
    gammaS_ = edit("coefficiente parziale dell'acciaio (NTC 2018: 1.15)");
    f->addRow("γc", gammaC_);
    f->addRow("αcc", alphaCc_);
    f->addRow("γs", gammaS_);

    auto* old = new QWidget;
    auto* o = new QFormLayout(old);
    fcm_ = edit("resistenza media del calcestruzzo in situ, Kg/cmq");
    fym_ = edit("tensione media di snervamento dell'acciaio, Kg/cmq");
    level_ = new QComboBox;
    level_->addItems({"LC1 (FC 1.35)", "LC2 (FC 1.20)", "LC3 (FC 1.00)"});
    o->addRow("fcm (Kg/cmq)", fcm_);
    o->addRow("fym (Kg/cmq)", fym_);
    o->addRow("Conoscenza", level_);

    modes_ = new QStackedWidget;
    modes_->addWidget(fresh);
    modes_->addWidget(old);
    auto* layout = new QVBoxLayout(group);
    auto* choice = new QHBoxLayout;
    choice->addWidget(newConstruction_);
    choice->addWidget(existing_);
    layout->addLayout(choice);
    layout->addWidget(modes_);
    return group;
}

QWidget* UlsWindow::actionsGroup() {
    auto* group = new QGroupBox("Azioni di progetto");
    auto* f = new QFormLayout(group);
    med_ = edit("momento flettente di progetto, Kgcm, positivo se comprime il lembo superiore");
    ned_ = edit("sforzo normale di progetto, Kg, compressione positiva, a metà altezza");
    f->addRow("M_Ed (Kgcm)", med_);
    f->addRow("N_Ed (Kg)", ned_);
    auto* note = new QLabel(kActionsNote);
    note->setWordWrap(true);
    f->addRow(note);
    return group;
}

QLineEdit* UlsWindow::field(UlsKey key) const {
    switch (key) {
        case kRck:
        case kFck:
            return concrete_;
        case kAcc:
            return alphaCc_;
        case kGc:
            return gammaC_;
        case kGs:
            return gammaS_;
        case kFcm:
            return fcm_;
        case kFym:
            return fym_;
        case kNed:
            return ned_;
        case kMed:
            return med_;
        default:
            return nullptr;
    }
}

void UlsWindow::setSection(const CaseAnalysis& section, bool column, const UlsTexts& texts) {
    section_ = section;
    column_ = column;
    const auto has = [&](UlsKey k) { return texts[size_t(k)].has_value(); };
    (has(kFcm) ? existing_ : newConstruction_)->setChecked(true);
    concreteKind_->setCurrentIndex(has(kFck) ? 1 : 0);
    put(concrete_, texts[size_t(has(kFck) ? kFck : kRck)]);
    if (has(kSteel)) {
        const int grade = steelGrade_->findText(QString::fromStdString(*texts[size_t(kSteel)]),
                                                Qt::MatchFixedString);
        if (grade >= 0) steelGrade_->setCurrentIndex(grade);
    }
    for (UlsKey k : {kAcc, kGc, kGs, kFcm, kFym, kNed, kMed})
        put(field(k), texts[size_t(k)]);
    if (has(kLevel)) {
        const int level = QString::fromStdString(*texts[size_t(kLevel)]).toInt();
        if (level >= 1 && level <= 3) level_->setCurrentIndex(level - 1);
    }
    clearResults();
    verify_->setEnabled(true);
    showStrengths();
}

void UlsWindow::setCurrent(bool current) {
    verify_->setEnabled(current);
    if (!current) {
        clearResults();
        refusal_->setText(kStale);
    }
}

UlsTexts UlsWindow::texts() const {
    UlsTexts t;
    if (newConstruction_->isChecked()) {
        t[size_t(concreteKind_->currentIndex() == 1 ? kFck : kRck)] = taken(concrete_);
        t[size_t(kSteel)] = steelGrade_->currentText().toStdString();
        for (UlsKey k : {kAcc, kGc, kGs})
            t[size_t(k)] = taken(field(k));
    } else {
        t[size_t(kFcm)] = taken(fcm_);
        t[size_t(kFym)] = taken(fym_);
        t[size_t(kLevel)] = std::to_string(level_->currentIndex() + 1);
    }
    t[size_t(kNed)] = taken(ned_);
    t[size_t(kMed)] = taken(med_);
    return t;
}

void UlsWindow::showStrengths() {
    const QStringList lines = strengthLines(texts());
    strengths_->setText(lines.isEmpty() ? "fcd, fyd: dati dei materiali incompleti"
                                        : lines.join('\n'));
}

void UlsWindow::clearResults() {
    refusal_->clear();
    verdict_->clear();
    results_->setRowCount(0);
    figure_->setPicture(std::nullopt);
}

bool UlsWindow::verify() {
    if (!section_ || !verify_->isEnabled()) return false;
    clearResults();
    const UlsTexts typed = texts();
    const UlsRun run = runUls(*section_, column_, typed);
    if (!run.picture) {
        refusal_->setText("Dato mancante o rifiutato — " + run.refusal);
        // The edit of the key the refusal names first takes the cursor.
        const QString key = run.refusal.section(':', 0, 0).section(' ', 0, 0);
        if (const auto k = ulsKeyNamed(key.toStdString()); k && field(*k)) field(*k)->setFocus();
        return false;
    }
    const std::vector<UlsRow> rows = ulsRows(*section_, *run.picture);
    results_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const UlsRow& row = rows[size_t(r)];
        const QString name =
            row.symbol.isEmpty() ? row.description : row.symbol + " — " + row.description;
        results_->setItem(r, 0, new QTableWidgetItem(name));
        results_->setItem(r, 1, new QTableWidgetItem((row.value + ' ' + row.unit).trimmed()));
        results_->setItem(r, 2, new QTableWidgetItem((row.siValue + ' ' + row.siUnit).trimmed()));
    }
    results_->resizeColumnsToContents();
    const QString verdict = verdictText(run.picture->check);
    verdict_->setText(verdict);
    QPalette palette = verdict_->palette();
    palette.setColor(QPalette::WindowText,
                     run.picture->check.verified == true ? QColor(0, 100, 0) : kRefused);
    verdict_->setPalette(palette);
    figure_->setPicture(run.picture);
    emit verified(typed);
    return true;
}

}  // namespace lirvo::slu
