// The section a calculation run describes, analysed for equilibrium: the bridge between the
// eight cases and the cracked-section analysis. Every case is read alike, through the
// quantities of its fields, never through a table of its own:
//
//   checks                 the section as given, under the given actions;
//   designs, semi-designs  the section they produced: depths, covers and steel areas as they
//                          were written (rounded or cut as the case writes them), the rest
//                          (widths, slab, covers given as data) from the inputs, under the
//                          same actions. Where the allowable stresses are data, the real
//                          stresses are set against them.
//
// Depths run from the compressed edge. Af' lies at the cover C of a beam (C2 of a column) and
// Af at the effective depth h; the total depth is the H the case writes, else h + C for a beam
// (the cover below Af equals the one above Af') and h + C1 for a column. N acts at H/2.
//
// Where the analysis and a design part ways, it is by the design's method, not its arithmetic:
// the areas and depths are rounded after the design put both materials at their allowable
// stress, the T design scales a rectangle's depth and steel to the rib, the semi-designs step
// their neutral axis, the column semi-design splits a pull evenly between the two steels. The
// utilisations show by how much.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "sections/frame.h"
#include "sections/section_analysis.h"

namespace lirvo {

// The numbers of one run by field index: inputs as the case reads them (single precision
// where it holds them so), results as written; empty for a blank result and for an index the
// case does not use.
using FieldValues = std::array<std::optional<double>, kFieldCount>;

// From the field texts of a window after a run.
FieldValues fieldValues(const CalcCase& calc, const CalcWindow& window);

struct CaseAnalysis {
    Operation operation = Operation::kCheck;
    SectionModel model;  // steel top first: Af' and then Af (by depth should C exceed h)
    SectionState state;
    int compressionSteel = 0, tensionSteel = 1;  // Af' and Af in model.steel and the stresses
    // Allowable stresses in kg/cm^2, where they are data (designs and semi-designs).
    std::optional<double> allowableConcrete, allowableSteel;
    // By layer of model.steel, how it is made where the fields say: the bars typed in a check
    // ("4Ø16+2Ø12"), the bars proposed for a design's area ("6Ø28 (2 strati)", "nessuna
    // disposizione"); empty otherwise (analyseRun).
    std::vector<std::string> bars;

    // sigma f: the tensile stress of Af, kg/cm^2 (negative when Af is compressed).
    double tensionSteelStress() const;
};

// Empty when the fields lack a width, a depth, a cover, a steel area, n or M.
std::optional<CaseAnalysis> analyseCase(const CalcCase& calc, const FieldValues& values);
// The same section and actions, not yet analysed (state left as it is).
std::optional<CaseAnalysis> caseSection(const CalcCase& calc, const FieldValues& values);

// The section of a run as the window, the report and lirvo-calc show it: analyseCase of its
// fields, with the bars of each layer.
std::optional<CaseAnalysis> analyseRun(const CalcCase& calc, const CalcWindow& window);

// Two figures of one quantity agree when they differ by no more than this, relative.
inline constexpr double kCheckAgreement = 1e-4;

// Whether a check's outcome stands against the analysis of its section. Where it reports a
// neutral axis (the cracked section: it solved the same equilibrium in closed form or by
// bisection), the section must be cracked with the top compressed, and x, sigma c and sigma f
// (before the check rounds them) must agree with the analysis: x and sigma c relative to
// themselves, sigma f relative to the larger of itself and n sigma c, so that a bar near the
// neutral axis, whose stress is a small difference, is not held to more digits than the axis
// itself. No equilibrium, or figures beyond the double range, disagree. An
// outcome without a neutral axis (a column's whole-section closed forms, simplifications by
// design) and data that describe no section (a negative width) are not compared.
bool checkAgreesWithAnalysis(const CalcCase& calc, const Inputs& in, const Outcome& out);

}  // namespace lirvo
