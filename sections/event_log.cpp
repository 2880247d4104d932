#include "sections/event_log.h"

namespace lirvo {

std::string EventLog::spareCopy(const std::string& text) {
    if (spareTexts_.empty()) return text;
    std::string copy = std::move(spareTexts_.back());
    spareTexts_.pop_back();
    copy = text;
    return copy;
}

void EventLog::forgetEvents() {
    // As many as one run writes texts at most: a log forgetting runs without end keeps no more.
    for (Event& e : events_)
        if (spareTexts_.size() < kFieldCount) spareTexts_.push_back(std::move(e.text));
    events_.clear();
}

void EventLog::setFieldText(int index, const std::string& text) {
    fields_.at(index) = text;
    events_.emplace_back(Event::kField, index, spareCopy(text), MessageStyle::kPlain);
}

void EventLog::messageBox(const Message& message) {
    events_.push_back(
        {Event::kMessage, message.field, spareCopy(message.prompt), message.style, message.title});
}

void EventLog::drawNotice(const std::string& text) {
    events_.push_back({Event::kNotice, 0, spareCopy(text), MessageStyle::kPlain, {}});
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
