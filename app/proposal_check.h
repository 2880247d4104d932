// "Calcolo" › "Verifica con le barre proposte": after a design or semi-design, the window
// switches to the check of the same section type, types in the section the design wrote with
// the bars proposed for its steel (sections/proposal_check.h) and computes it. "Annulla" of
// that step puts the design back as it stood (its options, example box and data) and
// computes it again, so its results are those it showed.
#pragma once

#include <QObject>
#include <array>
#include <optional>
#include <string>

#include "sections/frame.h"

namespace lirvo::app {

class MainWindow;

// Why the step is not taken: no current design or semi-design on the window.
inline const char* const kNoDesignToCheck =
    "ESEGUIRE PRIMA UN PROGETTO O UN SEMIPROGETTO: LA VERIFICA USA LE BARRE PROPOSTE";

class ProposalCheck : public QObject {
  public:
    explicit ProposalCheck(MainWindow& window);

    // Whether the window shows a design or semi-design whose results belong to its data.
    bool available() const;
    // The step; false, with a message, where it is not available.
    bool run();
    // Whether a step can be undone: a design was set aside since the window was last loaded.
    bool undoable() const { return setAside_.has_value(); }
    // Back to the design set aside by the last step; false where there is none.
    bool undo();

  private:
    struct Calculation {
        const CalcCase* calc;
        bool example;
        std::array<std::string, kFieldCount> texts;  // inputs by field index
    };
    // As the user would: the options clicked, the example box set, the texts typed, then
    // "E l a b o r a".
    void show(const Calculation& calculation);

    MainWindow& window_;
    std::optional<Calculation> setAside_;
};

}  // namespace lirvo::app
