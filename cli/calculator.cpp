#include "calculator.h"

#include <istream>
#include <optional>
#include <ostream>

#include "cases.h"
#include "event_log.h"
#include "events.h"
#include "file_commands.h"

namespace lirvo::cli {

const char* const kUsage =
    "Uso:\n"
    "  lirvo-calc CASO [TESTO ...]   calcola il caso sui testi dei campi di dati, dal 2 in su\n"
    "  lirvo-calc CASO --example     calcola l'esempio del caso\n"
    "  lirvo-calc --batch            una riga per calcolo da stdin: CASO<TAB>TESTO2<TAB>...\n"
    "  lirvo-calc --file FILE.lirvo ...\n"
    "                                calcola il caso di ogni file sui suoi dati e sulla sua\n"
    "                                scelta dell'esempio (i risultati scritti nel file non "
    "contano)\n"
    "  lirvo-calc --save FILE.lirvo CASO [TESTO ...] [--example]\n"
    "                                calcola il caso come CASO [TESTO ...] e salva il calcolo\n"
    "  lirvo-calc --help             questo testo\n"
    "\n"
    "CASO: 1 rett-verifica, 2 rett-progetto, 3 rett-semiprogetto, 4 t-verifica,\n"
    "      5 t-progetto, 6 t-semiprogetto, 7 pil-verifica, 9 pil-semiprogetto\n"
    "\n"
    "Stampa un evento per riga, campi separati da TAB:\n"
    "  FIELD    indice  simbolo  testo scritto\n"
    "  MESSAGE  stile   titolo   messaggio\n"
    "  NOTICE   testo disegnato sulla finestra\n"
    "Uscita: 0 risultati scritti, 1 calcolo fermato da un messaggio o file non letto o non\n"
    "salvato, 2 errore d'uso.\n"
    "In batch ogni riga porta davanti il suo numero; una riga malformata da' ERROR.\n"
    "Con piu' file ogni riga porta davanti il nome del file; un file che non si puo' calcolare\n"
    "da' ERROR e il motivo, e si passa al file seguente. Un file non salvato da' ERROR.\n";

namespace {

// Types the texts into the input fields from 2 upward; false when there are too many.
bool typeInputs(const CalcCase& calc, std::span<const std::string_view> texts, EventLog& log) {
    if (texts.size() > calc.inputs.size()) return false;
    log.clearFields();
    for (size_t i = 0; i < texts.size(); ++i)
        log.type(calc.inputs[i].index, std::string(texts[i]));
    return true;
}

std::string tooManyTexts(const CalcCase& calc) {
    return "troppi testi: il caso " + std::to_string(calc.code) + " ha " +
           std::to_string(calc.inputs.size()) + " campi di dati";
}

}  // namespace

int runCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kResultsWritten;
    }
    if (args.size() == 1 && args[0] == "--batch") return runBatch(in, out), kResultsWritten;
    if (args.size() >= 2 && args[0] == "--file") return runFiles(args.subspan(1), out);
    std::optional<std::string_view> saveTo;
    if (args.size() >= 3 && args[0] == "--save") {
        saveTo = args[1];
        args = args.subspan(2);
    }
    if (args.empty() || args[0] == "--file" || args[0] == "--save") {
        err << kUsage;
        return kUsageError;
    }
    const CalcCase* calc = findCase(args[0]);
    if (!calc) {
        err << "lirvo-calc: caso sconosciuto: " << args[0] << "\n\n" << kUsage;
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
    if (!typeInputs(*calc, texts, log)) {
        err << "lirvo-calc: " << tooManyTexts(*calc) << "\n\n" << kUsage;
        return kUsageError;
    }
    CalcFrame frame;
    frame.run(*calc, log);
    std::string buffer;
    appendEvents(*calc, log, {}, buffer);
    int status = log.stoppedOnMessage() ? kStoppedByMessage : kResultsWritten;
    if (saveTo) {
        if (std::string failure = saveRun(*saveTo, *calc, log); !failure.empty()) {
            buffer.append("ERROR\t").append(failure).append("\n");
            status = kStoppedByMessage;
        }
    }
    out << buffer;
    return status;
}

void runBatch(std::istream& in, std::ostream& out) {
    CalcFrame frame;
    EventLog log;
    std::string line, buffer, prefix;
    std::vector<std::string_view> texts;
    long number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();  // spreadsheet exports
        prefix = std::to_string(number) + '\t';
        std::string_view rest = line;
        size_t tab = rest.find('\t');
        std::string_view name = rest.substr(0, tab);
        texts.clear();
        while (tab != std::string_view::npos) {
            rest.remove_prefix(tab + 1);
            tab = rest.find('\t');
            texts.push_back(rest.substr(0, tab));
        }
        const CalcCase* calc = findCase(name);
        std::string error;
        if (line.empty())
            error = "riga vuota";
        else if (!calc)
            error = "caso sconosciuto: " + std::string(name);
        else if (!typeInputs(*calc, texts, log))
            error = tooManyTexts(*calc);
        if (!error.empty()) {
            buffer.append(prefix).append("ERROR\t").append(error).append("\n");
        } else {
            log.forgetEvents();
            frame.run(*calc, log);
            appendEvents(*calc, log, prefix, buffer);
        }
        if (buffer.size() > (1 << 16)) {
            out << buffer;
            buffer.clear();
        }
    }
    out << buffer;
    out.flush();
}

}  // namespace lirvo::cli
