// lirvo-calc: events as lines, exit statuses, and the batch.
#include "calculator.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace lirvo::cli {
namespace {

struct Result {
    int status;
    std::string out, err;
};

Result command(std::vector<std::string_view> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    int status = runCommand(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Command, PrintsEveryFieldWrittenWithItsSymbol) {
    Result r = command({"1", "25", "3", "77", "8.04", "1.01", "10", "1000000"});
    EXPECT_EQ(r.status, kResultsWritten);
    EXPECT_EQ(r.out,
              "FIELD\t9\tJ\t 330209\n"
              "FIELD\t10\tX\t 18.9807168027919\n"
              "FIELD\t11\tσc\t 57.4808628060891\n"
              "FIELD\t12\tσf\t 1757.04558063677\n");
    EXPECT_EQ(r.err, "");
}

TEST(Command, CaseByNameWithTheExampleWritesTheExampleTextsFirst) {
    Result r = command({"pil-semiprogetto", "--example"});
    EXPECT_EQ(r.status, kResultsWritten);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "FIELD\t2\tB\t30");
    EXPECT_NE(r.out.find("FIELD\t10\tN\t-25000\nNOTICE\tSEZIONE TUTTA TESA X=INFINITO\n"
                         "FIELD\t11\tX\t 0\n"),
              std::string::npos)
        << r.out;
}

TEST(Command, MissingTrailingTextsAreEmpty) {
    Result r = command({"rett-verifica", "25", "3", "77", "8.04", "1.01", "10"});
    EXPECT_EQ(r.status, kStoppedByMessage);
    EXPECT_EQ(r.out, "MESSAGE\t0\t\tMANCA IL MOMENTO FLETTENTE\n");
}

TEST(Command, MessageWithTitleAndStyle) {
    Result r = command({"5", "140", "12", "20", "0", "0", "50", "1400", "10", "100000"});
    EXPECT_EQ(r.status, kStoppedByMessage);
    EXPECT_EQ(r.out, "MESSAGE\t32\tATTENZIONE\tLA SOLETTA REGGE SENZA COSTOLA\n");
}

TEST(Command, ColumnNoticeAndBlankFields) {
    Result r = command({"7", "30", "3", "3", "47", "10.16", "0", "10", "150000", "-25000"});
    EXPECT_EQ(r.status, kResultsWritten);
    EXPECT_EQ(r.out,
              "NOTICE\tequilibrio impossibile\n"
              "FIELD\t11\tX\t\nFIELD\t12\tσc\t\nFIELD\t13\tσf\t\nFIELD\t14\tJ\t\nFIELD\t15\tH\t\n");
}

TEST(Command, UsageErrors) {
    for (auto args :
         std::vector<std::vector<std::string_view>>{{},
                                                    {"8"},
                                                    {"0"},
                                                    {"rett"},
                                                    {"1", "1", "2", "3", "4", "5", "6", "7", "8"},
                                                    {"--file"},
                                                    {"--save", "a.lirvo"},
                                                    {"--save", "a.lirvo", "8"}}) {
        Result r = command(args);
        EXPECT_EQ(r.status, kUsageError);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("lirvo-calc CASO"), std::string::npos);
    }
}

TEST(Command, HelpGoesToStandardOutput) {
    Result r = command({"--help"});
    EXPECT_EQ(r.status, kResultsWritten);
    EXPECT_NE(r.out.find("--batch"), std::string::npos);
    EXPECT_EQ(r.err, "");
}

TEST(Batch, PrefixesEachLinesEventsWithItsNumber) {
    Result r = command({"--batch"},
                       "1\t25\t3\t77\t8.04\t1.01\t10\t1000000\r\n"
                       "rett-verifica\t25\n"
                       "x\t1\n"
                       "\n"
                       "2\t1\t2\t3\t4\t5\t6\t7\t8\n"
                       "4\t120\t25\t3\t30\t95\t18.85\t4.71\t10\t3500000");
    EXPECT_EQ(r.status, kResultsWritten);
    EXPECT_EQ(r.out,
              "1\tFIELD\t9\tJ\t 330209\n"
              "1\tFIELD\t10\tX\t 18.9807168027919\n"
              "1\tFIELD\t11\tσc\t 57.4808628060891\n"
              "1\tFIELD\t12\tσf\t 1757.04558063677\n"
              "2\tMESSAGE\t0\t\tMANCA IL COPRIFERRO\n"
              "3\tERROR\tcaso sconosciuto: x\n"
              "4\tERROR\triga vuota\n"
              "5\tERROR\ttroppi testi: il caso 2 ha 7 campi di dati\n"
              "6\tFIELD\t11\tX\t 15.49\n"
              "6\tFIELD\t12\tσc\t 40\n"
              "6\tFIELD\t13\tσf\t 2064\n"
              "6\tFIELD\t14\tJ\t 1347681\n"
              "6\tFIELD\t15\tH\t 98\n");
}

TEST(Batch, LinesDoNotInheritTextsFromEarlierLines) {
    Result r = command({"--batch"},
                       "1\t25\t3\t77\t8.04\t1.01\t10\t1000000\n"
                       "1\t25\t3\t77\n");
    EXPECT_NE(r.out.find("2\tMESSAGE\t0\t\tMANCA L'Area dell'ARMATURA TESA\n"), std::string::npos)
        << r.out;
}

// Case files in a fresh folder, removed afterwards.
class CaseFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lirvo_cli_XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
};

const std::vector<std::string_view> kTypedCheck = {"1",    "25",   "3",  "77",
                                                   "8.04", "1.01", "10", "1000000"};

TEST_F(CaseFiles, ASavedRunReopensWithTheSameEvents) {
    const Result typed = command(kTypedCheck);
    const std::string file = path("a.lirvo");
    std::vector<std::string_view> save = {"--save", file};
    save.insert(save.end(), kTypedCheck.begin(), kTypedCheck.end());
    const Result saved = command(save);
    EXPECT_EQ(saved.status, kResultsWritten);
    EXPECT_EQ(saved.out, typed.out);

    const Result reopened = command({"--file", file});
    EXPECT_EQ(reopened.status, kResultsWritten);
    EXPECT_EQ(reopened.out, typed.out);
}

TEST_F(CaseFiles, EachFilesLinesCarryItsNameAndABadFileGivesItsReason) {
    const std::string good = path("good.lirvo"), stopped = path("stopped.lirvo"),
                      bad = path("bad.lirvo");
    ASSERT_EQ(command({"--save", good, "4", "120", "25", "3", "30", "95", "18.85", "4.71", "10",
                       "3500000"})
                  .status,
              kResultsWritten);
    ASSERT_EQ(command({"--save", stopped, "rett-verifica", "25"}).status, kStoppedByMessage);
    std::ofstream(bad) << "B=25\n";

    const Result r = command({"--file", good, bad, stopped});
    EXPECT_EQ(r.status, kStoppedByMessage);
    std::string expected;
    for (const char* line : {"FIELD\t11\tX\t 15.49", "FIELD\t12\tσc\t 40", "FIELD\t13\tσf\t 2064",
                             "FIELD\t14\tJ\t 1347681", "FIELD\t15\tH\t 98"})
        expected += good + '\t' + line + '\n';
    expected += bad + "\tERROR\tIL FILE bad.lirvo NON È UN CALCOLO DI LIRVO\n";
    expected += stopped + "\tMESSAGE\t0\t\tMANCA IL COPRIFERRO\n";
    EXPECT_EQ(r.out, expected);

    // One bad file alone: no name before the record, and the status says so.
    EXPECT_EQ(command({"--file", bad}).out, "ERROR\tIL FILE bad.lirvo NON È UN CALCOLO DI LIRVO\n");
    EXPECT_EQ(command({"--file", bad}).status, kStoppedByMessage);
    EXPECT_EQ(command({"--file", good, good}).status, kResultsWritten);
    EXPECT_EQ(command({"--file", stopped, good}).status, kStoppedByMessage);
}

TEST_F(CaseFiles, ASaveThatFailsSaysSoAfterTheEvents) {
    const Result r = command({"--save", path("missing/a.lirvo"), "rett-verifica", "--example"});
    EXPECT_EQ(r.status, kStoppedByMessage);
    EXPECT_EQ(r.out, command({"rett-verifica", "--example"}).out +
                         "ERROR\tIMPOSSIBILE SALVARE IL CALCOLO NEL FILE a.lirvo\n");
}

}  // namespace
}  // namespace lirvo::cli
