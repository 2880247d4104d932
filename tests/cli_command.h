// lirvo-calc's whole command line run in the test, with what it writes and its exit status.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calculator.h"

namespace lirvo::cli {

struct Result {
    int status;
    std::string out, err;
};

inline Result command(std::vector<std::string_view> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    int status = runCommand(args, in, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace lirvo::cli
