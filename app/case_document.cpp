#include "app/case_document.h"

#include "app/result_state.h"
#include "app/window_report.h"
#include "report/export_report.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "app/main_window.h"
#include "sections/cases.h"
#include "ui/qt_text.h"

namespace lirvo::app {
namespace {

constexpr char kSaveQuestion[] = "Salvare le modifiche a %1?";
constexpr char kNothingToSave[] = "SCEGLIERE SEZIONE E OPERAZIONE PRIMA DI SALVARE";
constexpr char kResultsNotReproduced[] =
    "I risultati salvati nel file non corrispondono ai suoi dati: quelli mostrati sono "
    "ricalcolati.";

bool isCaseFile(const QString& path) {
    return QFileInfo(path).suffix().compare(casefiles::kSuffix, Qt::CaseInsensitive) == 0;
}

// What a drag carries: the first case file among its files, an empty path when its files are
// all of other kinds, none when it carries no file.
std::optional<QString> draggedCaseFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return std::nullopt;
    std::optional<QString> found;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        if (isCaseFile(url.toLocalFile())) return url.toLocalFile();
        found = QString();
    }
    return found;
}

}  // namespace

CaseDocument::CaseDocument(MainWindow& window, const ui::Platform& platform)
    : window_(window), platform_(platform), baseTitle_(window.windowTitle()) {
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
    watchWindow();
    // "Azzera", "Nuovo" and every opening load the window anew: a file opened is named again
    // once its calculation stands in the window.
    connect(&window_, &MainWindow::reloaded, this, [this] {
        watchWindow();
        path_.clear();
        modified_ = false;
        materials_.reset();
        uls_.reset();
        window_.setToolTip({});
        showTitle();
    });
    connect(&window_, &MainWindow::particularsEdited, this, &CaseDocument::markModified);
}

CaseDocument::~CaseDocument() = default;

void CaseDocument::setUls(const UlsTexts& texts) {
    if (uls_ == texts) return;
    uls_ = texts;
    markModified();
}

void CaseDocument::watchWindow() {
    MainElements& e = window_.elements();
    for (auto& option : e.option)
        connect(option.get(), &QAbstractButton::toggled, this, &CaseDocument::markModified);
    connect(e.exampleBox.get(), &QAbstractButton::toggled, this, &CaseDocument::markModified);
    // Typed by the user; a calculation writing its results changes nothing the file keeps.
    for (auto& text : e.fields.valueFields)
        connect(text.get(), &QLineEdit::textEdited, this, &CaseDocument::markModified);
    // A value field would take a dropped file's name as text: the file is ours first.
    for (QWidget* widget : e.surface->findChildren<QWidget*>())
        if (widget->acceptDrops()) widget->installEventFilter(this);
}

void CaseDocument::markModified() {
    if (restoring_ || modified_) return;
    modified_ = true;
    showTitle();
}

void CaseDocument::showTitle() {
    QString title = baseTitle_;
    if (!path_.isEmpty()) {
        title += QString::fromUtf8(" — ") + QFileInfo(path_).fileName();
        if (modified_) title += " *";
    }
    window_.setWindowTitle(title);
}

void CaseDocument::setFile(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    modified_ = false;
    window_.setToolTip({});
    recent_.add(path_);
    emit recentFilesChanged();
    showTitle();
}

QString CaseDocument::dialogFolder() const {
    QString last = lastFolder_;
    if (const QStringList recent = recent_.paths(); last.isEmpty() && !recent.isEmpty())
        last = QFileInfo(recent.first()).absolutePath();
    return ui::proposedFolder(path_, last);
}

void CaseDocument::folderUsed(const QString& chosenPath) {
    lastFolder_ = QFileInfo(chosenPath).absolutePath();
}

bool CaseDocument::maySetAside() {
    if (path_.isEmpty() || !modified_) return true;
    const QString question = QString(kSaveQuestion).arg(QFileInfo(path_).fileName());
    switch (platform_.messages.ask(&window_, question.toStdString())) {
        case ui::Answer::kYes:
            return save();
        case ui::Answer::kNo:
            return true;
        case ui::Answer::kCancel:
            break;
    }
    return false;
}

void CaseDocument::newCalculation() {
    if (maySetAside()) window_.reload();
}

void CaseDocument::open() {
    if (!maySetAside()) return;
    if (const auto path = platform_.caseFileDialogs.fileToOpen(&window_, dialogFolder())) {
        folderUsed(*path);
        load(*path);
    }
}

bool CaseDocument::openFile(const QString& path) {
    return maySetAside() && load(path);
}

// The file is read whole before the window is touched: a file refused leaves it as it was.
bool CaseDocument::load(const QString& path) {
    const casefiles::ReadOutcome read = casefiles::readCaseFile(path);
    if (!read.file) {
        platform_.messages.show(&window_, read.message, MessageStyle::kWarning, {});
        return false;
    }
    restoring_ = true;
    restore(*read.file);
    restoring_ = false;
    materials_ = read.file->materials;
    uls_ = read.file->uls;
    setFile(path);
    if (!reproducesItsResults(*read.file)) window_.setToolTip(kResultsNotReproduced);
    return true;
}

// The results the file keeps are those the window shows, now computed again from its data.
bool CaseDocument::reproducesItsResults(const casefiles::CaseFile& file) const {
    const CalcCase& calc = *casefiles::caseNamed(file.caseName);
    for (const Field& field : calc.results())
        if (const auto kept = file.results.find(field.symbol); kept != file.results.end())
            if (window_.fieldText(field.index) != kept->second) return false;
    return true;
}

// As the user would: Azzera, the section type, the operation (which lays out the panel), the
// example box (whose tick empties the fields), the texts, then the compute button, so the
// calculation writes its results and shows its messages as for texts typed by hand.
void CaseDocument::restore(const casefiles::CaseFile& file) {
    // The reader has checked the case: it is one of ours.
    const CalcCase& calc = *casefiles::caseNamed(file.caseName);
    window_.reload();
    MainElements& e = window_.elements();
    e.sectionOption(static_cast<int>(calc.section))->click();
    e.operationOption(static_cast<int>(calc.operation))->click();
    if (file.example) e.exampleBox->click();
    const casefiles::FieldTexts texts = casefiles::inputTexts(file, calc);
    for (const Field& field : calc.inputs())
        window_.setFieldText(field.index, texts[field.index]);
    window_.printData().setParticulars(file.particulars);
    e.computeButton->click();
}

std::optional<casefiles::CaseFile> CaseDocument::capture() {
    const CaseChoice choice = window_.currentChoice();
    const CalcCase* calc = nullptr;
    if (choice.section && choice.operation) calc = findCase(*choice.section, *choice.operation);
    if (!calc) {
        platform_.messages.show(&window_, kNothingToSave, MessageStyle::kWarning, {});
        return std::nullopt;
    }
    casefiles::CaseFile file = casefiles::captureCalculation(*calc, window_);
    // Results that no longer belong to the data are not kept beside them.
    if (!window_.resultsCurrent()) file.results.clear();
    file.particulars = window_.printData().particulars();
    file.materials = materials_;
    file.uls = uls_;
    return file;
}

bool CaseDocument::save() {
    if (path_.isEmpty()) return saveAs();
    const auto file = capture();
    return file && write(path_, *file);
}

bool CaseDocument::saveAs() {
    const auto file = capture();
    if (!file) return false;
    const QString proposed =
        path_.isEmpty()
            ? QDir(dialogFolder()).filePath(toQString(file->caseName) + "." + casefiles::kSuffix)
            : path_;
    const auto path = platform_.caseFileDialogs.fileToSave(&window_, proposed);
    if (path) folderUsed(*path);
    return path && write(*path, *file);
}

bool CaseDocument::write(const QString& path, const casefiles::CaseFile& file) {
    const std::string failure = casefiles::writeCaseFile(path, file);
    if (!failure.empty()) {
        platform_.messages.show(&window_, failure, MessageStyle::kWarning, {});
        return false;
    }
    setFile(path);
    return true;
}

// A case file dragged over the window or any of its fields is taken; other files are refused
// without a word; text goes where it always went.
bool CaseDocument::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);  // the base of the three
    const std::optional<QString> path = draggedCaseFile(drop->mimeData());
    if (!path) return QObject::eventFilter(watched, event);
    if (path->isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    // Opened once the drop has ended, so the file manager it came from is not held up by the
    // question or a message.
    if (type == QEvent::Drop) QTimer::singleShot(0, this, [this, file = *path] { openFile(file); });
    return true;
}

bool CaseDocument::exportReport(report::ReportDialogs& dialogs) {
    std::optional<casefiles::CaseFile> calculation = windowCalculation(window_);
    if (!calculation) {
        platform_.messages.show(&window_, kNothingCalculated, MessageStyle::kPlain, {});
        return false;
    }
    calculation->materials = materials_;
    calculation->uls = uls_;
    const std::optional<QString> written = report::exportReportDialog(
        &window_, *calculation, path_, dialogFolder(), dialogs, platform_.messages);
    if (!written) return false;
    folderUsed(*written);
    materials_ = calculation->materials;
    return true;
}

}  // namespace lirvo::app
