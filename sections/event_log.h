// A window without a screen: holds the field texts and records, in order, everything a
// calculation does to it. Serves the command-line calculator and the tests.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "frame.h"

namespace lirvo {

struct Event {
    enum Kind { kField, kMessage, kNotice, kClearNotice };
    Kind kind;
    int index = 0;      // kField
    std::string text;   // field text, message prompt or notice
    int style = 0;      // kMessage
    std::string title;  // kMessage
};

class EventLog : public CalcWindow {
  public:
    void requestExample(bool on) { example_ = on; }
    bool exampleRequested() const override { return example_; }
    std::string fieldText(int index) const override { return fields_.at(index); }
    void setFieldText(int index, const std::string& text) override;
    void messageBox(const std::string& prompt, int style, const std::string& title) override;
    void drawNotice(const std::string& text) override;
    void clearNotice() override;

    // Types a text into a field without recording it.
    void type(int index, std::string text) { fields_.at(index) = std::move(text); }
    const std::vector<Event>& events() const { return events_; }
    bool stoppedOnMessage() const;
    void forgetEvents() { events_.clear(); }
    void clearFields() { fields_.fill({}); }

  private:
    bool example_ = false;
    std::array<std::string, kFieldCount> fields_;
    std::vector<Event> events_;
};

}  // namespace lirvo
