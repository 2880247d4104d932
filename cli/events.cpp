#include "cli/events.h"

#include <charconv>
#include <cstring>

#include "cli/bars_lines.h"
#include "cli/state_lines.h"
#include "cli/uls_lines.h"
#include "sections/cases.h"

namespace lirvo::cli {

void appendEvents(const CalcCase& calc, const EventLog& log, std::string_view prefix,
                  bool withState, std::string& buffer, const UlsRequest* uls, bool withBars) {
    for (const Event& e : log.events()) {
        switch (e.kind) {
            case Event::kField: {
                // The most frequent line, put together in place: the buffer grows once.
                const std::string_view symbol = fieldSymbol(calc, e.index);
                char index[12];
                const size_t indexSize =
                    std::to_chars(index, index + sizeof index, e.index).ptr - index;
                const size_t at = buffer.size();
                buffer.resize(at + prefix.size() + 6 + indexSize + 1 + symbol.size() + 1 +
                              e.text.size());
                char* p = buffer.data() + at;
                auto put = [&p](const char* text, size_t size) {
                    if (size > 0) std::memcpy(p, text, size);  // an empty text may have no data
                    p += size;
                };
                put(prefix.data(), prefix.size());
                put("FIELD\t", 6);
                put(index, indexSize);
                *p++ = '\t';
                put(symbol.data(), symbol.size());
                *p++ = '\t';
                put(e.text.data(), e.text.size());
                break;
            }
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
    if (withBars) appendBars(calc, log, prefix, buffer);
    if (withState) appendState(calc, log, prefix, buffer);
    if (uls) appendUls(calc, log, *uls, prefix, buffer);
}

}  // namespace lirvo::cli
