#include "cli/calculator.h"

#include <charconv>
#include <cstring>
#include <istream>
#include <ostream>

#include "cli/parallel_batch.h"

#include "sections/cases.h"
#include "sections/event_log.h"

namespace lirvo::cli {

namespace {

// "CASO: 1 rett-verifica, 2 rett-progetto, ..." wrapped under 80 columns.
std::string caseList() {
    const auto cases = allCases();
    std::string text, line = "CASO:";
    for (size_t i = 0; i < cases.size(); ++i) {
        std::string entry = std::to_string(cases[i]->code) + " " + std::string(cases[i]->name);
        if (i + 1 < cases.size()) entry += ',';
        if (line.size() + 1 + entry.size() > 78) {
            text += line + '\n';
            line = "     ";
        }
        line += ' ' + entry;
    }
    return text + line + '\n';
}

}  // namespace

std::string usage() {
    return "Uso:\n"
           "  lirvo-calc CASO [TESTO ...]   calcola il caso sui testi dei campi di dati, dal 2 in "
           "su\n"
           "  lirvo-calc CASO --example     calcola l'esempio del caso\n"
           "  lirvo-calc --batch            una riga per calcolo da stdin: "
           "CASO<TAB>TESTO2<TAB>...\n"
           "  lirvo-calc --batch --jobs N   le righe calcolate da N thread (di norma uno per "
           "core)\n"
           "  lirvo-calc --help             questo testo\n"
           "\n" +
           caseList() +
           "\n"
           "Stampa un evento per riga, campi separati da TAB:\n"
           "  FIELD    indice  simbolo  testo scritto\n"
           "  MESSAGE  stile   titolo   messaggio\n"
           "  NOTICE   testo disegnato sulla finestra\n"
           "Uscita: 0 risultati scritti, 1 calcolo fermato da un messaggio, 2 errore d'uso,\n"
           "        3 risultati non scritti (disco pieno, uscita chiusa).\n"
           "In batch ogni riga porta davanti il suo numero; una riga malformata da' ERROR.\n"
           "Con stderr su un terminale il batch mostra le righe fatte e le righe al secondo.\n";
}

namespace {

// Characters of a text from the input that an ERROR record or a usage error quotes.
constexpr size_t kQuotedCharacters = 40;

struct Utf8Char {
    size_t bytes;  // of a valid character, or of an ill-formed sequence (at least 1)
    bool valid;
    char32_t code;
};

// The UTF-8 character at the start of a non-empty text. An ill-formed sequence spans its
// longest start that some valid character shares (a truncated character is one sequence, a
// stray byte another), as Unicode counts them for substitution. Overlong forms, surrogates
// and code points beyond U+10FFFF are ill-formed.
Utf8Char firstChar(std::string_view s) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {1, true, lead};
    size_t following = 0;
    char32_t code = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        following = 1, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        following = 2, code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;   // overlong below
        if (lead == 0xED) high = 0x9F;  // surrogates above
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        following = 3, code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;   // overlong below
        if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF above
    } else {
        return {1, false, 0};
    }
    for (size_t k = 1; k <= following; ++k) {
        if (k >= s.size() || byte(k) < low || byte(k) > high) return {k, false, 0};
        code = (code << 6) | (byte(k) & 0x3F);
        low = 0x80, high = 0xBF;
    }
    return {following + 1, true, code};
}

// A text from the input as it may be echoed to a terminal: each control character (C0, DEL,
// C1) and each ill-formed UTF-8 sequence becomes '?', and beyond kQuotedCharacters
// characters the text is cut, between two characters, and ends with "…".
std::string quoted(std::string_view text) {
    std::string out;
    for (size_t characters = 0; !text.empty(); ++characters) {
        if (characters == kQuotedCharacters) return out + "…";
        const Utf8Char c = firstChar(text);
        if (!c.valid || c.code < 0x20 || (c.code >= 0x7F && c.code <= 0x9F))
            out += '?';
        else
            out.append(text.substr(0, c.bytes));
        text.remove_prefix(c.bytes);
    }
    return out;
}

// The results did not all reach their output.
int writeFailed(std::ostream& err) {
    err << "lirvo-calc: impossibile scrivere i risultati\n";
    return kWriteFailed;
}

void appendEvents(const CalcCase& calc, const EventLog& log, std::string_view prefix,
                  std::string& buffer) {
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
}

std::string tooManyTexts(const CalcCase& calc) {
    return "troppi testi: il caso " + std::to_string(calc.code) + " ha " +
           std::to_string(calc.inputs().size()) + " campi di dati";
}

}  // namespace

bool splitTexts(std::string_view line, size_t most, std::vector<std::string_view>& texts) {
    texts.clear();
    size_t tab = line.find('\t');
    while (tab != std::string_view::npos) {
        if (texts.size() == most) return false;
        line.remove_prefix(tab + 1);
        tab = line.find('\t');
        texts.push_back(line.substr(0, tab));
    }
    return true;
}

int runCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
               std::ostream& err, bool errIsTerminal) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usage();
        return out.flush() ? kResultsWritten : writeFailed(err);
    }
    if (!args.empty() && (args[0] == "--batch" || args[0] == "--jobs")) {
        BatchOptions options;
        options.jobs = defaultJobs();
        if (errIsTerminal) options.progress = &err;
        bool batch = false, jobsGiven = false;
        for (size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "--batch" && !batch) {
                batch = true;
            } else if (args[i] == "--jobs" && i + 1 < args.size() && !jobsGiven) {
                const std::string_view text = args[++i];
                const auto [end, ec] =
                    std::from_chars(text.data(), text.data() + text.size(), options.jobs);
                jobsGiven = true;
                if (ec != std::errc() || end != text.data() + text.size() || options.jobs < 1 ||
                    options.jobs > kMostJobs) {
                    err << "lirvo-calc: --jobs vuole un numero da 1 a " << kMostJobs << ", non "
                        << quoted(text) << "\n\n"
                        << usage();
                    return kUsageError;
                }
            } else {
                batch = false;
                break;
            }
        }
        if (!batch) {
            err << usage();
            return kUsageError;
        }
        return runBatch(in, out, options) ? kResultsWritten : writeFailed(err);
    }
    if (args.empty()) {
        err << usage();
        return kUsageError;
    }
    const CalcCase* calc = findCase(args[0]);
    if (!calc) {
        err << "lirvo-calc: caso sconosciuto: " << quoted(args[0]) << "\n\n" << usage();
        return kUsageError;
    }
    std::vector<std::string_view> texts;
    bool example = false;
    for (std::string_view a : args.subspan(1)) {
        if (a == "--example")
            example = true;
        else
            texts.push_back(a);
    }
    EventLog log;
    log.requestExample(example);
    if (!log.typeInputs(*calc, texts)) {
        err << "lirvo-calc: " << tooManyTexts(*calc) << "\n\n" << usage();
        return kUsageError;
    }
    CalcFrame frame;
    frame.run(*calc, log);
    std::string buffer;
    appendEvents(*calc, log, {}, buffer);
    out << buffer;
    if (!out.flush()) return writeFailed(err);
    return log.stoppedOnMessage() ? kStoppedByMessage : kResultsWritten;
}

void BatchLineRunner::run(std::string_view line, long number, std::string& out) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // spreadsheet exports
    char numberTab[24];
    char* end = std::to_chars(numberTab, numberTab + sizeof numberTab - 1, number).ptr;
    *end++ = '\t';
    const std::string_view prefix(numberTab, end - numberTab);
    const std::string_view name = line.substr(0, line.find('\t'));
    const CalcCase* calc = findCase(name);
    std::string error;
    if (line.empty())
        error = "riga vuota";
    else if (!calc)
        error = "caso sconosciuto: " + quoted(name);
    else if (!splitTexts(line, calc->inputs().size(), texts_) || !log_.typeInputs(*calc, texts_))
        error = tooManyTexts(*calc);
    if (!error.empty()) {
        out.append(prefix).append("ERROR\t").append(error).append("\n");
    } else {
        log_.forgetEvents();
        frame_.run(*calc, log_);
        appendEvents(*calc, log_, prefix, out);
    }
}

bool runBatch(std::istream& in, std::ostream& out) {
    return runBatch(in, out, BatchOptions{});
}

}  // namespace lirvo::cli
