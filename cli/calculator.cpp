#include "cli/calculator.h"

#include <charconv>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/events.h"
#include "cli/file_commands.h"
#include "cli/parallel_batch.h"
#include "cli/state_lines.h"
#include "sections/cases.h"
#include "sections/event_log.h"
#include "sections/quoting.h"

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
           "  lirvo-calc --file FILE.lirvo ...\n"
           "                                calcola il caso di ogni file sui suoi dati e sulla "
           "sua\n"
           "                                scelta dell'esempio (i risultati scritti nel file non "
           "contano)\n"
           "  lirvo-calc --save FILE.lirvo CASO [TESTO ...] [--example]\n"
           "                                calcola il caso come CASO [TESTO ...] e salva il "
           "calcolo\n"
           "  lirvo-calc --help             questo testo\n"
           "  lirvo-calc CASO ... --state   dopo i campi, l'equilibrio della sezione (anche "
           "con --batch)\n"
           "  lirvo-calc --uls SPEC [--domain K] CASO ...\n"
           "                                dopo i campi, la resistenza allo SLU (anche con "
           "--batch)\n"
           "                                SPEC: fcd=,fyd= | fck= o rck=, fyk= o acciaio= "
           "[,acc=,gc=,gs=]\n"
           "                                | fcm=,fym=,lc=1|2|3; e ned=, med= (kg, kg cm)\n"
           "\n" +
           caseList() +
           "\n"
           "Stampa un evento per riga, campi separati da TAB:\n"
           "  FIELD    indice  simbolo  testo scritto\n"
           "  MESSAGE  stile   titolo   messaggio\n"
           "  NOTICE   testo disegnato sulla finestra\n"
           "  STATE    grandezza  valori (con --state; regime, H, x, sigma_c, steel, resultant_N,\n"
           "           resultant_M, residual_N, residual_M, utilisation_c, utilisation_f)\n"
           "  ULS      grandezza  valori (con --uls; fcd, fyd, N, x, eps_top, eps_bottom, steel,\n"
           "           M_Rd, M_Ed, utilisation, verdict)\n"
           "  DOMAIN   N  M_Rd+  M_Rd-  (con --domain K: K righe da N_Rd,t a N_Rd,c)\n"
           "Uscita: 0 risultati scritti, 1 calcolo fermato da un messaggio o file non letto o non\n"
           "        salvato, 2 errore d'uso, 3 risultati non scritti (disco pieno, uscita "
           "chiusa).\n"
           "In batch ogni riga porta davanti il suo numero; una riga malformata da' ERROR.\n"
           "Con piu' file ogni riga porta davanti il nome del file; un file che non si puo' "
           "calcolare\n"
           "da' ERROR e il motivo, e si passa al file seguente. Un file non salvato da' ERROR.\n"
           "Con stderr su un terminale il batch mostra le righe fatte e le righe al secondo.\n";
}

namespace {

// The results did not all reach their output.
int writeFailed(std::ostream& err) {
    err << "lirvo-calc: impossibile scrivere i risultati\n";
    return kWriteFailed;
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

int runCommand(std::span<const std::string_view> allArgs, std::istream& in, std::ostream& out,
               std::ostream& err, bool errIsTerminal) {
    std::vector<std::string_view> kept(allArgs.begin(), allArgs.end());
    const bool withState = std::erase(kept, "--state") > 0;
    std::optional<UlsRequest> uls;
    if (const std::string refusal = takeUlsOptions(kept, uls); !refusal.empty()) {
        err << "lirvo-calc: " << refusal << "\n\n" << usage();
        return kUsageError;
    }
    const UlsRequest* ulsRequest = uls ? &*uls : nullptr;
    std::span<const std::string_view> args = kept;
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usage();
        return out.flush() ? kResultsWritten : writeFailed(err);
    }
    if (!args.empty() && (args[0] == "--batch" || args[0] == "--jobs")) {
        BatchOptions options;
        options.withState = withState;
        options.uls = ulsRequest;
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
    if (args.size() >= 2 && args[0] == "--file") {
        const int status = runFiles(args.subspan(1), out, ulsRequest);
        return out.flush() ? status : writeFailed(err);
    }
    std::optional<std::string_view> saveTo;
    if (args.size() >= 3 && args[0] == "--save") {
        saveTo = args[1];
        args = args.subspan(2);
    }
    if (args.empty() || args[0] == "--file" || args[0] == "--save") {
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
    appendEvents(*calc, log, {}, withState, buffer, ulsRequest);
    int status = log.stoppedOnMessage() ? kStoppedByMessage : kResultsWritten;
    if (saveTo) {
        if (std::string failure = saveRun(*saveTo, *calc, log); !failure.empty()) {
            buffer.append("ERROR\t").append(failure).append("\n");
            status = kStoppedByMessage;
        }
    }
    out << buffer;
    if (!out.flush()) return writeFailed(err);
    return status;
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
        appendEvents(*calc, log_, prefix, withState, out, uls);
    }
}

bool runBatch(std::istream& in, std::ostream& out, bool withState) {
    BatchOptions options;
    options.withState = withState;
    return runBatch(in, out, options);
}

}  // namespace lirvo::cli
