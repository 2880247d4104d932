// lirvo-calc --batch over several threads: the input is read in blocks of whole lines, the
// blocks are computed in parallel and written in their input order, so that the output is the
// same bytes whatever the number of threads. A few blocks, of a few megabytes in all, are in
// flight at a time, so memory stays bounded also for an input that never ends.
#pragma once

#include <cstddef>
#include <iosfwd>

#include "cli/calculator.h"
#include "cli/uls_option.h"

namespace lirvo::cli {

constexpr unsigned kMostJobs = 256;

struct BatchOptions {
    unsigned jobs = 1;                    // threads computing lines, 1 to kMostJobs
    std::ostream* progress = nullptr;     // a terminal: lines done and lines per second
    std::size_t blockBytes = 128 * 1024;  // input read at a time (whole lines, at least one)
    bool withState = false;               // STATE lines after each successful line
    bool withBars = false;                // BARS lines after each design's events
    const UlsRequest* uls = nullptr;      // ULS lines after them
};

// The number of cores (1 where it is unknown).
unsigned defaultJobs();

// The batch of runBatch(in, out) with these options: the same output, the same end.
BatchEnd runBatch(std::istream& in, std::ostream& out, const BatchOptions& options);

}  // namespace lirvo::cli
