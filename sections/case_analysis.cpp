#include "sections/case_analysis.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "sections/bar_proposal.h"
#include "sections/numbers.h"

namespace lirvo {
namespace {

constexpr size_t kQuantityCount = static_cast<size_t>(Quantity::kInertia) + 1;

// A value by quantity: a result stands before an input of the same quantity (the h a
// semi-design repeats, the H a design writes).
class ByQuantity {
  public:
    ByQuantity(const CalcCase& calc, const FieldValues& values) {
        for (const Field& field : calc.fields)  // inputs first, then results
            if (values[field.index])
                values_[static_cast<size_t>(field.quantity)] = values[field.index];
    }
    const std::optional<double>& operator[](Quantity q) const {
        return values_[static_cast<size_t>(q)];
    }
    // The first quantity present.
    std::optional<double> either(Quantity a, Quantity b) const {
        return (*this)[a] ? (*this)[a] : (*this)[b];
    }

  private:
    std::array<std::optional<double>, kQuantityCount> values_;
};

const Field* resultOf(const CalcCase& calc, Quantity quantity) {
    for (const Field& field : calc.results())
        if (field.quantity == quantity) return &field;
    return nullptr;
}

bool blankText(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

FieldValues fieldValues(const CalcCase& calc, const CalcWindow& window) {
    FieldValues values;
    for (const Field& field : calc.fields) {
        const std::string text = window.fieldText(field.index);
        if (field.role == Role::kResult && blankText(text)) continue;
        const double v = typedBarsArea(field, text).value_or(readNumber(text));
        values[field.index] = field.precision == Precision::kSingle ? toSingle(v) : v;
    }
    return values;
}

double CaseAnalysis::tensionSteelStress() const {
    return -state.steelStress.at(static_cast<size_t>(tensionSteel));
}

std::optional<CaseAnalysis> caseSection(const CalcCase& calc, const FieldValues& values) {
    const ByQuantity q(calc, values);
    const auto h = q[Quantity::kEffectiveDepth];
    const auto topCover = q.either(Quantity::kCover, Quantity::kCompressionCover);
    const auto bottomCover = q.either(Quantity::kCover, Quantity::kTensionCover);
    const auto Af = q[Quantity::kTensionSteel], AfPrime = q[Quantity::kCompressionSteel];
    const auto n = q[Quantity::kModularRatio], M = q[Quantity::kMoment];
    if (!h || !topCover || !bottomCover || !Af || !AfPrime || !n || !M) return std::nullopt;

    CaseAnalysis a;
    a.operation = calc.operation;
    SectionModel& m = a.model;
    m.H = q[Quantity::kTotalDepth].value_or(*h + *bottomCover);
    if (const auto width = q[Quantity::kWidth]) {
        m.outline = rectangleOutline(*width, m.H);
    } else {
        const auto B = q[Quantity::kFlangeWidth], d = q[Quantity::kFlangeDepth],
                   s = q[Quantity::kWebWidth];
        if (!B || !d || !s) return std::nullopt;
        // A slab as deep as the beam leaves a rectangle B x H.
        m.outline = teeOutline(*B, std::min(*d, m.H), *s, m.H);
    }
    m.steel = {{*AfPrime, *topCover}, {*Af, *h}};
    if (*h < *topCover) {
        std::swap(m.steel[0], m.steel[1]);
        std::swap(a.compressionSteel, a.tensionSteel);
    }
    m.n = *n;
    m.M = *M;
    m.N = q[Quantity::kNormalForce].value_or(0);
    a.allowableConcrete = q[Quantity::kAllowableConcreteStress];
    a.allowableSteel = q[Quantity::kAllowableSteelStress];
    return a;
}

std::optional<CaseAnalysis> analyseCase(const CalcCase& calc, const FieldValues& values) {
    std::optional<CaseAnalysis> a = caseSection(calc, values);
    if (a) a->state = analyseSection(a->model);
    return a;
}

std::optional<CaseAnalysis> analyseRun(const CalcCase& calc, const CalcWindow& window) {
    std::optional<CaseAnalysis> a = analyseCase(calc, fieldValues(calc, window));
    if (!a) return a;
    a->bars.assign(a->model.steel.size(), {});
    auto layerOf = [&](const Field& field) {
        return static_cast<size_t>(field.quantity == Quantity::kTensionSteel ? a->tensionSteel
                                                                             : a->compressionSteel);
    };
    for (const Field& field : calc.inputs())
        if (typedBarsArea(field, window.fieldText(field.index)))
            a->bars[layerOf(field)] = window.fieldText(field.index);
    for (const SteelProposal& p : proposeForRun(calc, window))
        a->bars[layerOf(*p.field)] = p.text();
    return a;
}

bool checkAgreesWithAnalysis(const CalcCase& calc, const Inputs& in, const Outcome& out) {
    const Field* xField = resultOf(calc, Quantity::kNeutralAxis);
    const Field* cField = resultOf(calc, Quantity::kConcreteStress);
    const Field* fField = resultOf(calc, Quantity::kSteelStress);
    if (!xField || !cField || !fField || out.isBlank(xField->index)) return true;

    FieldValues values;
    for (const Field& field : calc.inputs())
        values[field.index] = in[field.index];
    // The frame refuses a negative moment before any check computes, so the top is the
    // compressed edge here as in the checks.
    const std::optional<CaseAnalysis> a = analyseCase(calc, values);
    if (!a) return true;
    const SectionState& s = a->state;
    if (s.status == AnalysisStatus::kInvalidData) return true;
    if (s.status != AnalysisStatus::kSolved || s.regime != Regime::kCracked || !s.topCompressed)
        return false;

    const double x = out.unroundedValue(xField->index);
    const double sigmaC = out.unroundedValue(cField->index);
    const double sigmaF = out.unroundedValue(fField->index);
    const double sigmaFA = a->tensionSteelStress();
    auto agree = [](double v, double reference, double scale) {
        return std::fabs(v - reference) <= kCheckAgreement * scale;
    };
    return agree(x, *s.x, *s.x) && agree(sigmaC, s.sigmaC, s.sigmaC) &&
           agree(sigmaF, sigmaFA, std::max(std::fabs(sigmaFA), a->model.n * s.sigmaC));
}

}  // namespace lirvo
