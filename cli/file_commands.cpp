#include "cli/file_commands.h"

#include <QByteArray>
#include <QFile>
#include <ostream>

#include "casefiles/case_file.h"
#include "cli/calculator.h"
#include "cli/events.h"
#include "sections/quoting.h"

namespace lirvo::cli {
namespace {

// Command-line arguments are file names in the system's encoding.
QString filePath(std::string_view argument) {
    return QFile::decodeName(QByteArray(argument.data(), qsizetype(argument.size())));
}

}  // namespace

int runFiles(std::span<const std::string_view> paths, std::ostream& out, const UlsRequest* uls,
             bool withBars, bool withState) {
    CalcFrame frame;
    EventLog log;
    std::string buffer;
    int status = kResultsWritten;
    for (std::string_view path : paths) {
        // A file's name, as its texts, may hold a line feed or a terminal escape; it leads its
        // lines whole, so that the lines of files in one long folder stay apart.
        const std::string prefix =
            paths.size() > 1 ? quoted(path, path.size()) + '\t' : std::string();
        const casefiles::ReadOutcome read = casefiles::readCaseFile(filePath(path));
        buffer.clear();
        if (!read.file) {
            buffer.append(prefix).append("ERROR\t").append(read.message).append("\n");
            status = kStoppedByMessage;
        } else {
            const CalcCase& calc = casefiles::runCaseFile(*read.file, frame, log);
            appendEvents(calc, log, prefix, withState, buffer, uls, withBars);
            if (log.stoppedOnMessage()) status = kStoppedByMessage;
        }
        out << buffer;
    }
    out.flush();
    return status;
}

std::string saveRun(std::string_view path, const CalcCase& calc, const EventLog& log,
                    const UlsRequest* uls) {
    casefiles::CaseFile file = casefiles::captureCalculation(calc, log);
    if (uls) file.uls = uls->texts;
    return casefiles::writeCaseFile(filePath(path), file);
}

}  // namespace lirvo::cli
