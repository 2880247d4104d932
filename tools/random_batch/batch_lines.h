// Realistic lines "CASE<TAB>TEXT2<TAB>..." for lirvo-calc --batch: the sections, steels,
// stresses and loads of the beams and columns of ordinary buildings, typed as an engineer
// types them ("30", "2.5", "8.04", "1.25E6"). Each line takes one of the cases asked for at
// random, written mostly by its code and now and then by its name.
//
// The same seed gives the same lines from every build and every standard library: the
// engine is std::mt19937_64, whose output the standard fixes, and every value is mapped and
// written with integer arithmetic only.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace lirvo::random_batch {

class LineSource {
  public:
    // For the cases of a comma-separated list of codes or names ("1", "3,t-verifica"), all
    // eight when it is empty; none when the list names a case that does not exist.
    static std::optional<LineSource> make(std::uint64_t seed, std::string_view cases);

    // Appends the next line, "CASE<TAB>TEXT2<TAB>...<LF>".
    void appendLine(std::string& out);

  private:
    explicit LineSource(std::uint64_t seed) : engine_(seed) {}

    std::mt19937_64 engine_;
    std::vector<size_t> cases_;       // indices into the table of cases
    std::vector<std::string> texts_;  // of the line being written
};

}  // namespace lirvo::random_batch
