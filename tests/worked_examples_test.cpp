// Every calculation case on its worked example and on the regression inputs, digit for digit.
// Expected texts come from the worked examples of each case (hand calculations of the method)
// and from inputs that only come out right with every single-precision quantity, every
// accumulated search step and every rounding rule in place.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "sections/column_check.h"
#include "sections/numbers.h"
#include "tests/run_case.h"

namespace lirvo::testing {
namespace {

struct ExampleRow {
    const char* what;
    int code;
    std::vector<std::string> texts;  // fields 2 upward; empty: the case's own example
    std::vector<std::pair<std::string, std::string>> results;  // by symbol
    std::string notice;                                        // drawn by the column cases
};

// clang-format off
const ExampleRow kRows[] = {
    // Rectangular check: p = 3.62, q = 497.688, J = 330209.32.
    {"rectangular check", 1, {}, {{"J", " 330209"}, {"X", " 18.9807168027919"}, {"σc", " 57.4808628060891"}, {"σf", " 1757.04558063677"}}, ""},
    // Rectangular design: xi = 0.2631..., h = 67.8128646746664 -> 68, cover at least 3.
    {"rectangular design", 2, {}, {{"h", " 68"}, {"C", " 3"}, {"H", " 71"}, {"X", " 17.84"}, {"J", " 246267"}, {"Af", " 7.96"}, {"Af'", " 0"}}, ""},
    // Rectangular design, compression steel (W = 0.82) with Q = 0: designed at the written 3 cm
    // cover, Q' = 3/h; the first design (C = 0) gave h 9, Af 105.67, sigma c 248 on analysis.
    {"rectangular design, compression steel at the cover", 2, {"43", "0", "0.82", "96", "1274", "15", "1195099"}, {{"h", " 21"}, {"C", " 3"}, {"H", " 24"}, {"X", " 10.92"}, {"J", " 135966"}, {"Af", " 53.98"}, {"Af'", " 44.27"}}, ""},
    // Rectangular semi-design: M < Mlim = 909022.5, 7060 steps from 17 cm; then
    // Af = 25*17.706^2/(20*49.294) = 7.9498 and sigma c = 1400*17.706/(10*49.294) = 50.287.
    {"rectangular semi-design", 3, {}, {{"X", " 17.7059999999984"}, {"σc", " 50.2868503266054"}, {"Af", " 7.94981224895351"}, {"Af'", " 0"}}, ""},
    // T check: S1 = 38536.2 >= S2 = 13195, a rectangle 120 wide.
    {"T check", 4, {}, {{"X", " 15.49"}, {"σc", " 40"}, {"σf", " 2064"}, {"J", " 1347681"}, {"H", " 98"}}, ""},
    // T design: Xr = 14.064 below the 12 cm slab, corrected for the rib.
    {"T design", 5, {}, {{"X", " 14.2126173168138"}, {"h", " 54"}, {"C", " 0"}, {"Af", " 34.79"}, {"Af'", " 0"}, {"H", " 54"}}, ""},
    // T semi-design: balanced X = 19.636 below the slab, 14189 steps to 14.189.
    {"T semi-design", 6, {}, {{"X", " 14.19"}, {"h", " 54"}, {"H", " 57"}, {"J", " 1142803"}, {"Af", " 34.68"}, {"Af'", " 0"}}, ""},
    // T semi-design, axis within the slab: a rectangle 140 wide, 10288 steps.
    {"T semi-design, axis in the slab", 6, {"140", "12", "3", "20", "54", "80", "1400", "10", "1200000"}, {{"X", " 10.29"}, {"Af", " 16.95"}, {"Af'", " 0"}}, ""},
    // Column semi-design, case A: Ms = -400000, whole section in tension.
    {"column semi-design, in tension", 9, {}, {{"X", " 0"}, {"σc", " 75"}, {"Af", " 7.95"}, {"Af'", " 4.55"}, {"J", " 105305"}, {"H", " 50"}}, "SEZIONE TUTTA TESA X=INFINITO"},
    // Case C: Ms = 520000 < Mr = 616146.69, tension steel only.
    {"column semi-design, tension steel only", 9, {"30", "3", "3", "47", "75", "2000", "10", "300000", "10000"}, {{"X", " 11.89"}, {"σc", " 68"}, {"Af", " 1.04"}, {"Af'", " 0"}, {"J", " 105305"}}, ""},
    // Case B: Ms = 2050000 >= Mr, compression steel.
    {"column semi-design, compression steel", 9, {"30", "3", "3", "47", "75", "2000", "10", "1500000", "25000"}, {{"X", " 12.82"}, {"σc", " 75"}, {"Af", " 11"}, {"Af'", " 56.73"}}, ""},
    // Case D, whole section compressed: e = 6 < 50/6; sigma = 25000/1500 + 12 = 28.67.
    {"column semi-design, wholly compressed", 9, {"30", "3", "3", "47", "75", "2000", "10", "150000", "25000"}, {{"X", " 59.72"}, {"σc", " 29"}, {"Af", " 0"}, {"Af'", " 0"}}, "SEZIONE TUTTA COMPRESSA"},
    // Case D, partly compressed over the whole height h + C1 = 50: x = 3(25 - 8.33) = 50.
    {"column semi-design, partly compressed", 9, {"30", "3", "3", "47", "75", "2000", "10", "500000", "60000"}, {{"X", " 50"}, {"σc", " 80"}, {"Af", " 0"}, {"Af'", " 0"}, {"J", " 105305"}, {"H", " 50"}}, "CLS OLTRE LA TENSIONE AMMISSIBILE: SEZIONE DA ARMARE"},
    // Case A with C1 != C2: the pull 107849 acts at H/2 = 17.5; Af = (107849*11.5 + 1333589)
    // / (1360*27) = 70.09, Af' = (107849*15.5 - 1333589) / 36720 = 9.21.
    {"column semi-design, in tension, unequal covers", 9, {"56", "2", "6", "33", "73", "1360", "15", "1333589", "-107849"}, {{"X", " 0"}, {"Af", " 70.09"}, {"Af'", " 9.21"}}, "SEZIONE TUTTA TESA X=INFINITO"},

    // Regression inputs: single precision, accumulated steps and the search start.
    {"semi-design search from 17 cm", 3, {"40", "3", "79", "95", "1431", "13", "2812575"}, {{"X", " 30.0976999999695"}, {"Af", " 28.4986295370911"}}, ""},
    {"semi-design single-precision target", 3, {"33", "3", "79", "100", "2308", "10", "1642787"}, {{"X", " 18.8859999999956"}}, ""},
    {"T design with compression steel", 5, {"140", "12", "20", "0", "0.27", "50", "1400", "10", "2400000"}, {{"X", " 13.3674721905217"}, {"Af", " 36.65"}, {"Af'", " 9.9"}}, ""},
    {"T semi-design, single-precision rib", 6, {"110.3", "13", "3", "33.7", "68", "76", "2086", "13", "2708339"}, {{"X", " 16.1"}, {"Af", " 20.66"}}, ""},
    {"T semi-design, wide slab", 6, {"163.1", "25", "3", "28", "83", "48", "2586", "10", "3107083"}, {{"X", " 11.53"}, {"J", " 1083228"}}, ""},
    {"rectangular check, heavy steel", 1, {"23", "6", "40", "22.29", "7.21", "11", "2550967"}, {{"J", " 174116"}, {"X", " 18.9559260158438"}, {"σc", " 277.721974487867"}}, ""},
    {"semi-design with compression steel", 3, {"25", "3", "67", "60", "1400", "10", "910003"}, {{"X", " 20.1"}, {"Af", " 10.7788002232143"}, {"Af'", " 3.00134777046819E-02"}}, ""},
    {"semi-design axis below 17 cm", 3, {"40", "2", "36", "80", "1835", "6", "345742"}, {{"X", " 6.97959999999707"}, {"Af", " 5.59546803397543"}}, ""},
    {"semi-design of a shallow beam", 3, {"20", "2", "5", "60", "1400", "10", "1000"}, {{"X", " .796399999999929"}, {"Af", " .150883280997211"}}, ""},
};
// clang-format on

// Test names carry the row's own description, not its bytes.
void PrintTo(const ExampleRow& row, std::ostream* os) {
    *os << row.what;
}

class WorkedExample : public ::testing::TestWithParam<ExampleRow> {};

TEST_P(WorkedExample, WritesEveryResultDigitForDigit) {
    const ExampleRow& row = GetParam();
    CaseRun run;
    runCase(run, row.code, row.texts, row.texts.empty());
    ASSERT_FALSE(run.message()) << run.message()->text;
    for (const auto& [symbol, text] : row.results)
        EXPECT_EQ(run.result(symbol), text) << symbol;
    if (row.notice.empty())
        EXPECT_TRUE(run.notices().empty());
    else
        EXPECT_EQ(run.notices(), std::vector<std::string>{row.notice});
    EXPECT_EQ(run.frame.code(), row.code);
}

INSTANTIATE_TEST_SUITE_P(AllCases, WorkedExample, ::testing::ValuesIn(kRows), [](const auto& info) {
    std::string name = std::to_string(info.index) + "_";
    for (char c : std::string(info.param.what))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// The column check has worked values to a few digits only (hand calculation).
TEST(ColumnCheck, ExampleIsWhollyCompressed) {
    CaseRun run;
    runCase(run, 7, {}, true);
    // Ai = 1633.2, xG = 25.9429, J = 375516.7, M' = 173573.4
    EXPECT_NEAR(readNumber(run.result("σc")), 27.30, 0.005);
    for (const char* empty : {"X", "σf", "J", "H"})
        EXPECT_EQ(run.result(empty), "") << empty;
    EXPECT_EQ(run.notices(), std::vector<std::string>{"sezione tutta compressa"});
}

TEST(ColumnCheck, LargeMomentFindsTheAxisInsideTheSection) {
    CaseRun run;
    runCase(run, 7, {"30", "3", "3", "47", "10.16", "3.16", "10", "1500000", "25000"});
    EXPECT_NEAR(readNumber(run.result("X")), 18.7185, 0.0001);
    EXPECT_NEAR(readNumber(run.result("σc")), 162.54, 0.005);
    EXPECT_NEAR(readNumber(run.result("σf")), 2455.8, 0.05);
    EXPECT_EQ(run.result("J"), " 154657");  // J(x) = 154657.9 of the last evaluation
    EXPECT_EQ(run.result("H"), " 50");
    EXPECT_TRUE(run.notices().empty());
}

TEST(ColumnCheck, PullingForceWithSteelOnBothSidesIsWhollyInTension) {
    CaseRun run;
    runCase(run, 7, {"30", "3", "3", "47", "10.16", "3.16", "10", "150000", "-25000"});
    // A = 13.32, xG = 36.5616, J = 4666.4, M' = -139039.0
    EXPECT_NEAR(readNumber(run.result("σf")), 1565.9, 0.05);
    for (const char* empty : {"X", "σc", "J", "H"})
        EXPECT_EQ(run.result(empty), "") << empty;
    EXPECT_EQ(run.notices(), std::vector<std::string>{"sezione tutta tesa"});
}

TEST(ColumnCheck, PullingForceWithoutCompressionSteelHasNoEquilibrium) {
    CaseRun run;
    for (const Field& result : kColumnCheck.results())
        run.log.type(result.index, "old");
    runCase(run, 7, {"30", "3", "3", "47", "10.16", "0", "10", "150000", "-25000"});
    for (const Field& result : kColumnCheck.results())
        EXPECT_EQ(run.field(result.index), "") << result.symbol;
    EXPECT_EQ(run.notices(), std::vector<std::string>{"equilibrio impossibile"});
    EXPECT_FALSE(run.message());
}

TEST(ColumnCheck, OneSidedSteelUnderCompressionIsComputed) {
    CaseRun run;
    runCase(run, 7, {"30", "3", "3", "47", "10.16", "0", "10", "1500000", "25000"});
    EXPECT_FALSE(run.message());
    EXPECT_GT(readNumber(run.result("X")), 0);
    EXPECT_LT(readNumber(run.result("X")), 50);
}

// The rectangle of the semi-design example as a T with the slab as deep as the beam (case 6
// writes Af to hundredths): both describe the same section, so the same steel.
TEST(SemiDesign, ARectangleAsATGivesTheSameSteel) {
    CaseRun rect, tee;
    runCase(rect, 3, {}, true);
    runCase(tee, 6, {"25", "20", "3", "25", "67", "60", "1400", "10", "680000"});
    EXPECT_EQ(tee.result("Af"), " 7.95");
    EXPECT_EQ(roundToHundredths(readNumber(rect.result("Af"))), readNumber(tee.result("Af")));
}

// Both notices of a plain section wholly compressed beyond its allowable stress, in order:
// e = 150000/90000 < 50/6, sigma = 90000/1500 + 6*150000/(30*50^2) = 60 + 12 = 72 > 70.
TEST(ColumnSemiDesign, PlainConcreteBeyondItsAllowableStressAsksForSteel) {
    CaseRun run;
    runCase(run, 9, {"30", "3", "3", "47", "70", "2000", "10", "150000", "90000"});
    EXPECT_EQ(run.notices(),
              (std::vector<std::string>{"SEZIONE TUTTA COMPRESSA",
                                        "CLS OLTRE LA TENSIONE AMMISSIBILE: SEZIONE DA ARMARE"}));
}

// S1 = 20*10^2/2 + 10*1*(10 - 5) = 1050 < S2 = 10*6*(31 - 10) = 1260: the axis lies below
// the slab and the rib counts. p = (10*7 + 10*10)/10 = 17, q = (20*191 + 10*100)/10 = 482,
// X = -17 + sqrt(771) = 10.7669, cut to 10.76; as a rectangle 20 wide it would be 10.75.
TEST(TeeCheck, AxisBelowTheSlabUsesTheRib) {
    CaseRun run;
    runCase(run, 4, {"20", "10", "5", "10", "31", "6", "1", "10", "500000"});
    EXPECT_EQ(run.result("X"), " 10.76");
    EXPECT_EQ(run.result("H"), " 36");
}

}  // namespace
}  // namespace lirvo::testing
