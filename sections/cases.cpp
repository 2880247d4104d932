#include "cases.h"

#include <array>
#include <string>

#include "column_check.h"
#include "column_semi_design.h"
#include "rect_check.h"
#include "rect_design.h"
#include "rect_semi_design.h"
#include "tee_check.h"
#include "tee_design.h"
#include "tee_semi_design.h"

namespace lirvo {
namespace {

constexpr std::array<const CalcCase*, 8> kCases = {
    &kRectangularCheck, &kRectangularDesign, &kRectangularSemiDesign, &kTeeCheck,
    &kTeeDesign,        &kTeeSemiDesign,     &kColumnCheck,           &kColumnSemiDesign,
};

}  // namespace

std::span<const CalcCase* const> allCases() {
    return kCases;
}

const CalcCase* findCase(std::string_view codeOrName) {
    for (const CalcCase* c : kCases)
        if (c->name == codeOrName || std::to_string(c->code) == codeOrName) return c;
    return nullptr;
}

std::string_view fieldSymbol(const CalcCase& calc, int index) {
    for (const InputField& f : calc.inputs)
        if (f.index == index) return f.symbol;
    for (const ResultField& f : calc.results)
        if (f.index == index) return f.symbol;
    return {};
}

}  // namespace lirvo
