// The eight calculation cases, found by calculation code or by command-line name.
#pragma once

#include <span>
#include <string_view>

#include "frame.h"

namespace lirvo {

std::span<const CalcCase* const> allCases();

// By code ("1" to "7", "9") or name ("rett-verifica", ...); nullptr when there is none.
const CalcCase* findCase(std::string_view codeOrName);

// The symbol of the quantity in a field of the case (empty for a field the case lacks).
std::string_view fieldSymbol(const CalcCase& calc, int index);

}  // namespace lirvo
