// The calculation frame: every section calculation runs the same steps on the value fields of
// its window, driven by the table of its case.
//
//   window texts --read (bars in a steel field? unreadable or ambiguous text?)--> numbers
//   --missing data, then out of range or negative?--> compute --> Outcome
//   Outcome --(refusal? message box : notice, then result texts)--> window texts
//
// A calculation never writes a partial answer: all results are computed first, and a run that
// would show a non-number or a negative steel area is refused as a whole, as is a check whose
// cracked-section figures fail the equilibrium of its section (sections/case_analysis.h).
//
// Never tidy the arithmetic: the quantities held in single precision or as 16-bit whole
// numbers, the order of every formula as written and the powers through the library's pow are
// what make each result agree with the worked examples to the last printed digit.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sections/quantities.h"

namespace lirvo {

// Value fields 0 to 16; inputs start at 2.
constexpr int kFieldCount = 17;
constexpr int kFirstInputField = 2;

// The icon of a message box, by the numbers the boxes have always been given.
enum class MessageStyle : int {
    kPlain = 0,         // no icon
    kStop = 16,         // a failure the user must act on
    kQuestion = 32,     // the dispatcher's and the T design's warnings
    kWarning = 48,      // exclamation mark
    kInformation = 64,  // an outcome worth confirming
};

// The title of the warnings; a box without a title bears the program's name.
inline constexpr const char* kAttentionTitle = "ATTENZIONE";

struct CalcCase;

// The field a message is about: none for a refusal of the data as a whole.
inline constexpr int kNoField = -1;

struct Message {
    Message(std::string prompt = {}, MessageStyle style = MessageStyle::kPlain,
            std::string title = {}, int field = kNoField)
        : prompt(std::move(prompt)), style(style), title(std::move(title)), field(field) {}

    std::string prompt;
    MessageStyle style = MessageStyle::kPlain;
    std::string title;
    int field = kNoField;  // the value field refused, where the refusal is of one datum
};

// What a calculation needs of its window.
class CalcWindow {
  public:
    virtual ~CalcWindow() = default;
    virtual bool exampleRequested() const = 0;
    virtual std::string fieldText(int index) const = 0;
    virtual void setFieldText(int index, const std::string& text) = 0;
    // Modal box with one OK button; an empty title means the application's own.
    virtual void messageBox(const Message& message) = 0;
    // One line of text on the window surface, under the notices drawn since the last clear.
    virtual void drawNotice(const std::string& text) = 0;
    virtual void clearNotice() = 0;
    // Called once every result of a run stands in its field; a refused run never calls it.
    virtual void resultsWritten(const CalcCase& /*calc*/) {}
};

enum class Precision { kDouble, kSingle };
enum class Role { kInput, kResult };

// One value field of a case: the field at index with its caption.
struct Field {
    int index;
    Role role;
    std::string_view symbol;                   // as the caption ends: "B", "Af'", "σc" (UTF-8)
    Quantity quantity;                         // what the number is, whatever the case
    std::string_view caption;                  // as the panel shows it, blank runs and all
    std::string_view example = {};             // input: written when the example is requested
    std::string_view missingMessage = {};      // input: refuses a 0; empty where 0 is valid
    Precision precision = Precision::kDouble;  // input: held so once read
    // Input: a 0 written as a number ("0", "0.0") is a datum; only a text without a number
    // (blank, "abc") is missing. A beam without compression steel is a real beam.
    bool writtenZeroIsDatum = false;

    Unit unit() const { return unitOf(quantity); }
    bool isSteelArea() const {
        return quantity == Quantity::kTensionSteel || quantity == Quantity::kCompressionSteel;
    }
    // A steel area found by a design is never written below zero.
    bool isSteelAreaResult() const { return role == Role::kResult && isSteelArea(); }
    // Af and Af' of a check: typed as a number or as bars (sections/bar_notation.h).
    bool isSteelAreaInput() const { return role == Role::kInput && isSteelArea(); }
};

// Rows of a case's field table.
constexpr Field inputField(int index, std::string_view symbol, Quantity quantity,
                           std::string_view caption, std::string_view example,
                           std::string_view missingMessage,
                           Precision precision = Precision::kDouble) {
    return {index, Role::kInput, symbol, quantity, caption, example, missingMessage, precision};
}
// An input whose written 0 is a datum, its missing message kept for a text without a number.
constexpr Field zeroIsDatum(Field field) {
    field.writtenZeroIsDatum = true;
    return field;
}
constexpr Field resultField(int index, std::string_view symbol, Quantity quantity,
                            std::string_view caption) {
    return {index, Role::kResult, symbol, quantity, caption};
}

inline const char* const kImpossibleCalculation = "CALCOLO IMPOSSIBILE CON QUESTI DATI";

// Refusals of a datum as read, each followed by "<symbol> = <text as typed>": a text the
// reading rule would misread (a digit left after the number read, a blank between digits that
// separates no thousands), a thousands point a moment or a force may mean, a number beyond the
// double range, a negative number.
inline const char* const kUnreadableDatum = "DATO NON LEGGIBILE: ";
inline const char* const kAmbiguousDatum = "DATO AMBIGUO: ";
inline const char* const kDatumOutOfRange = "DATO FUORI SCALA: ";
inline const char* const kNegativeDatum = "DATO NEGATIVO: ";
// Added to an unreadable text that holds a comma, the separator an Italian user reaches for.
inline const char* const kDecimalPointHint = " (IL SEPARATORE DECIMALE È IL PUNTO)";
// Depths are measured from the side of Af', which the method takes as the compressed side: a
// negative moment would compress the other side, so the section must be turned over.
inline const char* const kNegativeMomentMessage =
    "MOMENTO FLETTENTE NEGATIVO: CAPOVOLGERE LA SEZIONE";

// The area a steel-area input typed as bars gives ("4Ø16+2Ø12", sections/bar_notation.h);
// empty for a text that is not bars and for every other field.
std::optional<double> typedBarsArea(const Field& field, std::string_view text);

struct FieldReading;

// The refusal of a text that the reading rule would read otherwise than the user meant, given
// how it reads ("DATO NON LEGGIBILE: Af = 8,04 (IL SEPARATORE DECIMALE È IL PUNTO)",
// "DATO AMBIGUO: M = 680.000 (SCRIVERE 680000 O 680)"); empty for a text read as typed. Every
// number the program reads from the user passes it, before any other check.
std::string readingRefusal(std::string_view symbol, Quantity quantity, std::string_view text,
                           const FieldReading& reading);

// A datum typed outside a case's fields (the allowable stresses of a report's materials): the
// refusal of its reading, else of a number beyond the range or below zero; empty for a datum
// the program may use.
std::string datumRefusal(std::string_view symbol, Quantity quantity, std::string_view text);

// Input numbers by field index, as read (and rounded where the table says so).
using Inputs = std::array<double, kFieldCount>;

// What one computation produced. Every result field of the case must be set or blanked;
// one left untouched counts as not computable.
class Outcome {
  public:
    Outcome();
    void set(int index, double value) {
        values_[index] = value;
        blank_.reset(index);
        rounded_.reset(index);
    }
    // A result written rounded or cut, with the value it came from: a check's figures are
    // compared with the equilibrium analysis before they are rounded.
    void set(int index, double written, double unrounded) {
        set(index, written);
        unrounded_[index] = unrounded;
        rounded_.set(index);
    }
    void blank(int index) { blank_.set(index); }
    // field: the datum the refusal is about, where one is (the window then takes the user there).
    void refuse(std::string prompt, MessageStyle style = MessageStyle::kPlain,
                std::string title = {}, int field = kNoField);
    void refuseImpossible() { refuse(kImpossibleCalculation); }
    // One more line drawn on the window, after those of the run so far.
    void notice(std::string text) { notices_.push_back(std::move(text)); }

    const std::optional<Message>& refusal() const { return refusal_; }
    const std::vector<std::string>& notices() const { return notices_; }
    bool isBlank(int index) const { return blank_.test(index); }
    double value(int index) const { return values_[index]; }
    double unroundedValue(int index) const {
        return rounded_.test(index) ? unrounded_[index] : values_[index];
    }

  private:
    std::array<double, kFieldCount> values_;
    std::array<double, kFieldCount> unrounded_{};
    std::bitset<kFieldCount> blank_, rounded_;
    std::optional<Message> refusal_;
    std::vector<std::string> notices_;
};

using ComputeFn = void (*)(const Inputs&, Outcome&);

// One calculation case: everything the window, the files, the report and the command line
// know of it. Its fields run from index 2 upward without a gap, the inputs in the order they
// are checked for missing data, then the results in the order they are written.
struct CalcCase {
    std::int16_t code;      // the calculation code a run records
    std::string_view name;  // as given on the command line and in case files
    SectionType section;    // picked by the section type options
    Operation operation;    // picked by the operation options
    std::span<const Field> fields;
    ComputeFn compute;
    bool drawsNotices = false;  // a run first clears the notice of an earlier run

    std::span<const Field> inputs() const { return fields.first(inputCount()); }
    std::span<const Field> results() const { return fields.subspan(inputCount()); }
    // The field with this index; nullptr for one the case lacks.
    const Field* field(int index) const {
        const int row = index - kFirstInputField;
        return row >= 0 && row < static_cast<int>(fields.size()) ? &fields[row] : nullptr;
    }

  private:
    // The inputs come first: found by halving, as runs ask for them many times.
    size_t inputCount() const {
        size_t n = 0, beyond = fields.size();  // inputs below n, results from beyond
        while (n < beyond) {
            const size_t middle = n + (beyond - n) / 2;
            if (fields[middle].role == Role::kInput)
                n = middle + 1;
            else
                beyond = middle;
        }
        return n;
    }
};

// Runs calculations and holds the calculation code (0 until a calculation runs).
class CalcFrame {
  public:
    void run(const CalcCase& calc, CalcWindow& window);
    std::int16_t code() const { return code_; }
    void reset() { code_ = 0; }

  private:
    std::int16_t code_ = 0;
    std::string resultText_;  // the text of each result in turn, its memory kept
};

}  // namespace lirvo
