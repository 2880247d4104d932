#include "sections/frame.h"

#include <cmath>
#include <limits>

#include "sections/numbers.h"

namespace lirvo {

Outcome::Outcome() {
    values_.fill(std::numeric_limits<double>::quiet_NaN());
}

void Outcome::refuse(std::string prompt, MessageStyle style, std::string title) {
    refusal_ = Message{std::move(prompt), style, std::move(title)};
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

}  // namespace

void CalcFrame::run(const CalcCase& calc, CalcWindow& window) {
    code_ = calc.code;
    if (calc.drawsNotices) window.clearNotice();

    if (window.exampleRequested())
        for (const Field& field : calc.inputs())
            window.setFieldText(field.index, std::string(field.example));

    Inputs in{};
    for (const Field& field : calc.inputs()) {
        double v = readNumber(window.fieldText(field.index));
        in[field.index] = field.precision == Precision::kSingle ? toSingle(v) : v;
    }

    for (const Field& field : calc.inputs()) {
        if (!field.missingMessage.empty() && in[field.index] == 0) {
            window.messageBox(std::string(field.missingMessage), MessageStyle::kPlain, {});
            return;
        }
    }
    for (const Field& field : calc.inputs()) {
        if (!std::isfinite(in[field.index])) {
            window.messageBox(kImpossibleCalculation, MessageStyle::kPlain, {});
            return;
        }
    }

    Outcome out;
    calc.compute(in, out);
    if (const auto& refusal = out.refusal()) {
        window.messageBox(refusal->prompt, refusal->style, refusal->title);
        return;
    }
    if (!resultsShowable(calc, out)) {
        window.messageBox(kImpossibleCalculation, MessageStyle::kPlain, {});
        return;
    }

    if (!out.noticeText().empty()) window.drawNotice(out.noticeText());
    for (const Field& field : calc.results()) {
        if (out.isBlank(field.index))
            resultText_.clear();
        else
            writeNumber(out.value(field.index), resultText_);
        window.setFieldText(field.index, resultText_);
    }
}

}  // namespace lirvo
