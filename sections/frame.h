// The calculation frame: every section calculation runs the same steps on the value fields of
// its window, driven by the table of its case.
//
//   window texts --read--> numbers --missing/finite checks--> compute --> Outcome
//   Outcome --(refusal? message box : notice, then result texts)--> window texts
//
// A calculation never writes a partial answer: all results are computed first, and a run that
// would show a non-number or a negative steel area is refused as a whole.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lirvo {

// Value fields Text1(0) to Text1(16); inputs start at 2.
constexpr int kFieldCount = 17;
constexpr int kFirstInputField = 2;

enum MessageStyle : int { kPlainStyle = 0, kQuestionStyle = 32 };

// What a calculation needs of its window.
class CalcWindow {
  public:
    virtual ~CalcWindow() = default;
    virtual bool exampleRequested() const = 0;
    virtual std::string fieldText(int index) const = 0;
    virtual void setFieldText(int index, const std::string& text) = 0;
    // Modal box with one OK button; an empty title means the application's own.
    virtual void messageBox(const std::string& prompt, int style, const std::string& title) = 0;
    // One line of text on the window surface, replacing any earlier notice.
    virtual void drawNotice(const std::string& text) = 0;
    virtual void clearNotice() = 0;
};

enum class Precision { kDouble, kSingle };

struct InputField {
    int index;
    std::string_view symbol;
    std::string_view example;         // written when the example is requested
    std::string_view missingMessage;  // empty when 0 is a valid value
    Precision precision = Precision::kDouble;
};

struct ResultField {
    int index;
    std::string_view symbol;
    bool steelArea = false;  // an area of steel is never written below zero
};

struct Message {
    std::string prompt;
    int style = kPlainStyle;
    std::string title;
};

inline const char* const kImpossibleCalculation = "CALCOLO IMPOSSIBILE CON QUESTI DATI";

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
    }
    void blank(int index) { blank_.set(index); }
    void refuse(std::string prompt, int style = kPlainStyle, std::string title = {});
    void refuseImpossible() { refuse(kImpossibleCalculation); }
    void notice(std::string text) { notice_ = std::move(text); }

    const std::optional<Message>& refusal() const { return refusal_; }
    const std::string& noticeText() const { return notice_; }
    bool isBlank(int index) const { return blank_.test(index); }
    double value(int index) const { return values_[index]; }

  private:
    std::array<double, kFieldCount> values_;
    std::bitset<kFieldCount> blank_;
    std::optional<Message> refusal_;
    std::string notice_;
};

using ComputeFn = void (*)(const Inputs&, Outcome&);

// One calculation case: its fields in check (and ascending) order and its formulas.
struct CalcCase {
    std::int16_t code;
    std::string_view name;  // as given on the command line
    std::span<const InputField> inputs;
    std::span<const ResultField> results;  // in the order they are written
    ComputeFn compute;
    bool drawsNotices = false;  // a run first clears the notice of an earlier run
};

// Runs calculations and holds the calculation code (0 until a calculation runs).
class CalcFrame {
  public:
    void run(const CalcCase& calc, CalcWindow& window);
    std::int16_t code() const { return code_; }
    void reset() { code_ = 0; }

  private:
    std::int16_t code_ = 0;
};

}  // namespace lirvo
