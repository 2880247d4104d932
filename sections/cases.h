// The calculation cases: the one list of them, found by code, by command-line name or by the
// section type and operation picked in the window.
//
// Each case's header names its fields by the symbol of their caption (`rect_check::kSigmaC`):
// kModularRatio is n and kN the normal force N, a trailing "Prime" is the compression steel
// (kAfPrime), "Out" a result that repeats an input's symbol (kSigmaCOut), kHTotal the total
// depth H beside the effective depth kH.
#pragma once

#include <span>
#include <string_view>

#include "sections/column_check.h"
#include "sections/column_semi_design.h"
#include "sections/frame.h"
#include "sections/rect_check.h"
#include "sections/rect_design.h"
#include "sections/rect_semi_design.h"
#include "sections/tee_check.h"
#include "sections/tee_design.h"
#include "sections/tee_semi_design.h"

namespace lirvo {

std::span<const CalcCase* const> allCases();

// By code ("1" to "7", "9") or name ("rett-verifica", ...); nullptr when there is none.
const CalcCase* findCase(std::string_view codeOrName);

// The case of a section type and an operation; nullptr for a column design, which has none.
const CalcCase* findCase(SectionType section, Operation operation);

// The case of a calculation code; nullptr for 0 or a code no case has.
const CalcCase* caseOfCode(int code);

// The symbol of the quantity in a field of the case (empty for a field the case lacks).
std::string_view fieldSymbol(const CalcCase& calc, int index);

}  // namespace lirvo
