// lirvo-calc: runs the calculation cases on field texts given as arguments or as lines of a
// batch, and prints what each run does to its fields, one event a line, TAB-separated:
//   FIELD <index> <symbol> <text>     MESSAGE <style> <title> <prompt>     NOTICE <text>
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/uls_option.h"
#include "sections/event_log.h"
#include "sections/frame.h"

namespace lirvo::cli {

enum ExitStatus : int {
    kResultsWritten = 0,
    kStoppedByMessage = 1,  // also a case file that could not be read or written
    kUsageError = 2,
    kWriteFailed = 3,  // the results could not be written (a full disk, a closed pipe)
    kReadFailed = 4,   // the input of a batch could not be read to its end
};

// The whole command line (without the program name). A batch reads from in; events, and the
// ERROR records of case files, go to out; usage and errors to err, and so does the progress of
// a batch when err is a terminal.
int runCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
               std::ostream& err, bool errIsTerminal = false);

// A batch line holds at most this many bytes (its line feed not counted); a longer one is
// refused with an ERROR record, unread beyond its first bytes.
inline constexpr size_t kMostBatchLineBytes = size_t{1} << 20;

// How a batch ended: every line read and written, the output failed (the batch stops at
// once), or the input could not be read to its end (the lines before are written).
enum class BatchEnd { kComplete, kOutputFailed, kInputFailed };

// Batch: each input line "CASE<TAB>TEXT2<TAB>TEXT3..." gives that line's events, each
// prefixed by the 1-based line number and a TAB; a malformed line gives an ERROR record.
// With withState, the STATE lines follow each successful line's events. One thread;
// runBatch with options (cli/parallel_batch.h) spreads the lines over several.
BatchEnd runBatch(std::istream& in, std::ostream& out, bool withState = false);

// The lines of a batch one at a time, as runBatch runs them: one per thread.
class BatchLineRunner {
  public:
    // Appends to out the output of one input line, without its line feed; a carriage return
    // at its end is dropped (spreadsheet exports). A line beyond kMostBatchLineBytes is refused.
    void run(std::string_view line, long number, std::string& out);

    bool withState = false;           // STATE lines after the events of a successful line
    const UlsRequest* uls = nullptr;  // ULS lines after them
    bool withBars = false;            // BARS lines after the events of a successful design

  private:
    CalcFrame frame_;
    EventLog log_;
    std::vector<std::string_view> texts_;
};

// The texts that follow the case name of a batch line, at its TABs, into texts; false, with
// no more than `most` texts split, when the line has more than `most`. A line of millions
// of TABs thus costs no more memory than the line itself.
bool splitTexts(std::string_view line, size_t most, std::vector<std::string_view>& texts);

}  // namespace lirvo::cli
