// Steel written as bars: reading "4Ø16+2Ø12" as an area, and the bars proposed for a design's
// area across the width at its level.
#include "sections/bar_notation.h"

#include <gtest/gtest.h>

#include <numbers>
#include <random>
#include <string>

#include "sections/bar_proposal.h"

namespace lirvo {
namespace {

constexpr double kPi = std::numbers::pi;

// One bar of d mm, ((π · d) · d) / 400 cm², rounded step by step as the notation says.
double bar(double d) {
    return ((kPi * d) * d) / 400;
}

TEST(BarNotation, ReadsTermsAsTheSumOfTheirAreasInWrittenOrder) {
    const struct {
        const char* text;
        double area;
    } rows[] = {
        {"4Ø16", 4 * bar(16)},  // 8.0424771931898711
        {"4Ø16+2Ø12", 4 * bar(16) + 2 * bar(12)},
        {"2Ø12+4Ø16", 2 * bar(12) + 4 * bar(16)},
        {" 4 ø 16 + 2 Φ 12\t", 4 * bar(16) + 2 * bar(12)},
        {"3φ20", 3 * bar(20)},
        {"3⌀20", 3 * bar(20)},
        {"3fi20", 3 * bar(20)},
        {"3 FI 20", 3 * bar(20)},
        {"3Fi20+1fI20", 3 * bar(20) + bar(20)},
        {"1Ø5", bar(5)},
        {"99Ø50", 99 * bar(50)},
        {"2Ø16.5", 2 * bar(16.5)},
        {"2Ø16.", 2 * bar(16)},
        {"04Ø16", 4 * bar(16)},  // a whole number with a leading zero
    };
    for (const auto& row : rows) {
        const auto area = barNotationArea(row.text);
        ASSERT_TRUE(area) << row.text;
        EXPECT_EQ(*area, row.area) << row.text;
        EXPECT_TRUE(looksLikeBars(row.text)) << row.text;
    }
    EXPECT_EQ(*barNotationArea("4Ø16"), 8.0424771931898711);  // the hand figure, 17 digits
}

TEST(BarNotation, RefusesTextsOutsideTheNotation) {
    const struct {
        const char* text;
        bool meantAsBars;  // refused as bars rather than as a number
    } rows[] = {
        {"0Ø16", true},  {"100Ø16", true}, {"4Ø4.9", true},  {"4Ø51", true},  {"4Ø16,5", true},
        {"4Ø16+", true}, {"+4Ø16", true},  {"4.5Ø16", true}, {"4Ø1 6", true}, {"Ø16", true},
        {"4Ø", true},    {"4Ø16x", true},  {"4ϕ16", false},  {"4x16", false}, {"4 fi", false},
        {"fi16", false}, {"8.04", false},  {"", false},      {"4*16", false}, {"2fi-3", false},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(barNotationArea(row.text)) << row.text;
        EXPECT_EQ(looksLikeBars(row.text), row.meantAsBars) << row.text;
    }
}

// Seeded texts as people type them: 1 to 4 terms, any symbol, blanks here and there, whole or
// decimal diameters; the area is the sum of the terms as written, whatever the spelling.
TEST(BarNotation, ReadsEverySpellingOfTheSameBars) {
    const char* const symbols[] = {"Ø", "ø", "Φ", "φ", "⌀", "fi", "FI", "Fi", "fI"};
    const char* const blanks[] = {"", "", " ", "\t", "  "};
    std::mt19937 random(23);
    auto pick = [&](auto& list) { return list[random() % std::size(list)]; };
    for (int run = 0; run < 2000; ++run) {
        std::string text = pick(blanks);
        double area = 0;
        const int terms = 1 + static_cast<int>(random() % 4);
        for (int t = 0; t < terms; ++t) {
            const int n = 1 + static_cast<int>(random() % 99);
            const int tenths = 50 + static_cast<int>(random() % 451);  // 5.0 to 50.0 mm
            const std::string d =
                tenths % 10 ? std::to_string(tenths / 10) + "." + std::to_string(tenths % 10)
                            : std::to_string(tenths / 10);
            if (t > 0) text = text + pick(blanks) + "+";
            text +=
                pick(blanks) + std::to_string(n) + pick(blanks) + pick(symbols) + pick(blanks) + d;
            area += n * bar(std::stod(d));
        }
        text += pick(blanks);
        ASSERT_EQ(barNotationArea(text), area) << text;
    }
}

struct ProposalRow {
    double area, width;  // cm², cm
    const char* text;    // "" where nothing fits
    double barsArea;
};

// Worked by hand with w = 10 b − 60 mm and one layer n·d + (n − 1)·max(d, 20) mm.
TEST(BarProposal, TakesTheLeastSteelThatFitsOneLayerElseTwo) {
    const ProposalRow rows[] = {
        // b 25: w 190; 4Ø16 (124 mm) beats 6Ø14 (184 mm, 9.24) and 2Ø24 (9.05).
        {7.96, 25, "4Ø16", 4 * bar(16)},
        // 6Ø16 needs 196 mm of 190: 3Ø22 (11.40) is the least that fits.
        {10.7678571428571, 25, "3Ø22", 3 * bar(22)},
        // Web of 20 cm (w 140): 5Ø30 needs 270 mm; in two layers 3 + 3 Ø28 take 140 mm.
        {34.79, 20, "6Ø28 (2 strati)", 6 * bar(28)},
        // 8Ø10 and 2Ø20 give the same double, 6.2831853071795862: fewer bars.
        {6.2, 30, "2Ø20", 2 * bar(20)},
        // Never fewer than two bars, one in each corner.
        {0.5, 25, "2Ø10", 2 * bar(10)},
        // b 10 (w 40): two bars of 10 mm need 40 mm; b 9.9 leaves 39, one bar a layer; b 6.9
        // leaves 9 mm, not even for one bar.
        {1.5, 10, "2Ø10", 2 * bar(10)},
        {1.5, 9.9, "2Ø10 (2 strati)", 2 * bar(10)},
        {1.5, 6.9, "", 0},
        // 45 cm² in 15 cm (w 90): 7Ø30 in two layers of 4 need 180 mm.
        {45, 15, "", 0},
        // More bars than double precision counts one by one: none, and an end to the search.
        {1e17, 1e18, "", 0},
    };
    for (const ProposalRow& row : rows) {
        const std::optional<BarProposal> p = proposeBars(row.area, row.width);
        SCOPED_TRACE(testing::Message() << row.area << " cm² in " << row.width << " cm");
        if (*row.text == 0) {
            EXPECT_FALSE(p);
            continue;
        }
        ASSERT_TRUE(p);
        EXPECT_EQ(p->text(), row.text);
        EXPECT_EQ(p->area, row.barsArea);
        EXPECT_GE(p->area, row.area);
        // What a check is typed with reads back as the same area.
        EXPECT_EQ(barNotationArea(p->typedText()), p->area);
    }
}

}  // namespace
}  // namespace lirvo
