#include "app/report_command.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "report/calculation_report.h"
#include "sections/quoting.h"

namespace lirvo::app {
namespace {

constexpr char kOption[] = "--relazione";
constexpr char kForce[] = "--force";
constexpr char kUsage[] =
    "uso: lirvo --relazione [--force] RELAZIONE.pdf CALCOLO.lirvo...\n"
    "     (RELAZIONE.pdf \"-\": la relazione va sull'uscita standard)\n";
enum Status { kAllReported = 0, kSomeNotReported = 1, kNothingWritten = 2 };

int fail(const std::string& message) {
    std::fprintf(stderr, "lirvo: %s\n", message.c_str());
    return kNothingWritten;
}

// A file name in a message: cut short, control characters as '?'.
std::string shown(const QString& path) {
    return lirvo::quoted(QFile::encodeName(path).toStdString());
}

// The same file on disk, whatever the names (a symbolic link, a hard link, "./a" and "a").
bool sameFile(const QString& a, const QString& b) {
    struct stat first, second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

bool isReportCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], kOption) == 0) return true;
    return false;
}

int runReportCommand(int argc, char** argv) {
    bool force = false;
    std::vector<QString> operands;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kOption) == 0) continue;
        if (std::strcmp(argv[i], kForce) == 0) {
            force = true;
            continue;
        }
        operands.push_back(QFile::decodeName(argv[i]));
    }
    if (operands.size() < 2) {
        std::fputs(kUsage, stderr);
        return kNothingWritten;
    }
    const QString out = operands.front();
    const bool toStandardOutput = out == "-";
    if (!toStandardOutput) {
        const bool anInput = std::any_of(operands.begin() + 1, operands.end(),
                                         [&](const QString& in) { return sameFile(out, in); });
        if (anInput || QFileInfo(out).suffix().compare("lirvo", Qt::CaseInsensitive) == 0)
            return fail("la relazione non va scritta su un file di calcolo: " + shown(out));
        if (QFileInfo::exists(out) && !force)
            return fail("il file " + shown(out) + " esiste già: --force per sostituirlo");
    }
    // A reader that closes standard output early is a failed write (status 2), not a death
    // by signal.
    std::signal(SIGPIPE, SIG_IGN);

    // The report needs fonts but no screen: the offscreen platform serves wherever it runs.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    QGuiApplication::setApplicationName("lirvo");

    std::vector<report::ReportEntry> entries;
    for (size_t i = 1; i < operands.size(); ++i)
        entries.push_back(report::readReportEntry(operands[i]));
    const report::RenderedReport rendered = report::renderReport(entries, report::reportDate());
    if (toStandardOutput) {
        const size_t written =
            std::fwrite(rendered.pdf.constData(), 1, rendered.pdf.size(), stdout);
        if (written != size_t(rendered.pdf.size()) || std::fflush(stdout) != 0)
            return fail("impossibile scrivere la relazione sull'uscita standard");
    } else if (const std::string message = report::writeReportFile(out, rendered.pdf);
               !message.empty()) {
        return fail(message);
    }
    return rendered.notReported + rendered.refused > 0 ? kSomeNotReported : kAllReported;
}

}  // namespace lirvo::app
