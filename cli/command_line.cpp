#include "cli/command_line.h"

#include <charconv>
#include <type_traits>
#include <variant>

#include "cli/parallel_batch.h"
#include "sections/cases.h"
#include "sections/quoting.h"

namespace lirvo::cli {
namespace {

constexpr unsigned kEveryForm = kRunForm | kBatchForm | kFilesForm | kHelpForm;

struct Option {
    std::string_view name, alias;
    // The value the option takes, as the usage names it (none when empty); for an option
    // that selects a form, what follows the option, printed only.
    std::string_view value;
    bool selects;           // the option names a form of the command: the only one it serves
    unsigned serves;        // the forms it is given with
    std::string_view help;  // its lines separated by '\n'
    // Sets what the option says; the reason when its value is refused, which the usage error
    // gives after the option's name.
    std::string (*apply)(CommandLine&, std::string_view value);
    std::string_view needs = {};  // an option without which this one means nothing
};

// A whole number from least to most.
template <auto member, long long least, long long most>
std::string setWhole(CommandLine& c, std::string_view text) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < least || value > most)
        return "vuole un numero da " + std::to_string(least) + " a " + std::to_string(most) +
               ", non " + quoted(text);
    c.*member = static_cast<std::remove_cvref_t<decltype(c.*member)>>(value);
    return {};
}

std::string setUls(CommandLine& c, std::string_view text) {
    auto spec = parseUlsOption(text, &c.ulsTexts);
    if (auto* refusal = std::get_if<std::string>(&spec)) return *refusal;
    c.uls = std::get<UlsData>(spec);
    return {};
}

template <auto member>
std::string turnOn(CommandLine& c, std::string_view) {
    c.*member = true;
    return {};
}

template <Form form>
std::string select(CommandLine& c, std::string_view) {
    c.form = form;
    return {};
}

template <auto member>
std::string keepValue(CommandLine& c, std::string_view value) {
    c.*member = value;
    return {};
}

// Name, alias, value, selects a form, forms served, usage, what it sets. A switch turns a
// member on, a value is kept in one (keepValue) or parsed, as --jobs is.
// clang-format off
constexpr Option kOptions[] = {
    {"--batch", {}, {}, true, kBatchForm,
     "una riga per calcolo da stdin: CASO<TAB>TESTO2<TAB>...", select<kBatchForm>},
    {"--file", {}, "FILE.lirvo ...", true, kFilesForm,
     "calcola il caso di ogni file sui suoi dati e sulla\nsua scelta dell'esempio (i risultati "
     "scritti nel\nfile non contano)", select<kFilesForm>},
    {"--help", "-h", {}, true, kHelpForm, "questo testo", select<kHelpForm>},
    {"--example", {}, {}, false, kRunForm, "calcola l'esempio del caso",
     turnOn<&CommandLine::example>},
    {"--save", {}, "FILE.lirvo", false, kRunForm,
     "calcola il caso e salva il calcolo nel file\n(con --uls anche SPEC, sotto \"slu\")",
     keepValue<&CommandLine::saveTo>},
    {"--state", {}, {}, false, kRunForm | kBatchForm | kFilesForm, "dopo i campi, l'equilibrio della sezione",
     turnOn<&CommandLine::withState>},
    {"--bars", {}, {}, false, kRunForm | kBatchForm | kFilesForm,
     "dopo i campi, le barre proposte per le armature\ndi un progetto", turnOn<&CommandLine::withBars>},
    {"--jobs", {}, "N", false, kBatchForm,
     "le righe calcolate da N thread (di norma uno per core)",
     setWhole<&CommandLine::jobs, 1, kMostJobs>},
    {"--uls", {}, "SPEC", false, kRunForm | kBatchForm | kFilesForm,
     "dopo i campi, la resistenza allo SLU; SPEC:\nfcd=,fyd= | fck= o rck=, fyk= o acciaio= "
     "[,acc=,gc=,gs=]\n| fcm=,fym=,lc=1|2|3; e ned=, med= (kg, kg cm)", setUls},
    {"--domain", {}, "K", false, kRunForm | kBatchForm | kFilesForm,
     "K righe DOMAIN del dominio N-M", setWhole<&CommandLine::domainPoints, 2, kMostDomainPoints>,
     "--uls"},
};
// clang-format on

const Option* optionNamed(std::string_view arg) {
    for (const Option& o : kOptions)
        if (arg == o.name || (!o.alias.empty() && arg == o.alias)) return &o;
    return nullptr;
}

// "  left    help" with the help's further lines under its first, wrapped under 80 columns.
void usageLine(std::string& text, std::string_view left, std::string_view help) {
    constexpr size_t kHelpColumn = 32;
    text.append("  ").append(left);
    const size_t used = 2 + left.size();
    text.append(used < kHelpColumn ? kHelpColumn - used : 0, ' ');
    if (used >= kHelpColumn) text.append("\n").append(kHelpColumn, ' ');
    for (size_t end; (end = help.find('\n')) != std::string_view::npos;) {
        text.append(help.substr(0, end)).append("\n").append(kHelpColumn, ' ');
        help.remove_prefix(end + 1);
    }
    text.append(help).append("\n");
}

// "(CASO, --batch)": the forms an option is given with.
std::string formsOf(unsigned serves) {
    std::string forms = serves & kRunForm ? "CASO" : "";
    for (const Option& o : kOptions)
        if (o.selects && (serves & o.serves) && o.serves != kHelpForm)
            forms.append(forms.empty() ? "" : ", ").append(o.name);
    return "(" + forms + ")";
}

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

ParsedCommandLine parseCommandLine(std::span<const std::string_view> args) {
    CommandLine command;
    unsigned servedBy = kEveryForm;  // the forms every option given is given with
    bool seen[std::size(kOptions)] = {};
    for (size_t i = 0; i < args.size(); ++i) {
        const Option* option = optionNamed(args[i]);
        if (!option) {
            command.operands.push_back(args[i]);
            continue;
        }
        bool& once = seen[option - kOptions];
        if (once) return {};
        once = true;
        servedBy &= option->serves;
        std::string_view value;
        if (!option->selects && !option->value.empty()) {
            if (++i == args.size()) return {};
            value = args[i];
        }
        if (std::string reason = option->apply(command, value); !reason.empty())
            return {std::nullopt, std::string(option->name) + " " + reason};
    }
    for (const Option& o : kOptions)
        if (seen[&o - kOptions] && !o.needs.empty() && !seen[optionNamed(o.needs) - kOptions])
            return {std::nullopt, std::string(o.name) + " vale solo con " + std::string(o.needs)};
    const bool takesOperands = command.form == kRunForm || command.form == kFilesForm;
    if (!(servedBy & command.form) || command.operands.empty() == takesOperands) return {};
    return {std::move(command), {}};
}

std::string usage() {
    std::string text = "Uso:\n";
    usageLine(text, "lirvo-calc CASO [TESTO ...]",
              "calcola il caso sui testi dei campi di dati, dal 2 in su");
    for (const Option& o : kOptions)
        if (o.selects)
            usageLine(text,
                      "lirvo-calc " + std::string(o.name) +
                          (o.value.empty() ? "" : " " + std::string(o.value)),
                      o.help);
    text += "Opzioni:\n";
    for (const Option& o : kOptions)
        if (!o.selects)
            usageLine(text,
                      std::string(o.name) + (o.value.empty() ? "" : " " + std::string(o.value)) +
                          " " + formsOf(o.serves),
                      o.help);
    return text + "\n" + caseList() +
           "\n"
           "Stampa un evento per riga, campi separati da TAB:\n"
           "  FIELD    indice  simbolo  testo scritto\n"
           "  MESSAGE  stile   titolo   messaggio\n"
           "  NOTICE   testo disegnato sulla finestra\n"
           "  BARS     simbolo  barre  area (con --bars; \"4Ø16\", \"10Ø24 (2 strati)\",\n"
           "           \"nessuna disposizione\")\n"
           "  STATE    grandezza  valori (con --state; regime, H, x, sigma_c, steel, resultant_N,\n"
           "           resultant_M, residual_N, residual_M, utilisation_c, utilisation_f)\n"
           "  ULS      grandezza  valori (con --uls; fcd, fyd, N, x, eps_top, eps_bottom, steel,\n"
           "           M_Rd, M_Ed, utilisation, verdict)\n"
           "  DOMAIN   N  M_Rd+  M_Rd-  (con --domain K: K righe da N_Rd,t a N_Rd,c)\n"
           "Uscita: 0 risultati scritti, 1 calcolo fermato da un messaggio o file non letto o non\n"
           "        salvato, 2 errore d'uso, 3 risultati non scritti (disco pieno, uscita "
           "chiusa),\n"
           "        4 dati del batch non letti fino in fondo (errore di lettura).\n"
           "In batch ogni riga porta davanti il suo numero; una riga malformata, o piu' lunga\n"
           "di 1 MiB, da' ERROR.\n"
           "Con piu' file ogni riga porta davanti il nome del file; un file che non si puo' "
           "calcolare\n"
           "da' ERROR e il motivo, e si passa al file seguente. Un file non salvato da' ERROR.\n"
           "Con stderr su un terminale il batch mostra le righe fatte e le righe al secondo.\n";
}

}  // namespace lirvo::cli
