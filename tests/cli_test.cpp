// lirvo-calc: events as lines, exit statuses, and the batch.
#include "cli/calculator.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "sections/quoting.h"
#include "tests/cli_command.h"

namespace lirvo::cli {
namespace {

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

// Squares through the C library's pow(), as in the Debug build: x*x, the folding that
// -fno-builtin-pow forbids, ends these in ...616 and ...417.
TEST(Command, PowersOfTwoAreThoseOfTheLibraryPowInEveryBuild) {
    const struct {
        std::vector<std::string_view> args;
        std::string_view sigmaF;
    } rows[] = {
        {{"7", "45", "3", "4", "34", "2.64", "35.26", "8", "1111831", "20479"},
         "FIELD\t13\tσf\t 9515.59779589617\n"},
        {{"1", "36", "3", "33", "13.9", "6.36", "15", "344316"},
         "FIELD\t12\tσf\t 856.384571131418\n"},
    };
    for (const auto& row : rows)
        EXPECT_NE(command(row.args).out.find(row.sigmaF), std::string::npos) << row.args[0];
}

// A datum refused as read gives the window's prompt alone and in a batch, quoted safe.
TEST(Command, DataRefusedAsReadGiveTheWindowsPromptAloneAndInBatch) {
    for (std::string_view af : {"8,04", "4\x1b[2J5"}) {
        const std::string line =
            std::string("MESSAGE\t0\t\tDATO NON LEGGIBILE: Af = ") +
            (af == "8,04" ? "8,04 (IL SEPARATORE DECIMALE È IL PUNTO)\n" : "4?[2J5\n");
        EXPECT_EQ(command({"1", "25", "3", "77", af, "1.01", "10", "1000000"}).out, line);
        const std::string batch = "1\t25\t3\t77\t" + std::string(af) + "\t1.01\t10\t1e6\n";
        EXPECT_EQ(command({"--batch"}, batch).out, "1\t" + line);
    }
    // Blanks inside a number and a thousands point in a force, as the window refuses them.
    EXPECT_EQ(command({"--batch"},
                      "1\t25\t3\t77\t10 16\t1.01\t10\t1 000 000\n"
                      "7\t30\t3\t3\t47\t10.16\t3.16\t10\t150000\t25.000\n")
                  .out,
              "1\tMESSAGE\t0\t\tDATO NON LEGGIBILE: Af = 10 16\n"
              "2\tMESSAGE\t0\t\tDATO AMBIGUO: N = 25.000 (SCRIVERE 25000 O 25)\n");
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
                                                    {"--save", "a.lirvo", "8"},
                                                    {"--jobs", "2"},
                                                    {"--batch", "--jobs"},
                                                    {"--batch", "--jobs", "0"},
                                                    {"--batch", "--jobs", "2x"},
                                                    {"--batch", "--jobs", "257"},
                                                    {"--batch", "--jobs", "2", "--jobs", "2"},
                                                    {"--batch", "--batch"}}) {
        Result r = command(args);
        EXPECT_EQ(r.status, kUsageError);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("lirvo-calc CASO"), std::string::npos);
    }
}

// An output that takes nothing, as a full disk does.
struct FullDevice : std::streambuf {};

TEST(Command, FailedWriteEndsWithAMessageAndStatusThree) {
    std::string lines;  // more than the blocks a batch reads ahead
    for (int i = 0; i < 40000; ++i)
        lines += "1\t25\t3\t77\t8.04\t1.01\t10\t1000000\n";
    for (auto args : std::vector<std::vector<std::string_view>>{
             {"--batch"}, {"1", "--example"}, {"1", "25"}, {"--help"}}) {
        std::istringstream in(lines);
        FullDevice device;
        std::ostream out(&device);
        std::ostringstream err;
        EXPECT_EQ(runCommand(args, in, out, err), kWriteFailed) << args[0];
        EXPECT_EQ(err.str(), "lirvo-calc: impossibile scrivere i risultati\n") << args[0];
        EXPECT_FALSE(in.eof()) << "a batch stops at its first failed write";
    }
}

// An input that gives some lines and then fails, as a disk with a bad sector.
class FailingInput : public std::streambuf {
  public:
    explicit FailingInput(std::string lines) : lines_(std::move(lines)) {
        setg(lines_.data(), lines_.data(), lines_.data() + lines_.size());
    }

  protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

  private:
    std::string lines_;
};

TEST(Command, ABatchWhoseInputFailsSaysSoAfterTheLinesReadAndEndsWithStatusFour) {
    std::string lines;  // more than the first block read
    for (int i = 0; i < 6000; ++i)
        lines += "1\t25\t3\t77\t8.04\t1.01\t10\t1000000\n";
    for (std::string_view jobs : {"1", "2"}) {
        FailingInput failing(lines);
        std::istream in(&failing);
        std::ostringstream out, err;
        const std::vector<std::string_view> args = {"--batch", "--jobs", jobs};
        EXPECT_EQ(runCommand(args, in, out, err), kReadFailed);
        EXPECT_NE(out.str().find("\n2000\tFIELD\t12\t"), std::string::npos);
        EXPECT_EQ(err.str(),
                  "lirvo-calc: errore di lettura dei dati: il batch si ferma prima della fine\n");
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

// What a line quotes is safe on a terminal: no control characters, UTF-8 only, 40
// characters at most.
TEST(Batch, ErrorQuotesFortyPrintableCharactersAtMost) {
    auto times = [](int n, std::string_view s) {
        std::string out;
        while (n-- > 0)
            out += s;
        return out;
    };
    const struct {
        std::string name, quoted;
    } rows[] = {
        {"x\x1b[31m", "x?[31m"},                 // ESC
        {"a\x7f\x01\rb", "a???b"},               // DEL, C0, a CR inside
        {"\xc2\x9b[2J", "?[2J"},                 // C1 CSI
        {"caso\xff\xfe", "caso??"},              // bytes UTF-8 never has
        {"\xe2\x82x", "?x"},                     // a truncated character
        {"\xc0\xaf\xed\xa0\x80", "?????"},       // overlong '/', surrogate
        {"città", "città"},                      // UTF-8 kept
        {times(40, "a"), times(40, "a")},        // 40: whole
        {times(41, "a"), times(40, "a") + "…"},  // 41: cut
        {times(41, "σ"), times(40, "σ") + "…"},  // cut between characters
    };
    for (const auto& row : rows)
        EXPECT_EQ(command({"--batch"}, row.name + "\t1\n").out,
                  "1\tERROR\tcaso sconosciuto: " + row.quoted + "\n");
    EXPECT_NE(command({"x\x1b"}).err.find("caso sconosciuto: x?\n"), std::string::npos);
}

// Memory stays within a small multiple of the line: the texts of a line that has too many
// are not all split.
TEST(Batch, SplittingStopsOnceALineHasMoreTextsThanFields) {
    const std::string tabs = "1" + std::string(1'000'000, '\t');
    const std::vector<std::string_view> none, two(2), seven(7);
    const struct {
        std::string_view line;
        size_t most;
        bool fits;
        const std::vector<std::string_view>& texts;
    } rows[] = {
        {"1", 7, true, none},
        {"1\t\t", 2, true, two},
        {"1\t\t\t", 2, false, two},
        {tabs, 7, false, seven},
    };
    std::vector<std::string_view> texts;
    for (const auto& row : rows) {
        EXPECT_EQ(splitTexts(row.line, row.most, texts), row.fits) << row.line.size();
        EXPECT_EQ(texts, row.texts) << row.line.size();
    }
    EXPECT_TRUE(splitTexts("1\t25\t\t3", 7, texts));
    EXPECT_EQ(texts, (std::vector<std::string_view>{"25", "", "3"}));
    EXPECT_EQ(command({"--batch"}, tabs + "\n").out,
              "1\tERROR\ttroppi testi: il caso 1 ha 7 campi di dati\n");
}

TEST(Batch, JobsBeforeOrAfterBatchWriteTheSameLines) {
    std::string lines;
    for (int i = 0; i < 3000; ++i)
        lines += "1\t25\t3\t" + std::to_string(30 + i % 50) + "\t8.04\t1.01\t10\t1000000\n";
    const Result one = command({"--batch", "--jobs", "1"}, lines);
    EXPECT_EQ(one.status, kResultsWritten);
    EXPECT_NE(one.out.find("\n3000\tFIELD\t12\t"), std::string::npos);
    EXPECT_EQ(command({"--jobs", "3", "--batch"}, lines).out, one.out);
    EXPECT_EQ(command({"--batch"}, lines).out, one.out);
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

// The lines of a text that begin with the prefix, split at their TABs after it.
std::vector<std::vector<std::string>> linesStarting(const std::string& text,
                                                    const std::string& prefix) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) != 0) continue;
        std::vector<std::string> cells;
        std::istringstream cellsIn(line.substr(prefix.size()));
        for (std::string cell; std::getline(cellsIn, cell, '\t');)
            cells.push_back(cell);
        lines.push_back(cells);
    }
    return lines;
}

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

    std::vector<std::string_view> typedState = {"--state"};
    typedState.insert(typedState.end(), kTypedCheck.begin(), kTypedCheck.end());
    EXPECT_EQ(command({"--file", file, "--state"}).out, command(typedState).out);
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

// Bars typed in a check are kept as typed and read again as their area; a design file run
// with --bars proposes its bars.
TEST_F(CaseFiles, KeepBarTextsAndProposeBars) {
    const std::string check = path("bars.lirvo"), design = path("design.lirvo");
    const Result typed =
        command({"--save", check, "1", "25", "3", "77", "4Ø16", " 2 fi 8", "10", "1000000"});
    ASSERT_EQ(typed.status, kResultsWritten);
    std::stringstream saved;
    saved << std::ifstream(check).rdbuf();
    EXPECT_NE(saved.str().find("\"Af\": \"4Ø16\",\n"), std::string::npos) << saved.str();
    EXPECT_NE(saved.str().find("\"Af'\": \" 2 fi 8\",\n"), std::string::npos);
    EXPECT_EQ(command({"--file", check, "--bars"}).out, typed.out);
    ASSERT_EQ(command({"--save", design, "rett-progetto", "--example"}).status, kResultsWritten);
    EXPECT_EQ(linesStarting(command({"--bars", "--file", design}).out, "BARS\t").size(), 1u);
}

// A file's name and texts may hold line feeds, TABs and terminal escapes: they go out quoted
// as a batch's ERROR lines quote, so that no line is forged.
TEST_F(CaseFiles, NamesAndTextsOfFilesForgeNoLineAndNoEscape) {
    const std::string forged = path("x\nFIELD\t9\x1b[2J.lirvo"), good = path("a.lirvo");
    std::ofstream(forged) << R"({"formato": "lirvo-caso", "versione": 1,
        "caso": "x\nFIELD\t9\tJ\t 999999\u001b[2J"})";
    ASSERT_EQ(command({"--save", good, "rett-verifica", "--example"}).status, kResultsWritten);
    const Result r = command({"--file", forged, good});
    EXPECT_EQ(r.status, kStoppedByMessage);
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(line.starts_with(good + "\tFIELD\t") ||
                    line.starts_with(lirvo::quoted(forged, forged.size()) + "\tERROR\t"))
            << line;
        EXPECT_EQ(line.find('\x1b'), std::string::npos) << line;
    }
    EXPECT_NE(r.out.find("ERROR\tIL FILE x?FIELD?9?[2J.lirvo: CASO SCONOSCIUTO: x?FIELD?9?J? "
                         "999999?[2J\n"),
              std::string::npos)
        << r.out;
}

// What a shell script prints on its standard output.
std::string shellOutput(const std::string& scriptFile, const std::string& script) {
    std::ofstream(scriptFile) << script;
    FILE* shell = popen(("bash " + scriptFile).c_str(), "r");
    std::string said;
    for (int c; shell && (c = std::fgetc(shell)) != EOF;)
        said += static_cast<char>(c);
    if (shell) pclose(shell);
    return said;
}

// Through a real pipe whose reader stops early: the failed write's message and status 3,
// not a death by SIGPIPE (status 141).
TEST_F(CaseFiles, AClosedPipeIsAFailedWrite) {
    EXPECT_EQ(shellOutput(path("pipe.sh"),
                          "yes '1\t25\t3\t77\t8.04\t1.01\t10\t1000000' | head -n 100000 |\n"
                          "  '" LIRVO_CALC "' --batch 2>\"$0.err\" | head -c 10 >/dev/null\n"
                          "echo \"${PIPESTATUS[2]}\"; cat \"$0.err\"\n"),
              "3\nlirvo-calc: impossibile scrivere i risultati\n");
}

TEST_F(CaseFiles, ASaveThatFailsSaysSoAfterTheEvents) {
    const Result r = command({"--save", path("missing/a.lirvo"), "rett-verifica", "--example"});
    EXPECT_EQ(r.status, kStoppedByMessage);
    EXPECT_EQ(r.out, command({"rett-verifica", "--example"}).out +
                         "ERROR\tIMPOSSIBILE SALVARE IL CALCOLO NEL FILE a.lirvo\n");
}

// The rectangular check's example: its STATE lines after its FIELD lines, every number in 17
// significant digits (it reads back to the same double and prints again as it stands), the
// axis that of the X written, the steel where the example puts it (Af' at C = 3, Af at h = 77,
// H = 77 + 3).
TEST(State, LinesFollowTheFieldsOfASuccessfulRun) {
    Result r = command({"--state", "1", "--example"});
    ASSERT_EQ(r.status, kResultsWritten);
    EXPECT_LT(r.out.rfind("FIELD\t"), r.out.find("STATE\t"));
    const auto state = linesStarting(r.out, "STATE\t");
    std::vector<std::string> keys;
    for (const auto& cells : state) {
        keys.push_back(cells[0]);
        for (size_t i = 1; i < cells.size() && cells[0] != "regime"; ++i) {
            char again[32];
            std::snprintf(again, sizeof again, "%.17g", std::stod(cells[i]));
            EXPECT_EQ(cells[i], again) << cells[0];
        }
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"regime", "H", "x", "sigma_c", "steel", "steel",
                                        "resultant_N", "resultant_M", "residual_N", "residual_M"}));
    EXPECT_EQ(state[0][1], "cracked");
    EXPECT_EQ(state[1][1], "80");
    EXPECT_NEAR(std::stod(state[2][1]), 18.9807168027919, 1e-12);
    EXPECT_EQ(state[4][1] + " " + state[5][1], "3 77");
    EXPECT_DOUBLE_EQ(std::stod(state[7][1]), 1e6 + std::stod(state[9][1]));
}

// In a batch each line's STATE lines carry its number; a refused line has none. The design
// adds its utilisations and the verdict.
TEST(State, BatchLinesAndUtilisations) {
    Result r = command({"--batch", "--state"},
                       "rett-progetto\t25\t0\t0\t50\t1400\t10\t690000\n"
                       "pil-verifica\t30\t3\t3\t47\t1\t20\t15\t1\t100000\n");
    EXPECT_EQ(linesStarting(r.out, "1\tSTATE\t").size(), 13u);
    EXPECT_EQ(linesStarting(r.out, "1\tSTATE\tutilisation_").size(), 2u);
    const auto verdict = linesStarting(r.out, "1\tSTATE\tverdict\t");
    ASSERT_EQ(verdict.size(), 1u);
    EXPECT_EQ(verdict[0], std::vector<std::string>{"verificata"});
    EXPECT_EQ(linesStarting(r.out, "2\tSTATE").size(), 0u);
    EXPECT_EQ(linesStarting(r.out, "2\tMESSAGE\t0\t\tCALCOLO IMPOSSIBILE").size(), 1u);
}

// The bars proposed for each steel area above zero a design writes, after its events and
// before its STATE lines, in a batch with the line's number; none for a check or a refused
// line, nor for an Af' of 0. Column semi-design: Af 7.95 and Af' 4.55 in B = 30 (w 240 mm)
// take 4Ø16 and 3Ø14 (hand-worked in tests/bar_notation_test.cpp).
TEST(Bars, LinesFollowTheEventsOfEachDesign) {
    Result r = command({"--batch", "--bars", "--state"},
                       "9\t30\t3\t3\t47\t75\t2000\t10\t150000\t-25000\n"
                       "1\t25\t3\t77\t4Ø16\t2Ø8\t10\t1000000\n"
                       "2\t25\t0\t0\t50\t1400\t10\t0\n"
                       "rett-progetto\t25\t0\t0\t50\t1400\t10\t690000\n");
    ASSERT_EQ(r.status, kResultsWritten);
    EXPECT_EQ(linesStarting(r.out, "1\tBARS\t"),
              (std::vector<std::vector<std::string>>{{"Af", "4Ø16", "8.0424771931898711"},
                                                     {"Af'", "3Ø14", "4.6181412007769955"}}));
    EXPECT_LT(r.out.find("1\tFIELD\t16"), r.out.find("1\tBARS"));
    EXPECT_LT(r.out.find("1\tBARS"), r.out.find("1\tSTATE"));
    EXPECT_EQ(linesStarting(r.out, "2\tBARS").size(), 0u);
    EXPECT_EQ(linesStarting(r.out, "3\tBARS").size(), 0u);
    EXPECT_EQ(linesStarting(r.out, "4\tBARS\t"),
              (std::vector<std::vector<std::string>>{{"Af", "4Ø16", "8.0424771931898711"}}));
    // The same lines for one run on the command line.
    EXPECT_EQ(linesStarting(command({"9", "--example", "--bars"}).out, "BARS\t"),
              linesStarting(r.out, "1\tBARS\t"));
}

}  // namespace
}  // namespace lirvo::cli
