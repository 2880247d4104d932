// The BARS lines of lirvo-calc --bars: the bars proposed for each steel area above zero that a
// successful design or semi-design wrote, TAB-separated, the area with 17 significant digits:
//   BARS <symbol> <text: "4Ø16", "10Ø24 (2 strati)", "nessuna disposizione"> <area, cm²>
// The area is that of the bars (the area written where nothing is proposed).
#pragma once

#include <string>
#include <string_view>

#include "sections/event_log.h"

namespace lirvo::cli {

// Appends the lines for the run the log holds, each after `prefix`; nothing where the run
// stopped on a message.
void appendBars(const CalcCase& calc, const EventLog& log, std::string_view prefix,
                std::string& buffer);

}  // namespace lirvo::cli
