#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/calculator.h"

int main(int argc, char** argv) {
    // A closed output (`lirvo-calc --batch | head`) is a failed write, with its message and
    // status, not a silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return lirvo::cli::runCommand(args, std::cin, std::cout, std::cerr, isatty(2) == 1);
}
