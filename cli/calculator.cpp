#include "cli/calculator.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "cli/command_line.h"
#include "cli/events.h"
#include "cli/file_commands.h"
#include "cli/parallel_batch.h"
#include "cli/state_lines.h"
#include "sections/cases.h"
#include "sections/event_log.h"
#include "sections/quoting.h"

namespace lirvo::cli {

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

namespace {

int runBatchCommand(const CommandLine& command, const UlsRequest* uls, std::istream& in,
                    std::ostream& out, std::ostream& err, bool errIsTerminal) {
    BatchOptions options;
    options.withState = command.withState;
    options.withBars = command.withBars;
    options.uls = uls;
    options.jobs = command.jobs ? command.jobs : defaultJobs();
    if (errIsTerminal) options.progress = &err;
    switch (runBatch(in, out, options)) {
        case BatchEnd::kComplete:
            return kResultsWritten;
        case BatchEnd::kOutputFailed:
            return writeFailed(err);
        case BatchEnd::kInputFailed:
            break;
    }
    err << "lirvo-calc: errore di lettura dei dati: il batch si ferma prima della fine\n";
    return kReadFailed;
}

// CASO [TESTO ...] [--example] [--save FILE]: one run, kept in a file when asked.
int runOnce(const CommandLine& command, const UlsRequest* uls, std::ostream& out,
            std::ostream& err) {
    const std::string_view caseName = command.operands.front();
    const CalcCase* calc = findCase(caseName);
    if (!calc) {
        err << "lirvo-calc: caso sconosciuto: " << quoted(caseName) << "\n\n" << usage();
        return kUsageError;
    }
    EventLog log;
    log.requestExample(command.example);
    if (!log.typeInputs(*calc, std::span(command.operands).subspan(1))) {
        err << "lirvo-calc: " << tooManyTexts(*calc) << "\n\n" << usage();
        return kUsageError;
    }
    CalcFrame frame;
    frame.run(*calc, log);
    std::string buffer;
    appendEvents(*calc, log, {}, command.withState, buffer, uls, command.withBars);
    int status = log.stoppedOnMessage() ? kStoppedByMessage : kResultsWritten;
    if (command.saveTo) {
        if (std::string failure = saveRun(*command.saveTo, *calc, log, uls); !failure.empty()) {
            buffer.append("ERROR\t").append(failure).append("\n");
            status = kStoppedByMessage;
        }
    }
    out << buffer;
    if (!out.flush()) return writeFailed(err);
    return status;
}

}  // namespace

int runCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
               std::ostream& err, bool errIsTerminal) {
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (!parsed.command) {
        if (!parsed.reason.empty()) err << "lirvo-calc: " << parsed.reason << "\n\n";
        err << usage();
        return kUsageError;
    }
    const CommandLine& command = *parsed.command;
    const std::optional<UlsRequest> request =
        command.uls
            ? std::optional(UlsRequest{*command.uls, command.domainPoints, command.ulsTexts})
            : std::nullopt;
    const UlsRequest* uls = request ? &*request : nullptr;
    switch (command.form) {
        case kHelpForm:
            out << usage();
            return out.flush() ? kResultsWritten : writeFailed(err);
        case kBatchForm:
            return runBatchCommand(command, uls, in, out, err, errIsTerminal);
        case kFilesForm: {
            const int status =
                runFiles(command.operands, out, uls, command.withBars, command.withState);
            return out.flush() ? status : writeFailed(err);
        }
        case kRunForm:
            break;
    }
    return runOnce(command, uls, out, err);
}

void BatchLineRunner::run(std::string_view line, long number, std::string& out) {
    const bool tooLong = line.size() > kMostBatchLineBytes;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // spreadsheet exports
    char numberTab[24];
    char* end = std::to_chars(numberTab, numberTab + sizeof numberTab - 1, number).ptr;
    *end++ = '\t';
    const std::string_view prefix(numberTab, end - numberTab);
    const std::string_view name = line.substr(0, line.find('\t'));
    const CalcCase* calc = findCase(name);
    std::string error;
    if (tooLong)
        error = "riga troppo lunga: oltre " + std::to_string(kMostBatchLineBytes) + " byte";
    else if (line.empty())
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
        appendEvents(*calc, log_, prefix, withState, out, uls, withBars);
    }
}

BatchEnd runBatch(std::istream& in, std::ostream& out, bool withState) {
    BatchOptions options;
    options.withState = withState;
    return runBatch(in, out, options);
}

}  // namespace lirvo::cli
