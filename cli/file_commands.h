// lirvo-calc and case files: running the calculations files hold, and keeping a typed run in
// one. The only part of lirvo-calc that reads or writes files (through Qt Core).
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "cli/uls_option.h"
#include "sections/event_log.h"
#include "sections/frame.h"

namespace lirvo::cli {

// Runs each file's case on its input texts and example box and prints the events as for a
// typed run; with several files each line is led by the file's name, as given (whole, its
// control characters and broken UTF-8 as '?'), and a TAB. A file that cannot be
// read gives ERROR and the reason, and the next file goes on. Returns 0
// when every file ran to its results, 1 otherwise.
// With withState, each successful run's STATE lines follow its events; with uls, its ULS lines;
// with withBars, each design's BARS lines.
int runFiles(std::span<const std::string_view> paths, std::ostream& out,
             const UlsRequest* uls = nullptr, bool withBars = false, bool withState = false);

// Keeps the calculation a run left in its log in a case file: the input texts, the example
// box and the results, and the texts of an SLU check given with --uls. Returns the reason when
// the file was not written, empty otherwise.
std::string saveRun(std::string_view path, const CalcCase& calc, const EventLog& log,
                    const UlsRequest* uls = nullptr);

}  // namespace lirvo::cli
