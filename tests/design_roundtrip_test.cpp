// Designs checked against themselves: the section each design and semi-design writes, analysed
// for equilibrium, meets both allowable stresses within what the rounding of its written texts
// allows, or the run says in a notice why it does not.
//
// The bound. The method places both materials at their allowable stresses (or below) and then
// writes its depths and areas rounded. A design rounds h and the cover C to whole cm, so the
// depths of the section written stand at most 0.5 + 0.5 = 1 cm from the designed ones, 1/h of
// the depth; an area is cut or rounded by at most 0.01 cm². The concrete stress goes as
// 1/h^2 and the steel stress as 1/(Af z) with the lever z in proportion to h, so to first
// order every utilisation u satisfies
//   u <= (1 + 0.01/Af) (1 + r/h)^2 (1 + 1e-4),
// r = 1 cm for the designs (cases 2 and 5), 0 for the semi-designs, whose depths are data;
// 1e-4 takes in the semi-designs' neutral-axis search, which steps 1e-4 cm, and the column's
// bisection. Without tension steel (Af = 0) its term is 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "sections/verdict.h"
#include "tests/run_case.h"
#include "tools/random_batch/batch_lines.h"

namespace lirvo::testing {
namespace {

long runsPerCase() {
    const char* text = std::getenv("LIRVO_ROBUSTNESS_RUNS");  // fewer under the sanitizers
    return text && *text ? std::max(1L, std::strtol(text, nullptr, 10) * 10 / 4) : 10'000;
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> cells;
    size_t from = 0;
    for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
        cells.push_back(line.substr(from, tab - from));
    cells.push_back(line.substr(from, line.size() - from - (line.back() == '\n')));
    return cells;
}

double valueOf(const CaseAnalysis& a, const CaseRun& run, std::string_view symbol) {
    for (const Field& f : run.calc->fields)
        if (f.symbol == symbol)
            return std::stod(run.field(f.index).empty() ? "0" : run.field(f.index));
    ADD_FAILURE() << symbol;
    return a.model.H;
}

TEST(DesignRoundTrip, TheWrittenSectionMeetsItsAllowablesWithinTheRounding) {
    const long runs = runsPerCase();
    for (const char* code : {"2", "3", "5", "6", "9"}) {
        auto source = random_batch::LineSource::make(18, code);
        ASSERT_TRUE(source);
        const double depthRounding = std::string(code) == "2" || std::string(code) == "5" ? 1 : 0;
        std::map<std::string, int> notices;
        double largest = 0;
        int answered = 0, beyond = 0;
        for (long k = 0; k < runs; ++k) {
            std::string line;
            source->appendLine(line);
            std::vector<std::string> texts = split(line);
            texts.erase(texts.begin());
            CaseRun run;
            runCase(run, std::stoi(code), texts);
            if (run.message()) continue;  // refused: nothing written
            ++answered;
            const auto a = analyseCase(*run.calc, fieldValues(*run.calc, run.log));
            ASSERT_TRUE(a) << line;
            const Verdict v = verdictOf(*a);
            const std::vector<std::string> said = run.notices();
            const bool explained =
                std::find(said.begin(), said.end(),
                          "CLS OLTRE LA TENSIONE AMMISSIBILE: SEZIONE DA ARMARE") != said.end();
            if (explained) {
                ++notices[said.back()];
                continue;
            }
            ASSERT_TRUE(v.concrete) << "no equilibrium for " << line;
            const double h = valueOf(*a, run, "h"), Af = valueOf(*a, run, "Af");
            const double bound = (1 + (Af > 0 ? 0.01 / Af : 0)) * (1 + depthRounding / h) *
                                 (1 + depthRounding / h) * (1 + 1e-4);
            for (const auto& u : {v.concrete, v.steel}) {
                if (!u) continue;
                largest = std::max(largest, u->ratio);
                if (u->ratio > bound && ++beyond <= 5)
                    ADD_FAILURE() << "utilisation " << u->ratio << " beyond " << bound << ": "
                                  << line;
            }
        }
        EXPECT_EQ(beyond, 0) << "case " << code;
        EXPECT_GT(answered, runs * 9 / 10) << "case " << code;
        // What the closing note quotes: the runs that needed a notice, the largest overshoot.
        std::printf("case %s: %d of %ld answered, largest utilisation %.6f", code, answered, runs,
                    largest);
        for (const auto& [text, count] : notices)
            std::printf(", %d with the notice \"%s\"", count, text.c_str());
        std::printf("\n");
    }
}

}  // namespace
}  // namespace lirvo::testing
