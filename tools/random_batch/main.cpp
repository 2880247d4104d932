// lirvo_random_batch SEED COUNT [CASES]: writes COUNT lines of realistic data for
// lirvo-calc --batch (see batch_lines.h). CASES is a comma-separated list of case codes or
// names, all eight when absent.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "tools/random_batch/batch_lines.h"

namespace {

const char* const kUsage =
    "usage: lirvo_random_batch SEED COUNT [CASES]\n"
    "  CASES: comma-separated codes or names, e.g. 1 or 3,rett-semiprogetto,9 (all eight by "
    "default)\n";

bool readWhole(std::string_view text, std::uint64_t& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t seed = 0, count = 0;
    std::optional<lirvo::random_batch::LineSource> source;
    if (argc >= 3 && argc <= 4 && readWhole(argv[1], seed) && readWhole(argv[2], count))
        source = lirvo::random_batch::LineSource::make(seed, argc == 4 ? argv[3] : "");
    if (!source) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string buffer;
    for (std::uint64_t i = 0; i < count; ++i) {
        source->appendLine(buffer);
        if (buffer.size() > (1 << 16) || i + 1 == count) {
            if (std::fwrite(buffer.data(), 1, buffer.size(), stdout) != buffer.size()) break;
            buffer.clear();
        }
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs("lirvo_random_batch: cannot write the lines\n", stderr);
        return 1;
    }
    return 0;
}
