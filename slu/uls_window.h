// The SLU window: the ultimate check (NTC 2018) of the section the main window has just
// calculated, without retyping it.
//
//   materials  "Nuova costruzione": Rck or fck, steel grade, γc, αcc, γs
//              "Edificio esistente": fcm, fym, knowledge level LC1-LC3 (FC)
//              fcd and fyd as they follow, under them
//   actions    M_Ed and N_Ed, proposed from the calculation's M and N, to be confirmed
//   "Verifica" -> slu/uls_case runUls -> the rows, the verdict and the figure; a datum missing
//              or refused is named in red and nothing is computed
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "sections/case_analysis.h"
#include "sections/uls_input.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

namespace lirvo::slu {

class UlsFigure;

class UlsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit UlsWindow(QWidget* parent = nullptr);

    // The section to check (`column`: its N–M domain is drawn) and the texts to show; the
    // results of an earlier section are cleared.
    void setSection(const CaseAnalysis& section, bool column, const UlsTexts& texts);
    // Whether the section still belongs to the main window's results: a stale one is not
    // checked, and the window says why.
    void setCurrent(bool current);
    // The texts of the mode shown, by key: what the reader, the case file and the report take.
    UlsTexts texts() const;
    // "Verifica": false, with the refusal shown, when a datum is missing or refused.
    bool verify();

    // For a look from outside (tests): the elements by role.
    QRadioButton* newConstruction() const { return newConstruction_; }
    QRadioButton* existingBuilding() const { return existing_; }
    QComboBox* concreteKind() const { return concreteKind_; }  // "Rck" or "fck"
    QComboBox* steelGrade() const { return steelGrade_; }
    QComboBox* knowledgeLevel() const { return level_; }
    // The edit of a typed key (Rck and fck share one).
    QLineEdit* field(UlsKey key) const;
    QPushButton* verifyButton() const { return verify_; }
    QLabel* refusal() const { return refusal_; }
    QLabel* strengths() const { return strengths_; }
    QLabel* verdict() const { return verdict_; }
    QTableWidget* results() const { return results_; }
    UlsFigure& figure() const { return *figure_; }

  signals:
    // A check was computed on these texts.
    void verified(const UlsTexts& texts);

  private:
    QWidget* materialsGroup();
    QWidget* actionsGroup();
    void showStrengths();
    void clearResults();

    std::optional<CaseAnalysis> section_;
    bool column_ = false;
    QRadioButton *newConstruction_, *existing_;
    QStackedWidget* modes_;
    QComboBox *concreteKind_, *steelGrade_, *level_;
    QLineEdit *concrete_, *alphaCc_, *gammaC_, *gammaS_, *fcm_, *fym_, *ned_, *med_;
    QPushButton* verify_;
    QLabel *strengths_, *refusal_, *verdict_;
    QTableWidget* results_;
    UlsFigure* figure_;
};

}  // namespace lirvo::slu
