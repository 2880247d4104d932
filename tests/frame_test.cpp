// The steps every calculation shares: calculation code, example, reading, missing data,
// refusals that leave the fields alone, results written in order.
#include "sections/frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sections/column_check.h"
#include "sections/rect_check.h"
#include "sections/rect_design.h"
#include "sections/tee_design.h"
#include "tests/run_case.h"

namespace lirvo::testing {
namespace {

const std::vector<std::string> kRectangularCheckExample = {"25",   "3",  "77",     "8.04",
                                                           "1.01", "10", "1000000"};

std::vector<std::string> withField(std::vector<std::string> texts, int index, std::string text) {
    texts.at(index - kFirstInputField) = std::move(text);
    return texts;
}

TEST(MissingData, EmptyZeroAndLettersAllCountAsMissing) {
    for (const char* missing : {"", "0", "abc", "0.000", " "}) {
        CaseRun run;
        runCase(run, 1, withField(kRectangularCheckExample, rect_check::kB, missing));
        ASSERT_TRUE(run.message()) << '"' << missing << '"';
        EXPECT_EQ(run.message()->text, "MANCA LA BASE DELLA TRAVE");
        EXPECT_EQ(run.message()->style, MessageStyle::kPlain);
        EXPECT_EQ(run.message()->title, "");
        EXPECT_EQ(run.fieldWrites(), 0);
    }
}

TEST(MissingData, OnlyTheFirstMissingInputIsReported) {
    CaseRun run;
    auto texts =
        withField(withField(kRectangularCheckExample, rect_check::kH, ""), rect_check::kM, "");
    runCase(run, 1, texts);
    EXPECT_EQ(run.message()->text, "MANCA L'ALTEZZA DELLA TRAVE");
}

// A beam without compression steel is checked when Af' is written as a number reading 0;
// only a text without a number is missing. Rectangular example with Af' = 0:
// p = 10*8.04/25 = 3.216, q = 2*10*8.04*77/25 = 495.264, X = -p + sqrt(p^2 + q) = 19.2697.
TEST(MissingData, CompressionSteelWrittenAsZeroIsADatumInTheBeamChecks) {
    const struct {
        const char* text;
        bool missing;
    } rows[] = {{"0", false},  {"0.0", false}, {" 0 ", false}, {"0e3", false},
                {"-0", false}, {".0", false},  {"&H0", false}, {"", true},
                {"  ", true},  {"abc", true},  {".", true},    {"-", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("Af' = '") + row.text + "'");
        CaseRun rect, tee;
        runCase(rect, 1, withField(kRectangularCheckExample, rect_check::kAfPrime, row.text));
        runCase(tee, 4, {"120", "25", "3", "30", "95", "18.85", row.text, "10", "3500000"});
        for (const CaseRun* run : {&rect, &tee}) {
            if (row.missing)
                EXPECT_EQ(run->message()->text, "MANCA L'Area dell'ARMATURA COMPRESSA");
            else
                EXPECT_FALSE(run->message());
        }
        if (!row.missing) {
            EXPECT_EQ(rect.result("X"), " 19.2696989217591");
        }
    }
}

TEST(MissingData, EveryCaseReportsItsFirstCheckedFieldWhenAllAreEmpty) {
    for (const CalcCase* calc : allCases()) {
        CaseRun run;
        run.log.forgetEvents();
        run.frame.run(*calc, run.log);
        ASSERT_TRUE(run.message()) << calc->name;
        EXPECT_EQ(run.message()->text.rfind("MANCA ", 0), 0u) << calc->name;
        EXPECT_EQ(run.fieldWrites(), 0) << calc->name;
    }
}

TEST(MissingData, RatiosOfTheDesignsMayBeZero) {
    CaseRun rect;
    runCase(rect, 2, {"25", "", "", "50", "1400", "10", "690000"});
    EXPECT_FALSE(rect.message());
    CaseRun tee;
    runCase(tee, 5, {"140", "12", "20", "", "", "50", "1400", "10", "2400000"});
    EXPECT_FALSE(tee.message());
}

TEST(ReadingRule, FieldTextsAreReadByTheirLeadingNumber) {
    // " 25 " reads 25, "8 cmq" reads 8, "1 000 000" reads 1000000: as if typed plain.
    CaseRun typed;
    runCase(typed, 1, {" 25 ", "3", "77", "8 cmq", "1.01", "1e1", "1 000 000"});
    CaseRun plain;
    runCase(plain, 1, {"25", "3", "77", "8", "1.01", "10", "1000000"});
    for (const Field& result : kRectangularCheck.results())
        EXPECT_EQ(typed.field(result.index), plain.field(result.index)) << result.symbol;
}

TEST(Example, ReplacesTypedValuesBeforeTheyAreRead) {
    CaseRun run;
    runCase(run, 1, {"99", "99", "99", "99", "99", "99", "99"}, true);
    EXPECT_EQ(run.field(rect_check::kB), "25");
    EXPECT_EQ(run.field(rect_check::kAf), "8.04");
    EXPECT_EQ(run.field(rect_check::kX), " 18.9807168027919");
}

TEST(CalculationCode, IsSetEvenWhenTheRunStopsOnAMissingDatum) {
    CaseRun run;
    EXPECT_EQ(run.frame.code(), 0);
    runCase(run, 1, kRectangularCheckExample);
    EXPECT_EQ(run.frame.code(), 1);
    run.log.clearFields();
    runCase(run, 3, {});
    EXPECT_TRUE(run.message());
    EXPECT_EQ(run.frame.code(), 3);
    run.frame.reset();
    EXPECT_EQ(run.frame.code(), 0);
}

TEST(Refusal, LeavesTheResultsOfThePreviousRun) {
    CaseRun run;
    runCase(run, 1, kRectangularCheckExample);
    runCase(run, 1, withField(kRectangularCheckExample, rect_check::kModularRatio, ""));
    EXPECT_EQ(run.message()->text, "MANCA IL RAPPORTO DEI MODILI ELASTICI");
    EXPECT_EQ(run.field(rect_check::kJ), " 330209");
    EXPECT_EQ(run.field(rect_check::kModularRatio), "");
}

// Data refused as read, before anything is computed. Each row types the worked example of the
// case with some fields changed; an empty prompt means the run computes. The refusal names the
// field the window then takes the user to.
struct DatumRow {
    int code;
    std::vector<std::pair<int, std::string>> typed;  // field, text
    std::string prompt;
    int refused = kNoField;
};

TEST(DataAsRead, UnreadableOutOfRangeAndNegativeDataAreRefusedInOrder) {
    using namespace rect_check;
    const std::string kTurnOver = "MOMENTO FLETTENTE NEGATIVO: CAPOVOLGERE LA SEZIONE";
    const std::string kComma = " (IL SEPARATORE DECIMALE È IL PUNTO)";
    const DatumRow rows[] = {
        {1, {{kAf, "8,04"}}, "DATO NON LEGGIBILE: Af = 8,04" + kComma, kAf},
        {1, {{kAfPrime, "  0,5 "}}, "DATO NON LEGGIBILE: Af' = 0,5" + kComma, kAfPrime},
        {1, {{kM, "1.000.000"}}, "DATO NON LEGGIBILE: M = 1.000.000", kM},
        {1, {{kB, "4Ø16"}}, "DATO NON LEGGIBILE: B = 4Ø16", kB},  // bars only where steel goes
        {1, {{kM, "2fi12"}}, "DATO NON LEGGIBILE: M = 2fi12", kM},
        {1, {{kAf, "4Ø16"}, {kAfPrime, "2 fi 8"}}, ""},  // bars read as their area
        {1, {{kAf, " 4Ø16,5 "}}, "BARRE NON LEGGIBILI: Af = 4Ø16,5 (ESEMPIO: 4Ø16+2Ø12)", kAf},
        {1, {{kB, "x1"}, {kAfPrime, "Ø"}}, "DATO NON LEGGIBILE: B = x1", kB},  // field order
        {1,
         {{kB, ""}, {kAfPrime, "2fi4"}},
         "BARRE NON LEGGIBILI: Af' = 2fi4 (ESEMPIO: 4Ø16+2Ø12)",
         kAfPrime},
        {7,
         {{column_check::kAf, "4\x01Ø16x"}},
         "BARRE NON LEGGIBILI: Af = 4?Ø16x (ESEMPIO: 4Ø16+2Ø12)",
         column_check::kAf},
        {1, {{kB, "x1"}}, "DATO NON LEGGIBILE: B = x1", kB},
        {1, {{kB, ""}, {kM, "1,5"}}, "DATO NON LEGGIBILE: M = 1,5" + kComma, kM},  // before missing
        {1, {{kB, "1e400"}}, "DATO FUORI SCALA: B = 1e400", kB},
        {1, {{kH, "-77"}}, "DATO NEGATIVO: h = -77", kH},
        {1, {{kM, "-1000000"}}, kTurnOver, kM},
        {1, {{kB, "-1e400"}, {kC, "-3"}}, "DATO FUORI SCALA: B = -1e400", kB},
        {1, {{kC, "-3"}, {kB, "1e400"}}, "DATO FUORI SCALA: B = 1e400", kB},  // field order
        {1, {{kB, "-25"}, {kH, ""}}, "MANCA L'ALTEZZA DELLA TRAVE", kH},      // missing first
        {1, {{kAfPrime, "-0"}}, ""},  // a written zero: no compression steel
        {1, {{kB, "25 "}, {kC, "&H3"}, {kM, "1.5e6"}, {kAf, "8.04 cmq"}}, ""},
        // Blanks between digits only as thousands separators, before the point.
        {1, {{kAf, "10 16"}}, "DATO NON LEGGIBILE: Af = 10 16", kAf},
        {1, {{kB, " 2 5"}}, "DATO NON LEGGIBILE: B = 2 5", kB},
        {1, {{kM, "1000 000"}}, "DATO NON LEGGIBILE: M = 1000 000", kM},
        {1, {{kM, "1 000 00"}}, "DATO NON LEGGIBILE: M = 1 000 00", kM},
        {1, {{kAf, "8.0 4"}}, "DATO NON LEGGIBILE: Af = 8.0 4", kAf},
        {1, {{kAf, "8 ,04"}}, "DATO NON LEGGIBILE: Af = 8 ,04" + kComma, kAf},
        {1, {{kH, ""}, {kAf, "1 0"}}, "DATO NON LEGGIBILE: Af = 1 0", kAf},  // before missing
        {1, {{kM, "1 000 000"}, {kB, " 25"}}, ""},
        {1, {{kM, "-\t1  000 000.0"}}, kTurnOver, kM},
        // A thousands point where a moment or a force is typed: both readings offered.
        {1, {{kM, "680.000"}}, "DATO AMBIGUO: M = 680.000 (SCRIVERE 680000 O 680)", kM},
        {1, {{kM, " 2.500 "}}, "DATO AMBIGUO: M = 2.500 (SCRIVERE 2500 O 2.5)", kM},
        {1, {{kAf, "8,04"}, {kM, "1.500"}}, "DATO NON LEGGIBILE: Af = 8,04" + kComma, kAf},
        {1, {{kAf, "12.566"}, {kM, "1000.000"}}, ""},  // not 1 to 3 digits, or not a moment
        {1, {{kM, "0.500"}}, ""},                      // a leading 0 groups no thousands
        {7,
         {{column_check::kN, "-1.500"}},
         "DATO AMBIGUO: N = -1.500 (SCRIVERE -1500 O -1.5)",
         column_check::kN},
        {7,
         {{column_check::kN, "25.000"}},
         "DATO AMBIGUO: N = 25.000 (SCRIVERE 25000 O 25)",
         column_check::kN},
        {7,
         {{column_check::kN, "25.0001"}, {column_check::kM, "+1.250"}},
         "DATO AMBIGUO: M = +1.250 (SCRIVERE +1250 O +1.25)",
         column_check::kM},
        {2, {{rect_design::kQ, "-0.1"}}, "DATO NEGATIVO: Q = -0.1", rect_design::kQ},
        {5, {{tee_design::kM, "-2400000"}}, kTurnOver, tee_design::kM},  // beams too
        {7, {{column_check::kN, "-25000"}}, ""},                         // a pull on a column
        {7,
         {{column_check::kN, "1e39"}},
         "DATO FUORI SCALA: N = 1e39",
         column_check::kN},  // N in single
        {7,
         {{column_check::kAfPrime, "-3.16"}},
         "DATO NEGATIVO: Af' = -3.16",
         column_check::kAfPrime},
    };
    for (const DatumRow& row : rows) {
        const CalcCase& calc = *findCase(std::to_string(row.code));
        std::vector<std::string> texts;
        for (const Field& field : calc.inputs())
            texts.emplace_back(field.example);
        for (const auto& [index, text] : row.typed)
            texts = withField(texts, index, text);
        CaseRun run;
        runCase(run, row.code, texts);
        SCOPED_TRACE(row.prompt);
        EXPECT_EQ(run.frame.code(), row.code);
        if (row.prompt.empty()) {
            EXPECT_FALSE(run.message());
            EXPECT_EQ(run.fieldWrites(), static_cast<int>(calc.results().size()));
            continue;
        }
        ASSERT_TRUE(run.message());
        EXPECT_EQ(run.message()->text, row.prompt);
        EXPECT_EQ(run.message()->index, row.refused);
        EXPECT_EQ(run.message()->style, MessageStyle::kPlain);
        EXPECT_EQ(run.message()->title, "");
        EXPECT_EQ(run.fieldWrites(), 0);
    }
}

}  // namespace
}  // namespace lirvo::testing
