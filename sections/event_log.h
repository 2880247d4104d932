// A window without a screen: holds the field texts and records, in order, everything a
// calculation does to it. Serves the command-line calculator and the tests.
#pragma once

#include <array>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "sections/frame.h"

namespace lirvo {

struct Event {
    enum Kind { kField, kMessage, kNotice, kClearNotice };
    Kind kind;
    int index = 0;                              // kField; kMessage: the field refused or kNoField
    std::string text;                           // field text, message prompt or notice
    MessageStyle style = MessageStyle::kPlain;  // kMessage
    std::string title;                          // kMessage
};

class EventLog : public CalcWindow {
  public:
    void requestExample(bool on) { example_ = on; }
    bool exampleRequested() const override { return example_; }
    std::string fieldText(int index) const override { return fields_.at(index); }
    void setFieldText(int index, const std::string& text) override;
    void messageBox(const Message& message) override;
    void drawNotice(const std::string& text) override;
    void clearNotice() override;

    // Types a text into a field without recording it.
    void type(int index, std::string text) { fields_.at(index) = std::move(text); }
    // Types the texts into the case's input fields from 2 upward and empties the inputs after
    // them, as a user fills the panel; the result fields keep their texts. False, with nothing
    // typed, when there are more texts than inputs.
    template <class Texts>
    bool typeInputs(const CalcCase& calc, const Texts& texts) {
        const auto inputs = calc.inputs();
        if (std::size(texts) > inputs.size()) return false;
        auto text = std::begin(texts);
        for (const Field& field : inputs) {
            std::string& typed = fields_.at(field.index);  // its memory kept
            if (text != std::end(texts))
                typed.assign(std::string_view(*text++));
            else
                typed.clear();
        }
        return true;
    }
    const std::vector<Event>& events() const { return events_; }
    bool stoppedOnMessage() const;
    void forgetEvents();
    void clearFields() { fields_.fill({}); }

  private:
    bool example_ = false;
    std::array<std::string, kFieldCount> fields_;
    std::vector<Event> events_;
    // Texts of forgotten events, kept with their memory for the next ones: a batch records
    // line after line without allocating.
    std::vector<std::string> spareTexts_;

    std::string spareCopy(const std::string& text);
};

}  // namespace lirvo
