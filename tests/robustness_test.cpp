// Random field texts through every calculation case. Whatever is typed into the fields, a run
// must end quickly and then either refuse with one message box and write nothing, or write
// every result field once, each with a number in the form results are written in (or a blank
// that a notice explains), and never a steel area below zero.
//
// The sweeps are deterministic: one fixed seed drives a std::mt19937_64. Every failure names
// the seed, the sweep and the run, and lists the texts typed and the events of the run.
//   LIRVO_ROBUSTNESS_RUNS  runs per case of each random sweep (default 2500, about 5 s in all;
//                          a sanitized build may want fewer)
//   LIRVO_ROBUSTNESS_SEED  another seed, to look further or to replay a reported run

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cases.h"
#include "event_log.h"
#include "frame.h"
#include "numbers.h"

namespace lirvo {
namespace {

constexpr long kDefaultRunsPerCase = 2500;
constexpr std::uint64_t kDefaultSeed = 20240611;
// The longest neutral-axis search allowed takes some 70 ms; a run far beyond that is a search
// without its bound. Sanitized builds run several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kRunTimeLimitMs = 2000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
constexpr double kRunTimeLimitMs = 2000;
#else
constexpr double kRunTimeLimitMs = 500;
#endif
#else
constexpr double kRunTimeLimitMs = 500;
#endif

long runsPerCase() {
    const char* text = std::getenv("LIRVO_ROBUSTNESS_RUNS");
    if (text == nullptr || *text == '\0') return kDefaultRunsPerCase;
    char* end = nullptr;
    const long runs = std::strtol(text, &end, 10);
    return (*end == '\0' && runs > 0) ? runs : kDefaultRunsPerCase;
}

std::uint64_t sweepSeed() {
    const char* text = std::getenv("LIRVO_ROBUSTNESS_SEED");
    if (text == nullptr || *text == '\0') return kDefaultSeed;
    char* end = nullptr;
    const unsigned long long seed = std::strtoull(text, &end, 10);
    return *end == '\0' ? seed : kDefaultSeed;
}

// ---------------------------------------------------------------------------------------------
// Field texts

const std::vector<std::string> kNothingTexts = {"",   "0",   "-0", "0.0", "-0E5",
                                                ".0", "000", "  ", "\t",  "0D0"};

const std::vector<std::string> kExtremeTexts = {
    "1E308",         "-1E308",    "1E-308", "-1E-308", "1E400", "-1E400",
    "4.9E-324",      "1E-30",     "-1E-30", "1E30",    "-1E30", "1E-400",
    "1E99999999999", "-4.9E-324", "1E-45",  "1E39",    "-1E39", "-3.5E38"};

// The last doubles and singles before the range runs out, and the first beyond.
const std::vector<std::string> kRangeEdgeTexts = {"1.7976931348623157E308",
                                                  "-1.7976931348623157E308",
                                                  "2.2250738585072014E-308",
                                                  "3.4028235E38",
                                                  "3.4028236E38",
                                                  "-3.4028235E38"};

const std::vector<std::string> kGarbageTexts = {
    "abc", "x1",  "-",    ".",    "+",   "E5",   "e",        "1E",  "1E+", "--1",
    "+-2", "..5", "nan",  "-nan", "inf", "-inf", "Infinity", "NaN", "#",   "0x1F",
    "½",   "τ",   "\x01", "1e",   "2E-", "D3",   "ABC123",   "-.",  ".E1", "\xff\xfe"};

// Whole numbers in base 16 and 8.
const std::vector<std::string> kPrefixedTexts = {"&H1F",   "&O17",   "&HFFFFFFFFFFFFFFFFFFFF",
                                                 "&H",     "&O",     "&O9",
                                                 "&h7fff", "&o777",  "&Q5",
                                                 "&",      "&HFFFF", "&H8000",
                                                 "-&H10",  "&H-1",   "& H 2 0",
                                                 "&Hzz",   "&O1.5"};

// Blanks are dropped wherever they stand; a comma ends the number.
const std::vector<std::string> kSpacedTexts = {
    "2 5", "8,04",  " 3 . 5 ",   "\t12", "1 E 3",   "- 4", "1,5E3",   "12\t",
    "\n7", "3\r\n", "1 0 0 0 0", " ",    "1 000,5", "- 0", "2\t.\t5", "4 4 E - 1"};

// Exponents with E or D.
const std::vector<std::string> kExponentTexts = {"1.5e3",  "1D2",      "1d-2",   "2.5E+3", "-3e-2",
                                                 "1E+308", "7D307",    ".5E1",   "5.E0",   "1e0400",
                                                 "1E-0",   "9.99E307", "2e-310", "-1D-320"};

std::string repeated(char fill, int count, std::string_view before = {}) {
    return std::string(before) + std::string(count, fill);
}

// Digit strings far beyond the double range, either way.
const std::vector<std::string> kLongTexts = {
    repeated('F', 300, "&H"),       repeated('7', 400, "&O"), repeated('0', 400, "1"),
    repeated('0', 400, "0.") + "1", repeated('9', 40),        repeated('0', 400, "-0.") + "7E400"};

class TextSource {
  public:
    explicit TextSource(std::uint64_t seed) : rng_(seed) {}

    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    std::size_t pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(rng_);
    }

    // A value a designer might type in the field of this quantity.
    std::string engineering(std::string_view symbol) {
        if (symbol == "B" || symbol == "s") return uniform(10, 200, 1);
        if (symbol == "C" || symbol == "C1" || symbol == "C2") return uniform(1, 10, 1);
        if (symbol == "d") return uniform(5, 40, 1);
        if (symbol == "h") return uniform(5, 300, 1);
        if (symbol == "Af" || symbol == "Af'") return uniform(0, 100, 2);
        if (symbol == "n") return uniform(6, 15, 0);
        if (symbol == "σc" || symbol == "σf") return uniform(40, 3000, 0);
        if (symbol == "M") return logUniform(1e3, 1e8);
        if (symbol == "N") return uniform(-1e6, 1e6, 0);
        if (symbol == "Q") return uniform(0, 0.3, 3);
        if (symbol == "W") return uniform(0, 2, 2);
        ADD_FAILURE() << "no engineering range for the quantity " << symbol;
        return "1";
    }

    // Anything but a plausible value: nothing, extremes, garbage, odd spellings of numbers.
    std::string odd() {
        static const std::vector<std::string>* const kLists[] = {
            &kNothingTexts,  &kExtremeTexts, &kRangeEdgeTexts, &kGarbageTexts,
            &kPrefixedTexts, &kSpacedTexts,  &kExponentTexts,  &kLongTexts};
        const std::size_t kind = oddKind_(rng_);
        return kind < std::size(kLists) ? from(*kLists[kind]) : anyNumber();
    }

    // The mix every field of the widest sweep draws from.
    std::string any(std::string_view symbol) { return chance(0.5) ? engineering(symbol) : odd(); }

  private:
    const std::string& from(const std::vector<std::string>& texts) {
        return texts[pick(texts.size())];
    }

    std::string uniform(double lo, double hi, int maxDecimals) {
        const double v = std::uniform_real_distribution<double>(lo, hi)(rng_);
        return fixed(v, std::uniform_int_distribution<int>(0, maxDecimals)(rng_));
    }

    std::string logUniform(double lo, double hi) {
        const double e =
            std::uniform_real_distribution<double>(std::log10(lo), std::log10(hi))(rng_);
        return fixed(std::pow(10.0, e), 0);
    }

    // Small and large numbers of either sign, as %g or %f would spell them.
    std::string anyNumber() {
        const double e = std::uniform_real_distribution<double>(-12, 12)(rng_);
        const double v = (chance(0.3) ? -1 : 1) * std::pow(10.0, e);
        char buf[400];
        if (chance(0.5))
            std::snprintf(buf, sizeof buf, "%.*g", std::uniform_int_distribution<int>(1, 17)(rng_),
                          v);
        else
            std::snprintf(buf, sizeof buf, "%.*f", std::uniform_int_distribution<int>(0, 14)(rng_),
                          v);
        return buf;
    }

    static std::string fixed(double v, int decimals) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
        return buf;
    }

    std::mt19937_64 rng_;
    // Weights of the kinds of odd text, in the order odd() lists them; the last is anyNumber().
    std::discrete_distribution<int> oddKind_{10, 10, 6, 12, 8, 9, 9, 4, 12};
};

// ---------------------------------------------------------------------------------------------
// One run and how it is reported

struct TypedRun {
    const CalcCase* calc = nullptr;
    std::vector<std::string> typed;                  // by input field, in the case's order
    std::vector<std::pair<int, std::string>> stale;  // result fields holding an earlier text
    bool example = false;
    std::vector<Event> events;
    double milliseconds = 0;
    const char* sweep = "";
    std::uint64_t seed = 0;
    long number = 0;
};

void executeOnce(TypedRun& run) {
    CalcFrame frame;
    EventLog log;
    for (std::size_t i = 0; i < run.calc->inputs.size(); ++i)
        log.type(run.calc->inputs[i].index, run.typed[i]);
    for (const auto& [index, text] : run.stale)
        log.type(index, text);
    log.requestExample(run.example);
    log.forgetEvents();
    const auto start = std::chrono::steady_clock::now();
    frame.run(*run.calc, log);
    const auto stop = std::chrono::steady_clock::now();
    run.milliseconds = std::chrono::duration<double, std::milli>(stop - start).count();
    run.events = log.events();
}

// A run over the time limit is timed once more and the faster time counts: a search without
// its bound is slow every time, a pause of a busy machine is not.
void execute(TypedRun& run) {
    executeOnce(run);
    if (run.milliseconds <= kRunTimeLimitMs) return;
    const double first = run.milliseconds;
    executeOnce(run);
    run.milliseconds = std::min(first, run.milliseconds);
}

std::string inQuotes(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    if (out.size() > 80) out = out.substr(0, 60) + "...(" + std::to_string(text.size()) + " chars)";
    return out + "\"";
}

std::string describe(const CalcCase& calc, const Event& e) {
    switch (e.kind) {
        case Event::kField:
            return "field " + std::to_string(e.index) + " " +
                   std::string(fieldSymbol(calc, e.index)) + " <- " + inQuotes(e.text);
        case Event::kMessage:
            return "message " + inQuotes(e.text) + " style " + std::to_string(e.style) + " title " +
                   inQuotes(e.title);
        case Event::kNotice:
            return "notice " + inQuotes(e.text);
        case Event::kClearNotice:
            return "clear notice";
    }
    return "unknown event " + std::to_string(e.kind);
}

std::string describe(const TypedRun& run) {
    std::ostringstream out;
    out << "case " << run.calc->code << " (" << run.calc->name << "), sweep " << run.sweep
        << ", seed " << run.seed << ", "
        << (run.number < 0 ? "the example typed by hand" : "run " + std::to_string(run.number))
        << (run.example ? ", example requested" : "") << ", " << run.milliseconds << " ms\n"
        << "    typed:";
    for (std::size_t i = 0; i < run.typed.size(); ++i)
        out << ' ' << run.calc->inputs[i].symbol << '=' << inQuotes(run.typed[i]);
    for (const auto& [index, text] : run.stale)
        out << ' ' << index << ':' << inQuotes(text);
    out << "\n    events:";
    if (run.events.empty()) out << " none";
    for (const Event& e : run.events)
        out << "\n      " << describe(*run.calc, e);
    return out.str();
}

// ---------------------------------------------------------------------------------------------
// What every run must respect

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Why a written text is not a number in the form results are written in; empty when it is.
std::string notAWrittenNumber(std::string_view text) {
    if (text[0] != ' ' && text[0] != '-') return "opens with neither a blank nor '-'";
    std::size_t i = 1;
    int digits = 0;
    bool point = false;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        if (isDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
            if (i + 1 == text.size() || !isDigit(text[i + 1]))
                return "a point without a digit after it";
        } else {
            return "a character that is not part of a number";
        }
    }
    if (digits == 0) return "no digit";
    if (digits > 15) return "more than 15 digits";
    if (i < text.size()) {
        ++i;
        if (i == text.size() || (text[i] != '+' && text[i] != '-'))
            return "an exponent without sign";
        ++i;
        if (text.size() - i < 2) return "an exponent of fewer than two digits";
        for (; i < text.size(); ++i)
            if (!isDigit(text[i])) return "a character that is not part of the exponent";
    }
    const double value = readNumber(text);
    if (!std::isfinite(value)) return "reads back as a non-number";
    if (text[0] == '-' && !(value < 0)) return "a '-' on a value that is not below zero";
    // Fifteen digits survive the trip through a double both ways (not among the subnormals,
    // which hold fewer), so a written text is the writing of the number it reads as.
    if ((value == 0 || std::fabs(value) >= DBL_MIN) && writeNumber(value) != text)
        return "not the written form of the number it reads as, " + inQuotes(writeNumber(value));
    return {};
}

struct Violation {
    std::string property;
    std::string detail;
};

std::vector<Violation> violations(const TypedRun& run) {
    std::vector<Violation> found;
    auto fail = [&](std::string property, std::string detail = {}) {
        found.push_back({std::move(property), std::move(detail)});
    };
    const CalcCase& calc = *run.calc;
    const std::vector<Event>& events = run.events;

    if (run.milliseconds > kRunTimeLimitMs)
        fail("a run ends quickly", "took " + std::to_string(run.milliseconds) + " ms");

    // What opens the run: the clearing of an earlier notice, then any example texts.
    std::size_t next = 0;
    if (calc.drawsNotices) {
        if (events.empty() || events[0].kind != Event::kClearNotice)
            fail("a case that draws notices first clears the earlier one");
        else
            next = 1;
    }
    if (run.example) {
        for (const InputField& field : calc.inputs) {
            if (next < events.size() && events[next].kind == Event::kField &&
                events[next].index == field.index && events[next].text == field.example) {
                ++next;
            } else {
                fail("a requested example is written first, field by field",
                     "field " + std::to_string(field.index) + " not written as " +
                         inQuotes(field.example));
                break;
            }
        }
    }

    int messages = 0;
    std::vector<const Event*> notices, writes;
    for (std::size_t i = next; i < events.size(); ++i) {
        switch (events[i].kind) {
            case Event::kMessage:
                ++messages;
                break;
            case Event::kNotice:
                notices.push_back(&events[i]);
                break;
            case Event::kField:
                writes.push_back(&events[i]);
                break;
            case Event::kClearNotice:
                fail("a notice is cleared only as the run opens", "event " + std::to_string(i));
                break;
        }
    }

    for (const Event* w : writes) {
        if (w->text.empty()) continue;
        if (std::string why = notAWrittenNumber(w->text); !why.empty())
            fail("every written text is a number",
                 "field " + std::to_string(w->index) + " " + inQuotes(w->text) + ": " + why);
    }

    if (messages > 1) fail("a run shows at most one message", std::to_string(messages) + " shown");
    if (messages > 0) {
        if (!writes.empty())
            fail("a refusal writes nothing", std::to_string(writes.size()) + " fields written");
        if (!notices.empty()) fail("a refusal writes nothing", "a notice was drawn");
        return found;
    }

    bool wholeAnswer = writes.size() == calc.results.size();
    for (std::size_t i = 0; wholeAnswer && i < writes.size(); ++i)
        wholeAnswer = writes[i]->index == calc.results[i].index;
    if (!wholeAnswer) fail("an answer writes every result field once, in order");
    if (notices.size() > 1) fail("a run draws at most one notice");
    for (const Event* n : notices)
        if (n->text.empty()) fail("a notice has a text");

    for (std::size_t i = 0; wholeAnswer && i < writes.size(); ++i) {
        const std::string& text = writes[i]->text;
        if (text.empty() && notices.empty())
            fail("a blank result comes with a notice that explains it",
                 "field " + std::to_string(writes[i]->index));
        if (calc.results[i].steelArea && !text.empty() && (text[0] == '-' || readNumber(text) < 0))
            fail("a steel area is never negative",
                 "field " + std::to_string(writes[i]->index) + " " + inQuotes(text));
    }
    return found;
}

// Violations of one sweep, gathered by property so that a fault shows once with its count
// and a few of the runs that reveal it.
class Findings {
  public:
    explicit Findings(const char* sweep) : sweep_(sweep) {}

    void add(const TypedRun& run, const Violation& v) {
        Entry& entry = byProperty_[v.property];
        if (++entry.count <= kShown)
            entry.runs.push_back(v.detail + (v.detail.empty() ? "" : "\n    ") + describe(run));
    }

    void check(const TypedRun& run) {
        ++runs_;
        maxMs_ = std::max(maxMs_, run.milliseconds);
        bool refused = false;
        for (const Event& e : run.events)
            refused |= e.kind == Event::kMessage;
        Tally& tally = tallies_[run.calc->code];
        ++(refused ? tally.refused : tally.answered);
        for (const Violation& v : violations(run))
            add(run, v);
    }

    // Without runs that end both ways in every case the sweep proves little.
    void expectBothOutcomes() const {
        for (const CalcCase* calc : allCases()) {
            const auto it = tallies_.find(calc->code);
            const Tally tally = it == tallies_.end() ? Tally{} : it->second;
            EXPECT_GT(tally.answered, 0)
                << sweep_ << ": no run of case " << calc->code << " was answered";
            EXPECT_GT(tally.refused, 0)
                << sweep_ << ": no run of case " << calc->code << " was refused";
        }
    }

    void report() const {
        std::printf("[ %s ] %ld runs, slowest %.1f ms; answered/refused by case:", sweep_, runs_,
                    maxMs_);
        for (const auto& [code, tally] : tallies_)
            std::printf(" %d:%ld/%ld", code, tally.answered, tally.refused);
        std::printf("\n");
        for (const auto& [property, entry] : byProperty_) {
            std::string shown;
            for (const std::string& r : entry.runs)
                shown += "\n  " + r;
            ADD_FAILURE() << sweep_ << ": \"" << property << "\" fails in " << entry.count << " of "
                          << runs_ << " runs; the first:" << shown;
        }
    }

  private:
    static constexpr long kShown = 3;
    struct Entry {
        long count = 0;
        std::vector<std::string> runs;
    };
    struct Tally {
        long answered = 0, refused = 0;
    };
    const char* sweep_;
    std::map<std::string, Entry> byProperty_;
    std::map<int, Tally> tallies_;
    long runs_ = 0;
    double maxMs_ = 0;
};

TypedRun newRun(const CalcCase* calc, const char* sweep, std::uint64_t seed, long number) {
    TypedRun run;
    run.calc = calc;
    run.sweep = sweep;
    run.seed = seed;
    run.number = number;
    return run;
}

// Half the time the result fields still hold what an earlier run (or the user) left there.
void maybeLeaveStaleResults(TypedRun& run, TextSource& source) {
    if (!source.chance(0.5)) return;
    for (const ResultField& field : run.calc->results)
        run.stale.emplace_back(field.index, source.odd());
}

std::vector<std::string> exampleTexts(const CalcCase& calc) {
    std::vector<std::string> texts;
    for (const InputField& field : calc.inputs)
        texts.emplace_back(field.example);
    return texts;
}

// ---------------------------------------------------------------------------------------------

// Every field on its own draws from the whole mix: plausible values, nothing, extremes,
// garbage, hexadecimal and octal, blanks and commas, exponents.
TEST(RandomFieldTexts, NeverShowANonNumberNorAPartialAnswer) {
    const char* sweep = "random field texts";
    const std::uint64_t seed = sweepSeed();
    TextSource source(seed);
    Findings findings(sweep);
    long number = 0;
    for (const CalcCase* calc : allCases()) {
        for (long i = 0; i < runsPerCase(); ++i) {
            TypedRun run = newRun(calc, sweep, seed, number++);
            for (const InputField& field : calc->inputs)
                run.typed.push_back(source.any(field.symbol));
            maybeLeaveStaleResults(run, source);
            execute(run);
            findings.check(run);
        }
    }
    findings.report();
    findings.expectBothOutcomes();
}

// Sections a designer might enter, and the worked example with one field spoilt: these reach
// the neutral-axis searches and the far branches of every case.
TEST(EngineeringFieldTexts, EndQuicklyWithAWholeAnswerOrOneRefusal) {
    const char* sweep = "engineering field texts";
    const std::uint64_t seed = sweepSeed();
    TextSource source(seed + 1);
    Findings findings(sweep);
    long number = 0;
    for (const CalcCase* calc : allCases()) {
        const std::vector<std::string> example = exampleTexts(*calc);
        for (long i = 0; i < runsPerCase(); ++i) {
            TypedRun run = newRun(calc, sweep, seed, number++);
            if (i % 2 == 0) {
                for (const InputField& field : calc->inputs)
                    run.typed.push_back(source.engineering(field.symbol));
            } else {
                run.typed = example;
            }
            // Spoil one field of every example, and of one plausible section in five.
            if (i % 2 == 1 || source.chance(0.2)) {
                const std::size_t k = source.pick(run.typed.size());
                run.typed[k] =
                    source.chance(0.3) ? source.engineering(calc->inputs[k].symbol) : source.odd();
            }
            maybeLeaveStaleResults(run, source);
            execute(run);
            findings.check(run);
        }
    }
    findings.report();
    findings.expectBothOutcomes();
}

// With the example box ticked the fields are overwritten with the example before they are
// read, so whatever they held the run gives the example's answer.
TEST(ExampleRequested, AnswersTheExampleWhateverTheFieldsHold) {
    const char* sweep = "example requested";
    const std::uint64_t seed = sweepSeed();
    TextSource source(seed + 2);
    Findings findings(sweep);
    long number = 0;
    for (const CalcCase* calc : allCases()) {
        // The example's own answer, typed by hand.
        TypedRun reference = newRun(calc, sweep, seed, -1);
        reference.typed = exampleTexts(*calc);
        execute(reference);
        findings.check(reference);
        for (const Event& e : reference.events)
            ASSERT_NE(e.kind, Event::kMessage)
                << "the example is refused\n  " << describe(reference);
        std::vector<Event> expected = reference.events;
        const auto examplesAt = expected.begin() + (calc->drawsNotices ? 1 : 0);
        std::vector<Event> exampleWrites;
        for (const InputField& field : calc->inputs)
            exampleWrites.push_back(
                {Event::kField, field.index, std::string(field.example), 0, {}});
        expected.insert(examplesAt, exampleWrites.begin(), exampleWrites.end());

        for (long i = 0; i < std::max(1L, runsPerCase() / 4); ++i) {
            TypedRun run = newRun(calc, sweep, seed, number++);
            for (const InputField& field : calc->inputs)
                run.typed.push_back(source.chance(0.7) ? source.odd() : source.any(field.symbol));
            maybeLeaveStaleResults(run, source);
            run.example = true;
            execute(run);
            findings.check(run);
            bool same = run.events.size() == expected.size();
            for (std::size_t k = 0; same && k < expected.size(); ++k) {
                const Event& a = run.events[k];
                const Event& b = expected[k];
                same = a.kind == b.kind && a.index == b.index && a.text == b.text &&
                       a.style == b.style && a.title == b.title;
            }
            if (!same)
                findings.add(run, {"a requested example gives the example's answer",
                                   "expected the events of\n    " + describe(reference)});
        }
    }
    findings.report();
}

}  // namespace
}  // namespace lirvo
