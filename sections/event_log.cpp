#include "event_log.h"

namespace lirvo {

void EventLog::setFieldText(int index, const std::string& text) {
    fields_.at(index) = text;
    events_.push_back({Event::kField, index, text, 0, {}});
}

void EventLog::messageBox(const std::string& prompt, int style, const std::string& title) {
    events_.push_back({Event::kMessage, 0, prompt, style, title});
}

void EventLog::drawNotice(const std::string& text) {
    events_.push_back({Event::kNotice, 0, text, 0, {}});
}

void EventLog::clearNotice() {
    events_.push_back({Event::kClearNotice, 0, {}, 0, {}});
}

bool EventLog::stoppedOnMessage() const {
    for (const Event& e : events_)
        if (e.kind == Event::kMessage) return true;
    return false;
}

}  // namespace lirvo
