#include "sections/event_log.h"

namespace lirvo {

void EventLog::setFieldText(int index, const std::string& text) {
    fields_.at(index) = text;
    events_.push_back({Event::kField, index, text, MessageStyle::kPlain, {}});
}

void EventLog::messageBox(const std::string& prompt, MessageStyle style, const std::string& title) {
    events_.push_back({Event::kMessage, 0, prompt, style, title});
}

void EventLog::drawNotice(const std::string& text) {
    events_.push_back({Event::kNotice, 0, text, MessageStyle::kPlain, {}});
}

void EventLog::clearNotice() {
    events_.push_back({Event::kClearNotice, 0, {}, MessageStyle::kPlain, {}});
}

bool EventLog::stoppedOnMessage() const {
    for (const Event& e : events_)
        if (e.kind == Event::kMessage) return true;
    return false;
}

}  // namespace lirvo
