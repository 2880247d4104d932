// Benchmarks of the ultimate limit state: M_Rd of each worked example's section (the section
// prepared and solved, as a run of lirvo-calc --uls does), a domain of 100 points, and the lines
// per second of lirvo-calc --batch --uls on one thread. Materials: Rck 250 and FeB44k
// (fcd 117.6, fyd 3826 kg/cm²). They measure; none fails on speed.
#include <benchmark/benchmark.h>

#include <optional>
#include <sstream>
#include <string>

#include "bench/mixed_batch.h"
#include "cli/parallel_batch.h"
#include "cli/uls_option.h"
#include "sections/case_analysis.h"
#include "sections/cases.h"
#include "sections/event_log.h"
#include "sections/uls_analysis.h"

namespace lirvo::bench {
namespace {

const UlsStrengths kStrengths = designStrengths(NewConstruction{kFckPerRck * 250, 4400});

std::optional<CaseAnalysis> workedExampleSection(const CalcCase& calc) {
    EventLog log;
    log.requestExample(true);
    CalcFrame().run(calc, log);
    return caseSection(calc, fieldValues(calc, log));
}

void BM_UlsResistance(benchmark::State& state, const CalcCase* calc) {
    const std::optional<CaseAnalysis> a = workedExampleSection(*calc);
    if (!a || !UlsSection(a->model, kStrengths).resistance(a->model.N, true))
        return state.SkipWithError("no resistance for the worked example's section");
    for (auto _ : state) {
        const UlsSection section(a->model, kStrengths);
        std::optional<UlsState> s = section.resistance(a->model.N, true);
        benchmark::DoNotOptimize(s);
    }
}

void BM_UlsDomain(benchmark::State& state) {
    const std::optional<CaseAnalysis> a = workedExampleSection(*findCase("pil-verifica"));
    const UlsSection section(a->model, kStrengths);
    for (auto _ : state) {
        std::vector<UlsDomainPoint> domain = section.domain(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(domain);
    }
}
BENCHMARK(BM_UlsDomain)->Arg(100)->Unit(benchmark::kMicrosecond);

// The realistic mix of the eight cases of lirvo_random_batch, with and without --uls.
void BM_BatchUlsLines(benchmark::State& state) {
    const std::string& text = mixedBatchInput();
    cli::UlsRequest uls;
    uls.spec.strengths = kStrengths;
    const cli::BatchOptions options{.uls = state.range(0) ? &uls : nullptr};
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostringstream out;
        cli::runBatch(in, out, options);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * kBatchLines);
}
BENCHMARK(BM_BatchUlsLines)->ArgName("uls")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

[[maybe_unused]] const bool kRegistered = [] {
    for (const CalcCase* calc : allCases())
        benchmark::RegisterBenchmark(("BM_UlsResistance/" + std::string(calc->name)).c_str(),
                                     BM_UlsResistance, calc);
    return true;
}();

}  // namespace
}  // namespace lirvo::bench
