#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "cli/calculator.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return lirvo::cli::runCommand(args, std::cin, std::cout, std::cerr, isatty(2) == 1);
}
