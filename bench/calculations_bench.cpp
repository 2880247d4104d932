// Benchmarks of the section calculations and of the headless calculator:
//   - every case on its worked example, the whole frame run (read, compute, write texts);
//   - the longest runs the search bounds allow: the stepwise neutral-axis searches of the
//     rectangular and T semi-designs near and at kMaxSearchSteps, and the slowest column
//     bisections found;
//   - batch throughput of runBatch on 100 000 rectangular checks, and lines per second on one
//     thread and on every core for those checks and for a mix of the eight cases;
//   - the equilibrium analysis of a section on its own, without the frame, and of the section a
//     worked example's fields describe (read from its texts, as the window and --state do).
// They measure and report; none of them fails on speed.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "bench/mixed_batch.h"
#include "cli/calculator.h"
#include "cli/parallel_batch.h"
#include "sections/case_analysis.h"
#include "sections/cases.h"
#include "sections/event_log.h"
#include "sections/frame.h"
#include "sections/numbers.h"
#include "sections/rect_semi_design.h"
#include "sections/search.h"
#include "sections/section_analysis.h"
#include "sections/tee_semi_design.h"
#include "tools/random_batch/batch_lines.h"

namespace lirvo::bench {
namespace {

const Event* messageOf(const EventLog& log) {
    for (const Event& e : log.events())
        if (e.kind == Event::kMessage) return &e;
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Worked examples: each case as the window runs it when its example is asked for.

// The whole frame run, as the window starts it, again and again.
void timeRuns(benchmark::State& state, const CalcCase& calc, EventLog& log) {
    CalcFrame frame;
    for (auto _ : state) {
        log.forgetEvents();
        frame.run(calc, log);
        benchmark::DoNotOptimize(log.events().data());
        benchmark::ClobberMemory();
    }
}

void workedExample(benchmark::State& state, const CalcCase* calc) {
    EventLog log;
    log.requestExample(true);
    timeRuns(state, *calc, log);
    if (const Event* m = messageOf(log))
        state.SkipWithError(("the worked example stopped on a message: " + m->text).c_str());
}

// ---------------------------------------------------------------------------------------------
// Longest bounded runs.

struct LongRun {
    const char* name;
    std::string_view caseName;
    std::vector<std::string> texts;  // fields 2 upward
    bool refused;                    // the run ends in CALCOLO IMPOSSIBILE CON QUESTI DATI
    // Stepwise searches only: field of the neutral axis X, where the search starts and its
    // step, to count the steps taken. Step 0: a bisection, whose halvings are not counted.
    int xField = 0;
    double start = 0;
    double step = 0;
};

// Rectangular semi-design (B C h sc sf n M): with h = 3000 the balanced moment is 1.82e9,
// and the root of B*sf*X^2*(h - X/3) = 2*n*M*(h - X) lies just short of X = 517 cm, the step
// bound from the 17 cm start, for M = 532682984 (4 999 991 steps); for M = 533792065 it lies
// at 517.5 cm, beyond the bound.
// T semi-design (B d C s h sc sf n M): with h = 20000 the balanced axis is at 7273 cm and the
// balanced moment 1.05e11; the root lies just short of X = 5000 cm, the step bound from 0,
// for M = 44119566989, and at 5000.5 cm for M = 44129534784.
// The column inputs are extreme magnitudes, the slowest found by a random search over field
// texts from 1e-300 to 1e300: the interval [0, H] starts near 1e300 while the root lies near
// 1e-296 (column check) or 1e-146 (column semi-design), where the residual never comes within
// the tolerance, so the interval is halved until it is one double wide: about 2030 and 1530
// halvings, still below kMaxHalvings. Both end with a result that is not a number, hence the
// refusal.
const std::vector<LongRun>& longRuns() {
    static const std::vector<LongRun> runs = {
        {"BM_LongestSearch/rett-semiprogetto/near-bound",
         "rett-semiprogetto",
         {"25", "3", "3000", "60", "1400", "10", "532682984"},
         false,
         rect_semi_design::kX,
         17,
         0.0001},
        {"BM_LongestSearch/rett-semiprogetto/over-bound",
         "rett-semiprogetto",
         {"25", "3", "3000", "60", "1400", "10", "533792065"},
         true,
         rect_semi_design::kX,
         17,
         0.0001},
        {"BM_LongestSearch/t-semiprogetto/near-bound",
         "t-semiprogetto",
         {"140", "12", "3", "20", "20000", "80", "1400", "10", "44119566989"},
         false,
         tee_semi_design::kX,
         0,
         0.001},
        {"BM_LongestSearch/t-semiprogetto/over-bound",
         "t-semiprogetto",
         {"140", "12", "3", "20", "20000", "80", "1400", "10", "44129534784"},
         true,
         tee_semi_design::kX,
         0,
         0.001},
        {"BM_LongestBisection/pil-verifica",
         "pil-verifica",
         {"1e-92", "1e300", "1e-65", "1e-300", "1e232", "60", "1e-67", "1e260", "-4e-26"},
         true},
        {"BM_LongestBisection/pil-semiprogetto",
         "pil-semiprogetto",
         {"1e290", "1e-283", "1e19", "1e300", "40", "45", "1e-300", "1e97", "3.7"},
         true},
    };
    return runs;
}

void longRun(benchmark::State& state, const LongRun* run) {
    const CalcCase* calc = findCase(run->caseName);
    if (!calc) return state.SkipWithError("no such case");
    EventLog log;
    log.typeInputs(*calc, run->texts);
    timeRuns(state, *calc, log);

    // The inputs only measure what they are meant to while they still run that long.
    const Event* message = messageOf(log);
    if (run->refused) {
        if (!message || message->text != kImpossibleCalculation)
            return state.SkipWithError("the input is no longer refused");
        // A stepwise search is refused here only once it has used up its steps.
        if (run->step != 0) state.counters["steps"] = static_cast<double>(kMaxSearchSteps);
        return;
    }
    if (message) return state.SkipWithError(("stopped on a message: " + message->text).c_str());
    if (run->step == 0) return;
    const double x = readNumber(log.fieldText(run->xField));
    const double steps = std::round((x - run->start) / run->step);
    if (steps < 0.99 * kMaxSearchSteps)
        return state.SkipWithError("the search no longer runs near its step bound");
    state.counters["steps"] = steps;
    state.counters["X_cm"] = x;
    state.counters["step_rate"] =
        benchmark::Counter(steps, benchmark::Counter::kIsIterationInvariantRate);
}

// ---------------------------------------------------------------------------------------------
// Batch throughput.

// Realistic rectangular checks (case 1: B C h Af Af' n M), one a line. The minimal standard
// generator with seed 1 makes the same lines as bench/batch_throughput.sh.
std::string rectangularChecks(int count) {
    std::minstd_rand0 random(1);
    auto draw = [&](std::uint32_t range) { return static_cast<std::uint32_t>(random() % range); };
    std::string text;
    text.reserve(static_cast<size_t>(count) * 40);
    char line[128];
    for (int i = 0; i < count; ++i) {
        const unsigned B = 20 + 5 * draw(9);            // 20 to 60 cm
        const unsigned C = 2 + draw(3);                 // 2 to 4 cm
        const unsigned h = 30 + draw(91);               // 30 to 120 cm
        const unsigned Af = 200 + draw(3800);           // 2.00 to 39.99 cm2
        const unsigned Afc = 50 + draw(1000);           // 0.50 to 10.49 cm2
        const unsigned n = draw(2) ? 15 : 10;           // modular ratio
        const unsigned M = 100000 + 10000 * draw(491);  // 1e5 to 5e6 kg cm
        std::snprintf(line, sizeof line, "1\t%u\t%u\t%u\t%u.%02u\t%u.%02u\t%u\t%u\n", B, C, h,
                      Af / 100, Af % 100, Afc / 100, Afc % 100, n, M);
        text += line;
    }
    return text;
}

const std::string& batchInput() {
    static const std::string text = rectangularChecks(kBatchLines);
    return text;
}

// Swallows what is written, keeping only the count of characters.
class CountingSink : public std::streambuf {
  public:
    long long written() const { return written_; }

  protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) ++written_;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        written_ += n;
        return n;
    }

  private:
    long long written_ = 0;
};

// Every line must give its four results, and nothing else.
bool batchOutputComplete(const std::string& out) {
    long fields = 0;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos || line.compare(tab + 1, 6, "FIELD\t") != 0) return false;
        ++fields;
    }
    return fields == 4L * kBatchLines;
}

void BM_BatchRectangularChecks(benchmark::State& state) {
    const std::string& text = batchInput();
    {
        std::istringstream in(text);
        std::ostringstream out;
        cli::runBatch(in, out);
        if (!batchOutputComplete(out.str()))
            return state.SkipWithError("the batch did not give four results on every line");
    }
    CountingSink sink;
    std::ostream out(&sink);
    for (auto _ : state) {
        std::istringstream in(text);
        cli::runBatch(in, out);
    }
    state.SetItemsProcessed(state.iterations() * kBatchLines);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
    state.counters["output_bytes"] =
        static_cast<double>(sink.written()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_BatchRectangularChecks)->Unit(benchmark::kMillisecond);

// The same batch written to a string stream, as a caller keeping the output would.
void BM_BatchRectangularChecksToString(benchmark::State& state) {
    const std::string& text = batchInput();
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostringstream out;
        cli::runBatch(in, out);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * kBatchLines);
}
BENCHMARK(BM_BatchRectangularChecksToString)->Unit(benchmark::kMillisecond);

// Lines per second of the batch on one thread and on every core: the rectangular checks above,
// and a realistic mix of the eight cases (lirvo_random_batch's lines), whose semi-design
// searches cost the most. Real time, since the work is spread over threads.
}  // namespace

const std::string& mixedBatchInput() {
    static const std::string text = [] {
        auto source = random_batch::LineSource::make(20240601, "");
        std::string lines;
        for (int i = 0; i < kBatchLines; ++i)
            source->appendLine(lines);
        return lines;
    }();
    return text;
}

namespace {

void BM_BatchLines(benchmark::State& state, const std::string& (*input)()) {
    const std::string& text = input();
    const auto jobs = static_cast<unsigned>(state.range(0));
    CountingSink sink;
    std::ostream out(&sink);
    for (auto _ : state) {
        std::istringstream in(text);
        if ((jobs == 1 ? cli::runBatch(in, out)
                       : cli::runBatch(in, out, cli::BatchOptions{.jobs = jobs})) !=
            cli::BatchEnd::kComplete)
            return state.SkipWithError("the batch output failed");
    }
    state.SetItemsProcessed(state.iterations() * kBatchLines);
    state.counters["jobs"] = jobs;
}

void registerBatchBenchmarks() {
    const std::string& (*inputs[])() = {batchInput, mixedBatchInput};
    const char* names[] = {"BM_BatchLines/rett-verifica", "BM_BatchLines/mix"};
    for (int i = 0; i < 2; ++i) {
        auto* b = benchmark::RegisterBenchmark(names[i], BM_BatchLines, inputs[i]);
        b->ArgName("jobs")->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
        if (cli::defaultJobs() > 1) b->Arg(cli::defaultJobs());
    }
}

// ---------------------------------------------------------------------------------------------
// The section analysis alone: the rectangular check's worked example (pure bending, axis inside
// the section) and the column check's (a push 6 cm off the centre, wholly compressed).

void BM_SectionAnalysis(benchmark::State& state, const SectionModel& model) {
    if (analyseSection(model).status != AnalysisStatus::kSolved)
        return state.SkipWithError("the section is no longer solved");
    for (auto _ : state) {
        SectionState result = analyseSection(model);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_SectionAnalysis, rett_verifica_example,
                  SectionModel{rectangleOutline(25, 80), 80, {{8.04, 77}, {1.01, 3}}, 10, 0, 1e6});
BENCHMARK_CAPTURE(BM_SectionAnalysis, pil_verifica_example,
                  SectionModel{
                      rectangleOutline(30, 50), 50, {{10.16, 47}, {3.16, 3}}, 10, 25000, 150000});

// The section of a worked example read back from the texts of its fields and analysed.
void BM_CaseAnalysis(benchmark::State& state, const CalcCase* calc) {
    EventLog log;
    log.requestExample(true);
    CalcFrame().run(*calc, log);
    const std::optional<CaseAnalysis> first = analyseCase(*calc, fieldValues(*calc, log));
    if (!first || first->state.status != AnalysisStatus::kSolved)
        return state.SkipWithError("the worked example's section is not solved");
    for (auto _ : state) {
        std::optional<CaseAnalysis> a = analyseCase(*calc, fieldValues(*calc, log));
        benchmark::DoNotOptimize(a);
    }
}

void registerCaseBenchmarks() {
    for (const CalcCase* calc : allCases())
        benchmark::RegisterBenchmark(("BM_WorkedExample/" + std::string(calc->name)).c_str(),
                                     workedExample, calc);
    for (const CalcCase* calc : allCases())
        benchmark::RegisterBenchmark(("BM_CaseAnalysis/" + std::string(calc->name)).c_str(),
                                     BM_CaseAnalysis, calc);
    for (const LongRun& run : longRuns())
        benchmark::RegisterBenchmark(run.name, longRun, &run)
            ->Unit(run.step != 0 ? benchmark::kMillisecond : benchmark::kMicrosecond);
}

}  // namespace
}  // namespace lirvo::bench

int main(int argc, char** argv) {
    lirvo::bench::registerCaseBenchmarks();
    lirvo::bench::registerBatchBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
