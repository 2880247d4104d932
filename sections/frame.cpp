#include "sections/frame.h"

#include <cctype>
#include <cmath>
#include <limits>

#include "sections/bar_notation.h"
#include "sections/case_analysis.h"
#include "sections/numbers.h"
#include "sections/quoting.h"

namespace lirvo {

Outcome::Outcome() {
    values_.fill(std::numeric_limits<double>::quiet_NaN());
}

void Outcome::refuse(std::string prompt, MessageStyle style, std::string title, int field) {
    refusal_ = Message{std::move(prompt), style, std::move(title), field};
}

namespace {

// A result that cannot be shown as a number, or a steel area below zero, refuses the run.
bool resultsShowable(const CalcCase& calc, const Outcome& out) {
    for (const Field& field : calc.results()) {
        if (out.isBlank(field.index)) continue;
        double v = out.value(field.index);
        if (!std::isfinite(v)) return false;
        // Within a hair of the largest double, 15 digits round to a text beyond the range.
        if (std::fabs(v) > 1e308 && !std::isfinite(readNumber(writeNumber(v)))) return false;
        if (field.isSteelAreaResult() && v < 0) return false;
    }
    return true;
}

// "DATO NEGATIVO: B = -25": the refusal, the field's symbol and its text as typed, without
// the blanks at its ends, quoted safe and short (a box or a batch line shows it).
std::string datumPrompt(const char* refusal, std::string_view symbol, std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\n");
    text = first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
    std::string prompt = refusal;
    return prompt.append(symbol).append(" = ").append(quoted(text));
}

// A moment or a force is typed in kg·cm and kg, where thousands come in every datum.
bool takesThousands(Quantity quantity) {
    return quantity == Quantity::kMoment || quantity == Quantity::kNormalForce;
}

// The refusal of a datum beyond the range or below zero; empty for one the case may use. A
// pull on a column is a meaningful normal force; a moment compressing the other side asks for
// the section to be turned over. Zero is left to the missing-data checks.
std::string rangeRefusal(std::string_view symbol, Quantity quantity, double value,
                         std::string_view text) {
    if (!std::isfinite(value)) return datumPrompt(kDatumOutOfRange, symbol, text);
    if (!(value < 0) || quantity == Quantity::kNormalForce) return {};
    if (quantity == Quantity::kMoment) return kNegativeMomentMessage;
    return datumPrompt(kNegativeDatum, symbol, text);
}

// Bars in a steel-area field, a step before the text is read as a number: the area they give,
// or the refusal of a text meant as bars that does not read.
struct BarsReading {
    std::optional<double> area;
    std::string refusal;
};
BarsReading readBars(const Field& field, std::string_view text) {
    if (!field.isSteelAreaInput()) return {};
    if (const auto area = barNotationArea(text)) return {area, {}};
    if (looksLikeBars(text))
        return {{}, datumPrompt(kUnreadableBars, field.symbol, text) + kBarsExample};
    return {};
}

// Whether the text holds a number for the reader to take: blanks aside, an optional sign and a
// digit, or a point and a digit, or "&H"/"&O" and a digit of the base.
bool writesNumber(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact += c;
    std::string_view t = compact;
    if (t.size() >= 3 && t[0] == '&') {
        const char base = static_cast<char>(t[1] | 0x20);
        if (base == 'o') return t[2] >= '0' && t[2] <= '7';
        return base == 'h' && std::isxdigit(static_cast<unsigned char>(t[2]));
    }
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) t.remove_prefix(1);
    if (!t.empty() && t[0] == '.') t.remove_prefix(1);
    return !t.empty() && std::isdigit(static_cast<unsigned char>(t[0]));
}

bool missing(const Field& field, double value, std::string_view text) {
    if (field.missingMessage.empty() || value != 0) return false;
    return !field.writtenZeroIsDatum || !writesNumber(text);
}

}  // namespace

std::optional<double> typedBarsArea(const Field& field, std::string_view text) {
    return field.isSteelAreaInput() ? barNotationArea(text) : std::nullopt;
}

std::string readingRefusal(std::string_view symbol, Quantity quantity, std::string_view text,
                           const FieldReading& reading) {
    if (reading.unreadable()) {
        std::string prompt = datumPrompt(kUnreadableDatum, symbol, text);
        if (text.find(',') != std::string_view::npos) prompt += kDecimalPointHint;
        return prompt;
    }
    if (!takesThousands(quantity)) return {};
    const auto readings = thousandsPointReadings(text);
    if (!readings) return {};
    return datumPrompt(kAmbiguousDatum, symbol, text)
        .append(" (SCRIVERE ")
        .append(readings->thousands)
        .append(" O ")
        .append(readings->decimal)
        .append(")");
}

std::string datumRefusal(std::string_view symbol, Quantity quantity, std::string_view text) {
    const FieldReading reading = readField(text);
    std::string refusal = readingRefusal(symbol, quantity, text, reading);
    return refusal.empty() ? rangeRefusal(symbol, quantity, reading.value, text) : refusal;
}

void CalcFrame::run(const CalcCase& calc, CalcWindow& window) {
    code_ = calc.code;
    if (calc.drawsNotices) window.clearNotice();

    if (window.exampleRequested())
        for (const Field& field : calc.inputs())
            window.setFieldText(field.index, std::string(field.example));

    // A text the reading rule would misread is refused before anything is checked.
    Inputs in{};
    std::array<std::string, kFieldCount> texts;
    for (const Field& field : calc.inputs()) {
        texts[field.index] = window.fieldText(field.index);
        const BarsReading bars = readBars(field, texts[field.index]);
        if (!bars.refusal.empty())
            return window.messageBox({bars.refusal, MessageStyle::kPlain, {}, field.index});
        if (bars.area) {
            in[field.index] = *bars.area;
            continue;
        }
        const FieldReading reading = readField(texts[field.index]);
        const std::string refusal =
            readingRefusal(field.symbol, field.quantity, texts[field.index], reading);
        if (!refusal.empty()) {
            window.messageBox({refusal, MessageStyle::kPlain, {}, field.index});
            return;
        }
        const double v = reading.value;
        in[field.index] = field.precision == Precision::kSingle ? toSingle(v) : v;
    }

    for (const Field& field : calc.inputs()) {
        if (missing(field, in[field.index], texts[field.index])) {
            window.messageBox(
                {std::string(field.missingMessage), MessageStyle::kPlain, {}, field.index});
            return;
        }
    }
    // One pass in field order: the first datum beyond the range or below zero is refused.
    for (const Field& field : calc.inputs()) {
        const std::string refusal =
            rangeRefusal(field.symbol, field.quantity, in[field.index], texts[field.index]);
        if (!refusal.empty()) {
            window.messageBox({refusal, MessageStyle::kPlain, {}, field.index});
            return;
        }
    }

    Outcome out;
    calc.compute(in, out);
    if (const auto& refusal = out.refusal()) {
        window.messageBox(*refusal);
        return;
    }
    if (!resultsShowable(calc, out)) {
        window.messageBox({kImpossibleCalculation});
        return;
    }
    // A check solves the equilibrium of a cracked section in closed form or by bisection;
    // where its arithmetic breaks down (overflow, cancellation, a root of the wrong branch)
    // its figures fail that equilibrium and are not shown.
    if (calc.operation == Operation::kCheck && !checkAgreesWithAnalysis(calc, in, out)) {
        window.messageBox({kImpossibleCalculation});
        return;
    }

    for (const std::string& notice : out.notices())
        window.drawNotice(notice);
    for (const Field& field : calc.results()) {
        if (out.isBlank(field.index))
            resultText_.clear();
        else
            writeNumber(out.value(field.index), resultText_);
        window.setFieldText(field.index, resultText_);
    }
    window.resultsWritten(calc);
}

}  // namespace lirvo
