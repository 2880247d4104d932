#include "app/report_command.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "report/calculation_report.h"

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
        if (QFileInfo(out).suffix().compare("lirvo", Qt::CaseInsensitive) == 0)
            return fail("la relazione non va scritta su un file di calcolo: " + out.toStdString());
        if (QFileInfo::exists(out) && !force)
            return fail("il file " + out.toStdString() + " esiste già: --force per sostituirlo");
    }

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
