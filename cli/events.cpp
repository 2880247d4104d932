#include "cli/events.h"

#include "cli/state_lines.h"
#include "sections/cases.h"

namespace lirvo::cli {

void appendEvents(const CalcCase& calc, const EventLog& log, std::string_view prefix,
                  bool withState, std::string& buffer) {
    for (const Event& e : log.events()) {
        switch (e.kind) {
            case Event::kField:
                buffer.append(prefix).append("FIELD\t").append(std::to_string(e.index));
                buffer.append("\t").append(fieldSymbol(calc, e.index)).append("\t").append(e.text);
                break;
            case Event::kMessage:
                buffer.append(prefix).append("MESSAGE\t");
                buffer.append(std::to_string(static_cast<int>(e.style)));
                buffer.append("\t").append(e.title).append("\t").append(e.text);
                break;
            case Event::kNotice:
                buffer.append(prefix).append("NOTICE\t").append(e.text);
                break;
            case Event::kClearNotice:
                continue;  // nothing is shown for an erased notice
        }
        buffer += '\n';
    }
    if (withState) appendState(calc, log, prefix, buffer);
}

}  // namespace lirvo::cli
