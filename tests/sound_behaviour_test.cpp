// Where the method alone would divide by zero, search forever or show a result that is
// plainly wrong, the calculations refuse in words, or search where the answer lies.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "sections/bisection.h"
#include "sections/column_check.h"
#include "sections/numbers.h"
#include "tests/run_case.h"

namespace lirvo::testing {
namespace {

void expectRefusedWith(const CaseRun& run, const std::string& prompt,
                       MessageStyle style = MessageStyle::kPlain, const std::string& title = "") {
    ASSERT_TRUE(run.message());
    EXPECT_EQ(run.message()->text, prompt);
    EXPECT_EQ(run.message()->style, style);
    EXPECT_EQ(run.message()->title, title);
    EXPECT_EQ(run.fieldWrites(), 0);
    EXPECT_TRUE(run.notices().empty());
}

void expectImpossible(int code, const std::vector<std::string>& texts) {
    CaseRun run;
    runCase(run, code, texts);
    SCOPED_TRACE("case " + std::to_string(code));
    expectRefusedWith(run, kImpossibleCalculation);
}

TEST(ArithmeticFaults, NonNumbersAreRefusedAsAWhole) {
    // Overflow: n (Af + Af') / B and its square are infinite, X = -p + sqrt(p^2 + q) is NaN.
    expectImpossible(1, {"25", "3", "77", "1E308", "1.01", "10", "1000000"});
    // Balanced neutral axis exactly at the compression steel: X - C = 0.
    expectImpossible(3, {"25", "3", "6", "50", "500", "10", "100000"});
}

TEST(ArithmeticFaults, AResultWhoseTextWouldReadAsInfinityIsRefused) {
    // H = h + C is the largest double, whose 15 digits round up beyond the range.
    expectImpossible(
        6, {"140", "12", "1.7976931348623157E308", "20", "54", "80", "1400", "10", "2400000"});
}

TEST(ArithmeticFaults, EarlierResultsStayWhenARunIsRefused) {
    CaseRun run;
    runCase(run, 1, {}, true);
    runCase(run, 1, {"25", "3", "77", "1E308", "1.01", "10", "1000000"});
    EXPECT_EQ(run.message()->text, kImpossibleCalculation);
    EXPECT_EQ(run.result("X"), " 18.9807168027919");
}

TEST(RectangularDesign, AbsurdRatioMessageCarriesTheLimit) {
    CaseRun run;
    runCase(run, 2, {"25", "0", "3", "50", "1400", "10", "690000"});
    expectRefusedWith(run, "DATI ASSURDI perchè W> 2.8");
}

TEST(RectangularDesign, TotalDepthBeyondTheWholeNumberRangeIsRefused) {
    expectImpossible(2, {"25", "0", "0", "50", "1400", "10", "1E13"});
    // Just inside: a depth of tens of metres is still written.
    CaseRun run;
    runCase(run, 2, {"25", "0", "0", "50", "1400", "10", "1E11"});
    EXPECT_FALSE(run.message());
    EXPECT_LE(readNumber(run.result("H")), 32767);
}

TEST(SteelAreas, ANegativeAreaIsNeverWritten) {
    // The balanced axis X = 0.3 h = 2.4 cm lies above the compression steel at C = 3 cm, and M
    // exceeds the balanced 12960 kg cm: Af' = dAf (h - X) / (X - C) would be negative.
    expectImpossible(3, {"25", "3", "8", "60", "1400", "10", "100000"});
}

TEST(TeeDesign, WarningsCarryTheirTitleAndIcon) {
    CaseRun shallow;
    runCase(shallow, 5, {"140", "12", "20", "0", "0", "50", "1400", "10", "100000"});
    expectRefusedWith(shallow, "LA SOLETTA REGGE SENZA COSTOLA", MessageStyle::kQuestion,
                      kAttentionTitle);
    CaseRun absurd;
    runCase(absurd, 5, {"140", "12", "20", "0", "3", "50", "1400", "10", "2400000"});
    expectRefusedWith(absurd, "DATI DI PROGETTO ASSURDI", MessageStyle::kQuestion, kAttentionTitle);
}

TEST(SemiDesignSearch, NeutralAxisBelowSeventeenCentimetresIsFoundFromZero) {
    // The root lies at 6.98 cm; a search from 17 cm would stop at once at 17.0001.
    CaseRun run;
    runCase(run, 3, {"40", "2", "36", "80", "1835", "6", "345742"});
    EXPECT_EQ(run.result("X"), " 6.97959999999707");
}

TEST(SemiDesignSearch, ShallowBeamEnds) {
    // h below 17/3 cm: from 17 cm the cubic never reaches its target.
    CaseRun run;
    runCase(run, 3, {"20", "2", "5", "60", "1400", "10", "1000"});
    EXPECT_EQ(run.result("X"), " .796399999999929");
}

TEST(SemiDesignSearch, ASearchBeyondItsBoundIsRefusedPromptly) {
    const auto start = std::chrono::steady_clock::now();
    // A 30 m deep beam whose neutral axis lies beyond the bound of the search.
    expectImpossible(3, {"25", "3", "3000", "60", "1400", "10", "1E9"});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(ColumnSemiDesign, PartlyCompressedSectionUsesItsWholeHeight) {
    // e = 8.33 = H/6 with H = h + C1 = 50: x = 3 (25 - 8.33) = 50, sigma = 2N / (B x) = 80.
    CaseRun run;
    runCase(run, 9, {"30", "3", "3", "47", "75", "2000", "10", "500000", "60000"});
    EXPECT_EQ(run.result("X"), " 50");
    EXPECT_EQ(run.result("σc"), " 80");
}

TEST(Columns, NegativeMomentAsksToTurnTheSectionOver) {
    const char* prompt = "MOMENTO FLETTENTE NEGATIVO: CAPOVOLGERE LA SEZIONE";
    CaseRun check;
    runCase(check, 7, {"30", "3", "3", "47", "10.16", "3.16", "10", "-1500000", "25000"});
    expectRefusedWith(check, prompt);
    CaseRun semi;
    runCase(semi, 9, {"30", "3", "3", "47", "75", "2000", "10", "-150000", "-25000"});
    expectRefusedWith(semi, prompt);
}

TEST(Columns, MissingDataComesBeforeTheNegativeMoment) {
    CaseRun run;
    runCase(run, 7, {"30", "3", "3", "47", "10.16", "3.16", "10", "-1500000", ""});
    EXPECT_EQ(run.message()->text, "MANCA LO SFORZO NORMALE");
}

TEST(Columns, NormalForceIsHeldInSinglePrecision) {
    // 1E-50 is not zero in double, but N is held in single precision, where it is.
    CaseRun run;
    runCase(run, 7, {"30", "3", "3", "47", "10.16", "3.16", "10", "150000", "1E-50"});
    EXPECT_EQ(run.message()->text, "MANCA LO SFORZO NORMALE");
}

TEST(Columns, EveryRunFirstClearsTheNoticeOfAnEarlierRun) {
    for (int code : {7, 9}) {
        CaseRun run;
        runCase(run, code, {});  // stops on a missing datum
        ASSERT_FALSE(run.log.events().empty());
        EXPECT_EQ(run.log.events().front().kind, Event::kClearNotice) << code;
    }
    CaseRun beam;
    runCase(beam, 1, {}, true);
    for (const Event& e : beam.log.events())
        EXPECT_NE(e.kind, Event::kClearNotice);
}

TEST(Bisection, EndsWhenTheIntervalCanNoLongerBeHalved) {
    // The residual is far above the tolerance at every double near the root 1/3.
    int calls = 0;
    auto steep = [&](double x) {
        ++calls;
        return 1e20 * (x - 1.0 / 3);
    };
    const double root = bisect(0, 1, steep(0), steep, 0.001);
    EXPECT_NEAR(root, 1.0 / 3, 1e-15);
    EXPECT_LT(calls, 100);
}

TEST(Bisection, EndsOnANonNumber) {
    // The sign test fails on a non-number: the first midpoint is taken, after one evaluation.
    int calls = 0;
    auto broken = [&](double) {
        ++calls;
        return std::numeric_limits<double>::quiet_NaN();
    };
    EXPECT_EQ(bisect(0, 1, -1, broken, 0.001), 0.5);
    EXPECT_EQ(calls, 1);
}

TEST(Bisection, HugeSectionsStillEndWithAFullAnswerOrARefusal) {
    for (const char* width : {"1E9", "1E15", "1E100"}) {
        CaseRun run;
        runCase(run, 7, {width, "3", "3", "47", "10.16", "3.16", "10", "1500000", "25000"});
        SCOPED_TRACE(width);
        if (run.message()) {
            EXPECT_EQ(run.message()->text, kImpossibleCalculation);
        } else {
            ASSERT_EQ(run.fieldWrites(), 5);
            for (const Field& result : kColumnCheck.results())
                EXPECT_TRUE(std::isfinite(readNumber(run.field(result.index)))) << result.symbol;
        }
    }
}

}  // namespace
}  // namespace lirvo::testing
