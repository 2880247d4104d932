// Whether the results on the window belong to the data beside them. The window keeps, from its
// last successful calculation, the case, the input texts it read and the result texts it
// wrote. The results are current while the window shows exactly those; an input edited, a run
// refused, a result typed over or another case chosen makes them stale: they keep their texts,
// shown in grey, and "Stampa" asks for the calculation to be repeated.
#pragma once

#include <array>
#include <string>

#include "panels/field_elements.h"
#include "sections/frame.h"

namespace lirvo::app {

// "Stampa" with no successful calculation since the window was loaded.
inline const char* const kNothingCalculated = "ESEGUIRE PRIMA UN CALCOLO";
// "Stampa" with stale results.
inline const char* const kStaleResults =
    "I RISULTATI NON CORRISPONDONO AI DATI: RIPETERE IL CALCOLO";

class ResultState {
  public:
    // A run of `calc` ended with its results written into `window`.
    void calculated(const CalcCase& calc, const CalcWindow& window);
    // A run stopped on a message: whatever the fields show, it is not what a run wrote.
    void refused() { refusedSince_ = true; }
    bool anyCalculation() const { return calc_ != nullptr; }
    // `shown` is the case the options pick now, nullptr for none.
    bool current(const CalcCase* shown, const CalcWindow& window) const;

  private:
    const CalcCase* calc_ = nullptr;
    std::array<std::string, kFieldCount> texts_;
    bool refusedSince_ = false;
};

// The result fields of the case shown in grey text while stale, in the usual text colour
// otherwise; every other value field in the usual colour. Every field stays editable.
void showResultsStale(panels::FieldElements& fields, const CalcCase* shown, bool stale);

}  // namespace lirvo::app
