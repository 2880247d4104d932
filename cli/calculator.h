// lirvo-calc: runs the calculation cases on field texts given as arguments, as lines of a
// batch or in case files, and prints what each run does to its fields, one event a line,
// TAB-separated:
//   FIELD <index> <symbol> <text>     MESSAGE <style> <title> <prompt>     NOTICE <text>
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lirvo::cli {

// kStoppedByMessage also stands for a case file that could not be read or written.
enum ExitStatus : int { kResultsWritten = 0, kStoppedByMessage = 1, kUsageError = 2 };

extern const char* const kUsage;

// The whole command line (without the program name). A batch reads from in; events, and the
// ERROR records of case files, go to out; usage and errors to err.
int runCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
               std::ostream& err);

// Batch: each input line "CASE<TAB>TEXT2<TAB>TEXT3..." gives that line's events, each
// prefixed by the 1-based line number and a TAB; a malformed line gives an ERROR record.
void runBatch(std::istream& in, std::ostream& out);

}  // namespace lirvo::cli
