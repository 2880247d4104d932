// The lines lirvo-calc prints for what a run did to its window, one event a line:
//   FIELD <index> <symbol> <text>     MESSAGE <style> <title> <prompt>     NOTICE <text>
#pragma once

#include <string>
#include <string_view>

#include "cli/uls_option.h"
#include "sections/event_log.h"
#include "sections/frame.h"

namespace lirvo::cli {

// Appends the log's events, each line led by the prefix (empty, or a batch line's number or
// a file's name, and a TAB); with withBars, the BARS lines of a successful design follow
// (cli/bars_lines.h), then with withState its STATE lines, and with uls the ULS and DOMAIN
// lines.
void appendEvents(const CalcCase& calc, const EventLog& log, std::string_view prefix,
                  bool withState, std::string& buffer, const UlsRequest* uls = nullptr,
                  bool withBars = false);

}  // namespace lirvo::cli
