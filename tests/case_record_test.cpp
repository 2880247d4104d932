// The one record of every calculation case against what the user reads: the caption of each
// field ends with its symbol and names its unit, the fields run from 2 without a gap, inputs
// first, and each case is reached by exactly one pair of options.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "sections/cases.h"
#include "sections/numbers.h"

namespace lirvo {
namespace {

std::string trimmed(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

// The unit a caption names in brackets, as "(Kg/cmq)"; none for a pure number.
Unit unitInCaption(std::string_view caption) {
    const size_t open = caption.find('('), close = caption.find(')');
    if (open == std::string_view::npos) return Unit::kNone;
    const std::string_view unit = caption.substr(open + 1, close - open - 1);
    for (Unit u : {Unit::kCm, Unit::kCm2, Unit::kCm4, Unit::kKg, Unit::kKgCm, Unit::kKgPerCm2})
        if (unitText(u) == unit) return u;
    ADD_FAILURE() << "unknown unit in " << caption;
    return Unit::kNone;
}

TEST(CaseRecord, FieldsRunFromTwoWithoutAGapInputsFirst) {
    for (const CalcCase* calc : allCases()) {
        SCOPED_TRACE(std::string(calc->name));
        int expected = kFirstInputField;
        bool resultSeen = false;
        for (const Field& f : calc->fields) {
            EXPECT_EQ(f.index, expected++) << f.symbol;
            resultSeen = resultSeen || f.role == Role::kResult;
            EXPECT_EQ(f.role == Role::kResult, resultSeen) << f.symbol << ": input after a result";
        }
        EXPECT_LE(expected - 1, 16);
        EXPECT_FALSE(calc->inputs().empty());
        EXPECT_FALSE(calc->results().empty());
    }
}

TEST(CaseRecord, EveryCaptionEndsWithItsSymbolAndNamesItsUnit) {
    for (const CalcCase* calc : allCases()) {
        std::set<std::string> inputs, results;
        for (const Field& f : calc->fields) {
            SCOPED_TRACE(std::string(calc->name) + " " + std::string(f.caption));
            const std::string caption = trimmed(f.caption);
            ASSERT_GE(caption.size(), f.symbol.size());
            EXPECT_EQ(caption.substr(caption.size() - f.symbol.size()), f.symbol);
            EXPECT_EQ(unitInCaption(f.caption), f.unit());
            auto& seen = f.role == Role::kInput ? inputs : results;
            EXPECT_TRUE(seen.insert(std::string(f.symbol)).second) << "symbol twice";
        }
    }
}

TEST(CaseRecord, EveryInputHasANumericExampleAndZeroRulesOnlyForRatiosAndSteel) {
    for (const CalcCase* calc : allCases()) {
        for (const Field& f : calc->inputs()) {
            SCOPED_TRACE(std::string(calc->name) + " " + std::string(f.symbol));
            EXPECT_TRUE(f.example == "0" || readNumber(f.example) != 0);
            // Only the design ratios and a column's one-sided steel may be left at zero.
            if (f.missingMessage.empty())
                EXPECT_TRUE(f.quantity == Quantity::kCoverRatio ||
                            f.quantity == Quantity::kSteelRatio ||
                            (calc->section == SectionType::kColumn &&
                             f.quantity == Quantity::kCompressionSteel));
            else
                EXPECT_EQ(f.missingMessage.substr(0, 6), "MANCA ");
        }
    }
}

TEST(CaseRecord, EachPairOfOptionsReachesOneCaseAndAColumnIsNeverDesigned) {
    std::set<int> codes;
    std::set<std::string_view> names;
    for (const CalcCase* calc : allCases()) {
        EXPECT_EQ(findCase(calc->section, calc->operation), calc);
        EXPECT_EQ(findCase(calc->name), calc);
        EXPECT_EQ(caseOfCode(calc->code), calc);
        codes.insert(calc->code);
        names.insert(calc->name);
    }
    EXPECT_EQ(codes, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 9}));
    EXPECT_EQ(names.size(), 8u);
    EXPECT_EQ(findCase(SectionType::kColumn, Operation::kDesign), nullptr);
    EXPECT_EQ(caseOfCode(8), nullptr);
}

// A section type is shown by its picture, which the build copies from the assets.
TEST(Choices, EverySectionTypeHasItsPictureAmongTheAssets) {
    for (const SectionTypeInfo& section : sectionTypes())
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(LIRVO_ASSETS_DIR) /
                                                     section.pictureFile))
            << section.pictureFile;
}

}  // namespace
}  // namespace lirvo
