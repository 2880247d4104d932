// Runs one calculation case on typed field texts, as the window would, and keeps what it did.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "cases.h"
#include "event_log.h"
#include "frame.h"

namespace lirvo::testing {

struct CaseRun {
    EventLog log;
    CalcFrame frame;

    // Text of a field after the run.
    std::string field(int index) const { return log.fieldText(index); }
    // The message box shown, if any.
    std::optional<Event> message() const {
        for (const Event& e : log.events())
            if (e.kind == Event::kMessage) return e;
        return std::nullopt;
    }
    std::vector<std::string> notices() const {
        std::vector<std::string> drawn;
        for (const Event& e : log.events())
            if (e.kind == Event::kNotice) drawn.push_back(e.text);
        return drawn;
    }
    int fieldWrites() const {
        int n = 0;
        for (const Event& e : log.events())
            n += e.kind == Event::kField;
        return n;
    }
};

// Types texts into fields 2, 3, ... of the case and runs it once.
inline void runCase(CaseRun& run, int code, const std::vector<std::string>& texts,
                    bool example = false) {
    const CalcCase* calc = findCase(std::to_string(code));
    for (size_t i = 0; i < texts.size(); ++i)
        run.log.type(kFirstInputField + int(i), texts[i]);
    run.log.requestExample(example);
    run.log.forgetEvents();
    run.frame.run(*calc, run.log);
}

}  // namespace lirvo::testing
