// lirvo-calc --uls: the materials of each way of giving them, every refusal of SPEC, and the
// lines a run, a batch and a domain add.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/calculator.h"
#include "cli/uls_option.h"
#include "tests/cli_command.h"

namespace lirvo::cli {
namespace {

// fcd and fyd by hand: 0.85 fck / 1.5, fyk / 1.15, fck = 0.83 Rck; B450C is 450 N/mm² =
// 45000 / 9.80665 kg/cm²; FC 1.35, 1.20, 1.00 for LC1-3.
TEST(UlsOption, DerivesTheDesignStrengthsOfEachWay) {
    const struct {
        const char* spec;
        double fcd, fyd;
    } rows[] = {
        {"fcd=141,fyd=3826", 141, 3826},
        {"fck=250,fyk=4400", 141.66666666666667, 3826.0869565217395},
        {" rck = 300 , acciaio = FeB44k ", 141.1, 3826.0869565217395},
        {"rck=250,acciaio=b450c,gc=1.6,gs=1,acc=1", 129.6875, 4588.722958400677},
        {"fck=200,acciaio=Aq42", 113.33333333333333, 2000},
        {"fcm=200,fym=3000,lc=1", 148.14814814814815, 2222.2222222222222},
        {"fcm=200,fym=3000,lc=2", 166.66666666666667, 2500},
        {"fcm=200,fym=3000,lc=3", 200, 3000},
    };
    for (const auto& row : rows) {
        const auto spec = parseUlsOption(row.spec);
        ASSERT_TRUE(std::holds_alternative<UlsData>(spec))
            << row.spec << std::get<std::string>(spec);
        EXPECT_NEAR(std::get<UlsData>(spec).strengths.fcd, row.fcd, 1e-12 * row.fcd) << row.spec;
        EXPECT_NEAR(std::get<UlsData>(spec).strengths.fyd, row.fyd, 1e-12 * row.fyd) << row.spec;
    }
}

struct Result {
    int status;
    std::string out, err;
};

Result command(std::vector<std::string_view> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCommand(args, in, out, err);
    return {status, out.str(), err.str()};
}

// Each refusal is a usage error that names its key, and nothing is computed.
TEST(UlsOption, RefusalsNameTheKeyAndComputeNothing) {
    const struct {
        std::vector<std::string_view> args;
        const char* named;
    } rows[] = {
        {{"--uls", "fcd=100,fyd=3000,fcx=1"}, "chiave sconosciuta \"fcx\""},
        {{"--uls", "fcd=1O0,fyd=3000"}, "fcd: \"1O0\" non è un numero"},
        {{"--uls", "fcd=1e999,fyd=3000"}, "fcd: \"1e999\" non è un numero"},
        {{"--uls", "fcd=100,fyd=3000,med="}, "med: manca il valore"},
        {{"--uls", "fcd=100,fyd=3000,ned=1,5"}, "chiave sconosciuta \"5\""},
        {{"--uls", "fcd=-100,fyd=3000"}, "fcd: deve essere positivo"},
        {{"--uls", "fcd=100"}, "manca la resistenza dell'acciaio (fyd, fyk, acciaio, fym)"},
        {{"--uls", "fyk=4400,gc=1.5"}, "manca la resistenza del calcestruzzo (fcd, fck, rck, fcm)"},
        {{"--uls", "fck=250,rck=300,fyk=4400"}, "fck e rck: una sola"},
        {{"--uls", "fck=250,acciaio=FeB50k"}, "acciaio: tipo sconosciuto \"FeB50k\" (FeB22k, "},
        {{"--uls", "fcm=200,fym=3000,lc=4"}, "lc: livello di conoscenza sconosciuto \"4\""},
        {{"--uls", "fcm=200,fym=3000,lc=1.5"}, "lc: livello di conoscenza sconosciuto"},
        {{"--uls", "fcm=200,fym=3000,lc=1e300"}, "lc: livello di conoscenza sconosciuto"},
        {{"--uls", "fcm=200,fym=3000"}, "manca lc"},
        {{"--uls", "fcd=100,fyk=4400"}, "fyk: non vale con fcd"},
        {{"--uls", "fcd=100,fyd=3000,gc=1.5"}, "gc: non vale con fcd"},
        {{"--uls", "fck=250,fyk=4400,lc=2"}, "lc: non vale con fck"},
        {{"--uls", "fcd=100,fcd=90,fyd=3000"}, "fcd: data due volte"},
        {{"--uls", "fcd,fyd=3000"}, "fcd: manca =valore"},
        {{"--uls", "fcd=100,fyd=3000", "--domain", "1"}, "--domain vuole un numero da 2"},
        {{"--domain", "5"}, "--domain vale solo con --uls"},
    };
    for (const auto& row : rows) {
        std::vector<std::string_view> args = row.args;
        args.insert(args.end(), {"rett-verifica", "--example"});
        const Result r = command(args);
        EXPECT_EQ(r.status, kUsageError) << row.named;
        EXPECT_EQ(r.out, "") << row.named;
        EXPECT_NE(r.err.find(row.named), std::string::npos) << r.err.substr(0, r.err.find('\n'));
    }
    EXPECT_EQ(command({"1", "--example", "--uls"}).status, kUsageError);
}

std::vector<std::string> keysOf(const std::string& out, const std::string& tag) {
    std::vector<std::string> keys;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(tag + "\t"))
            keys.push_back(line.substr(0, line.find('\t', tag.size() + 1)));
    return keys;
}

// The rectangular check's example (25 x 80, Af 8.04 at 77, Af' 1.01 at 3) after its fields.
TEST(UlsLines, FollowTheFieldsInTheirOrderWithTheVerdict) {
    const Result r =
        command({"--uls", "rck=250,acciaio=FeB44k,med=2000000", "--domain", "3", "1", "--example"});
    ASSERT_EQ(r.status, kResultsWritten) << r.err;
    const std::vector<std::string> expected = {
        "ULS\tfcd",   "ULS\tfyd",   "ULS\tN",    "ULS\tx",    "ULS\teps_top",     "ULS\teps_bottom",
        "ULS\tsteel", "ULS\tsteel", "ULS\tM_Rd", "ULS\tM_Ed", "ULS\tutilisation", "ULS\tverdict"};
    EXPECT_EQ(keysOf(r.out, "ULS"), expected);
    EXPECT_NE(r.out.find("ULS\tverdict\tverificata\n"), std::string::npos) << r.out;
    // N_Rd,t = -(8.04 + 1.01) fyd: the first DOMAIN line, closing the domain with one moment.
    EXPECT_EQ(keysOf(r.out, "DOMAIN").size(), 3u);
    EXPECT_NE(r.out.find("DOMAIN\t-34626.0869565217"), std::string::npos) << r.out;
    // A moment beyond M_Rd on the negative side: the other bound, and a refused run none.
    const Result negative = command({"--uls", "fcd=100,fyd=3000,med=-5e6", "1", "--example"});
    EXPECT_NE(negative.out.find("ULS\tverdict\tnon verificata\n"), std::string::npos);
    const Result refused = command({"--uls", "fcd=100,fyd=3000", "1", "25"});
    EXPECT_EQ(keysOf(refused.out, "ULS").size(), 0u);
}

// A push beyond N_Rd,c; a batch on one thread and on four writes the same lines.
TEST(UlsLines, OutsideTheDomainAndInBatch) {
    const Result outside = command({"--uls", "fcd=100,fyd=3000,ned=1e7", "7", "--example"});
    EXPECT_NE(
        outside.out.find("ULS\tN\t10000000\nULS\tM_Rd\toutside\nULS\tverdict\tnon verificata\n"),
        std::string::npos)
        << outside.out;
    std::string input;
    for (int i = 0; i < 50; ++i)
        input +=
            i % 5 ? "7\t30\t3\t3\t47\t10.16\t3.16\t10\t150000\t" + std::to_string(i * 2000) + "\n"
                  : "1\t25\n";
    const Result one = command({"--batch", "--jobs", "1", "--uls", "fck=250,fyk=4400"}, input);
    const Result four = command({"--uls", "fck=250,fyk=4400", "--batch", "--jobs", "4"}, input);
    EXPECT_EQ(one.status, kResultsWritten);
    EXPECT_EQ(one.out, four.out);
    EXPECT_EQ(keysOf(one.out, "40\tULS").size(), 9u);  // 7 quantities and 2 bars
    EXPECT_EQ(keysOf(one.out, "41\tULS").size(), 0u);  // a refused line
}

}  // namespace
}  // namespace lirvo::cli
