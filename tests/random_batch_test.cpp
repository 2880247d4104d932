// lirvo_random_batch's lines: well formed for lirvo-calc and realistic enough to be computed.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calculator.h"
#include "sections/cases.h"
#include "tools/random_batch/batch_lines.h"

namespace lirvo::random_batch {
namespace {

// Of 400 lines of each case alone: none malformed, and at least 85% computed to the end (no
// message stopped them) — data an engineer could have typed.
TEST(RandomBatch, EachCaseGivesWellFormedLinesMostlyComputed) {
    for (std::string_view code : {"1", "2", "3", "4", "5", "6", "7", "9"}) {
        auto source = LineSource::make(1, code);
        ASSERT_TRUE(source) << code;
        std::string lines;
        for (int i = 0; i < 400; ++i)
            source->appendLine(lines);
        std::istringstream in(lines);
        std::ostringstream out;
        ASSERT_EQ(cli::runBatch(in, out), cli::BatchEnd::kComplete);
        int errors = 0, messages = 0;
        std::istringstream events(out.str());
        for (std::string event; std::getline(events, event);) {
            errors += event.find("\tERROR\t") != std::string::npos;
            messages += event.find("\tMESSAGE\t") != std::string::npos;
        }
        EXPECT_EQ(errors, 0) << "case " << code;
        EXPECT_LE(messages, 60) << "case " << code;
    }
}

// The cases of 400 lines, by code, each name counted under its code.
std::map<std::string, int> casesOf(LineSource& source) {
    std::string lines;
    for (int i = 0; i < 400; ++i)
        source.appendLine(lines);
    std::map<std::string, int> count;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        const auto* calc = findCase(line.substr(0, line.find('\t')));
        ++count[calc ? std::to_string(calc->code) : "?"];
    }
    return count;
}

TEST(RandomBatch, TheCasesListedByCodeOrNameAllEightWhenNone) {
    const struct {
        std::string_view list;
        std::vector<std::string> codes;
    } rows[] = {
        {"1", {"1"}},
        {"1,t-verifica", {"1", "4"}},
        {"", {"1", "2", "3", "4", "5", "6", "7", "9"}},
    };
    for (const auto& row : rows) {
        auto source = LineSource::make(7, row.list);
        ASSERT_TRUE(source) << row.list;
        std::vector<std::string> codes;
        for (const auto& [code, lines] : casesOf(*source)) {
            codes.push_back(code);
            EXPECT_GT(lines, 400 / row.codes.size() / 2) << row.list << ": case " << code;
        }
        EXPECT_EQ(codes, row.codes) << row.list;
    }
    for (std::string_view wrong : {"8", "1,", "1,,4", "rett"})
        EXPECT_FALSE(LineSource::make(7, wrong)) << wrong;
}

}  // namespace
}  // namespace lirvo::random_batch
