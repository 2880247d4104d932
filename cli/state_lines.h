// The STATE lines of lirvo-calc --state: the equilibrium analysis of the section a successful
// run describes, one quantity a line, TAB-separated, numbers with 17 significant digits:
//   STATE regime cracked|compressed|tension|unloaded     STATE H <total depth, cm>
//   STATE x <neutral axis from the compressed edge, cm; absent without one>
//   STATE sigma_c <largest concrete compression, kg/cm^2>
//   STATE steel <depth> <area> <stress, kg/cm^2, compression positive>   (top first)
//   STATE resultant_N|resultant_M|residual_N|residual_M <kg | kg cm about H/2>
//   STATE utilisation_c|utilisation_f <ratio>   (where the allowable stresses are data;
//                                                 utilisation_f where there is an Af)
// A section without equilibrium gives one line instead: STATE analysis <why>.
#pragma once

#include <string>
#include <string_view>

#include "sections/event_log.h"

namespace lirvo::cli {

// Appends the lines for the run the log holds, each after `prefix`; nothing where the run
// stopped on a message.
void appendState(const CalcCase& calc, const EventLog& log, std::string_view prefix,
                 std::string& buffer);

}  // namespace lirvo::cli
