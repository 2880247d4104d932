#include "report/report_dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include "sections/materials.h"
#include "ui/qt_text.h"

namespace lirvo::report {
namespace {

QString shown(const std::optional<double>& stress) {
    return stress ? QString::number(*stress, 'g', 6) : QString();
}

}  // namespace

casefiles::Materials defaultMaterials() {
    const SteelGrade& steel = *findSteelGrade("FeB44k");
    return {250, std::string(steel.name), shown(allowableConcreteStress(250)).toStdString(),
            QString::number(steel.allowable).toStdString()};
}

std::optional<casefiles::Materials> ModalReportDialogs::materials(
    QWidget* parent, const casefiles::Materials& proposed) {
    QDialog dialog(parent);
    dialog.setWindowTitle("Materiali della verifica");
    auto* form = new QFormLayout(&dialog);
    auto* rck = new QSpinBox(&dialog);
    rck->setRange(150, 500);
    rck->setSingleStep(50);
    rck->setValue(proposed.rck);
    auto* steel = new QComboBox(&dialog);
    for (const SteelGrade& grade : steelGrades())
        steel->addItem(toQString(grade.name));
    steel->setCurrentText(toQString(proposed.steel));
    auto* limits = new QComboBox(&dialog);
    for (const StressLimitsInfo& rule : stressLimitRules())
        limits->addItem(toQString(rule.name));
    limits->setCurrentIndex(static_cast<int>(proposed.limits));
    auto* sigmaC = new QLineEdit(toQString(proposed.sigmaCAdm), &dialog);
    auto* sigmaF = new QLineEdit(toQString(proposed.sigmaFAdm), &dialog);
    // A new class, grade or rule proposes its stresses again; the user may still change them.
    const auto values = [=] {
        return stressLimits(static_cast<StressLimits>(limits->currentIndex()), rck->value(),
                            steel->currentText().toStdString());
    };
    QObject::connect(rck, &QSpinBox::valueChanged, sigmaC,
                     [=] { sigmaC->setText(shown(values().concrete)); });
    QObject::connect(steel, &QComboBox::currentTextChanged, sigmaF,
                     [=] { sigmaF->setText(shown(values().steel)); });
    QObject::connect(limits, &QComboBox::currentIndexChanged, sigmaF, [=] {
        sigmaC->setText(shown(values().concrete));
        sigmaF->setText(shown(values().steel));
    });
    form->addRow("Calcestruzzo Rck (Kg/cmq)", rck);
    form->addRow("Acciaio", steel);
    form->addRow("Limiti di tensione", limits);
    form->addRow("σc,adm (Kg/cmq)", sigmaC);
    form->addRow("σf,adm (Kg/cmq)", sigmaF);
    auto* note = new QLabel(
        "D.M. 14/02/1992: σc,adm = 60 + (Rck − 150)/4. NTC 2018 §4.1.2.2.5: σc ≤ 0.60·fck\n"
        "(caratteristica) o 0.45·fck (quasi permanente), σs ≤ 0.80·fyk, fck = 0.83·Rck.\n"
        "Senza tensioni ammissibili la relazione riporta le tensioni senza esito.",
        &dialog);
    form->addRow(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText("Annulla");
    const auto typed = [=] {
        return casefiles::Materials{rck->value(), steel->currentText().toStdString(),
                                    sigmaC->text().trimmed().toStdString(),
                                    sigmaF->text().trimmed().toStdString(),
                                    static_cast<StressLimits>(limits->currentIndex())};
    };
    // A stress the calculations would not read as typed ("85,5") keeps the dialog open.
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, typed] {
        const std::string refusal = casefiles::materialsRefusal(typed());
        if (refusal.empty()) return dialog.accept();
        QMessageBox::warning(&dialog, "lirvo", QString::fromStdString(refusal));
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return typed();
}

std::optional<QString> ModalReportDialogs::reportFileName(QWidget* parent,
                                                          const QString& proposed) {
    // The replacement of an existing file is asked by confirmReplace, once.
    const QString path = QFileDialog::getSaveFileName(parent, "Esporta relazione PDF", proposed,
                                                      "Documento PDF (*.pdf)", nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

bool ModalReportDialogs::confirmReplace(QWidget* parent, const QString& path) {
    return QMessageBox::question(
               parent, "Esporta relazione PDF",
               QString("Il file %1 esiste già. Sostituirlo?").arg(QFileInfo(path).fileName()),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace lirvo::report
