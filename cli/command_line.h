// lirvo-calc's command line: one table of options, each with the forms of the command it
// serves and its line of the usage text. An option is one row of kOptions (command_line.cpp)
// and, when it carries a setting, one member of CommandLine.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/uls_option.h"

namespace lirvo::cli {

// The forms of the command, as a set of bits where an option lists those it serves.
enum Form : unsigned {
    kRunForm = 1,    // CASO [TESTO ...]: one run of a case
    kBatchForm = 2,  // --batch: lines of standard input
    kFilesForm = 4,  // --file: case files
    kHelpForm = 8,   // --help
};

struct CommandLine {
    Form form = kRunForm;
    std::vector<std::string_view> operands;  // the case and its texts, or the files
    bool example = false;                    // --example
    bool withState = false;                  // --state
    bool withBars = false;                   // --bars
    std::optional<std::string_view> saveTo;  // --save FILE.lirvo
    unsigned jobs = 0;                       // --jobs N; 0: one per core
    std::optional<UlsData> uls;              // --uls SPEC
    UlsTexts ulsTexts;                       // its texts by key, for --save
    int domainPoints = 0;                    // --domain K; 0: none
};

struct ParsedCommandLine {
    std::optional<CommandLine> command;  // absent when the line is not a command
    std::string reason;                  // then why, when an option's value is at fault
};

ParsedCommandLine parseCommandLine(std::span<const std::string_view> args);

// The help text: the forms, the options, the list of the cases and what is printed.
std::string usage();

}  // namespace lirvo::cli
