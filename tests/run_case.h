// Runs one calculation case on typed field texts, as the window would, and keeps what it did.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "sections/cases.h"
#include "sections/event_log.h"
#include "sections/frame.h"

namespace lirvo::testing {

struct CaseRun {
    EventLog log;
    CalcFrame frame;
    const CalcCase* calc = nullptr;  // the case run last

    // Text of a field after the run.
    std::string field(int index) const { return log.fieldText(index); }
    // Text of the result field with this symbol; fails the test where the case has none.
    std::string result(std::string_view symbol) const {
        for (const Field& f : calc->results())
            if (f.symbol == symbol) return field(f.index);
        ADD_FAILURE() << calc->name << " has no result " << symbol;
        return {};
    }
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

// Types texts into the input fields of the case from 2 upward, as a user fills the panel, and
// runs it once; the result fields keep what an earlier run wrote.
inline void runCase(CaseRun& run, int code, const std::vector<std::string>& texts,
                    bool example = false) {
    const CalcCase* calc = findCase(std::to_string(code));
    ASSERT_TRUE(calc && run.log.typeInputs(*calc, texts)) << "case " << code;
    run.calc = calc;
    run.log.requestExample(example);
    run.log.forgetEvents();
    run.frame.run(*calc, run.log);
}

}  // namespace lirvo::testing
