// The batch input the benchmarks share: kBatchLines lines of lirvo_random_batch's realistic mix
// of the eight cases, from a fixed seed.
#pragma once

#include <string>

namespace lirvo::bench {

inline constexpr int kBatchLines = 100'000;

const std::string& mixedBatchInput();

}  // namespace lirvo::bench
