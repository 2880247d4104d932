// Case files: one calculation kept on disk and opened again, as NAME.lirvo (UTF-8 JSON).
//
//   window --captureCalculation--> CaseFile --writeCaseFile--> NAME.lirvo
//   NAME.lirvo --readCaseFile--> CaseFile or a message --runCaseFile--> the case run on its texts
//
// A file keeps the texts the user typed, never numbers made from them: opening types the
// texts back and runs the case again, so an old file gives today's results. The result texts
// it holds are what the window showed when it was saved, kept for a reader of the file only.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "casefiles/particulars.h"
#include "sections/event_log.h"
#include "sections/frame.h"
#include "sections/materials.h"
#include "sections/uls_input.h"

namespace lirvo::casefiles {

inline constexpr char kFormatName[] = "lirvo-caso";
inline constexpr int kFormatVersion = 1;
// For a file dialog: the files it shows, and the suffix a name typed without one gets.
inline constexpr char kNameFilter[] = "Calcoli lirvo (*.lirvo)";
inline constexpr char kSuffix[] = "lirvo";
// A calculation takes about a kilobyte: a larger file is refused before it is read.
inline constexpr qint64 kMaxFileSize = qint64(1) << 20;

// The materials of a check, for a later report that states them; only stored here.
struct Materials {
    int rck = 0;            // "Rck": concrete class, cube strength in kg/cm²
    std::string steel;      // "acciaio": steel grade, e.g. "FeB44k"
    std::string sigmaCAdm;  // "σc,adm": allowable concrete stress in kg/cm², as typed
    std::string sigmaFAdm;  // "σf,adm": allowable steel stress in kg/cm², as typed
    // "limiti": the rule the two stresses come from; absent in the file for D.M. 1992.
    StressLimits limits = StressLimits::kDm1992;
    bool operator==(const Materials&) const = default;
};

// The refusal of an allowable stress that is not read as typed ("85,5"), by the rules of the
// calculations' data; empty when both may be used. An empty text gives no allowable stress
// and is not refused.
std::string materialsRefusal(const Materials& materials);

// Field texts by the symbol of their field, UTF-8 ("σc", "Af'").
using TextsBySymbol = std::map<std::string, std::string, std::less<>>;

// One calculation as its file holds it. Key in the file after each member.
struct CaseFile {
    std::string caseName;                // "caso": as on the command line, "rett-verifica"
    TextsBySymbol inputs;                // "dati": exactly as typed; a missing one is empty
    bool example = false;                // "esempio": "Esegui l'Esempio" ticked
    Particulars particulars;             // "stampa"
    TextsBySymbol results;               // "risultati": as last written; never read back;
                                         // the key is left out when there are none
    std::optional<Materials> materials;  // "materiali": absent when never given
    // "slu": the materials and actions of the ultimate check (sections/uls_input.h) as typed,
    // by the keys of lirvo-calc --uls; absent when the check was never made.
    std::optional<UlsTexts> uls;
    bool operator==(const CaseFile&) const = default;
};

// Field texts by field index, as a window holds them.
using FieldTexts = std::array<std::string, kFieldCount>;

// The calculation standing in a window: its case, the input and result texts of the case's
// fields and the example box. Particulars and materials are the caller's to add.
CaseFile captureCalculation(const CalcCase& calc, const CalcWindow& window);

// The case with this command-line name (codes are not names); nullptr when there is none.
const CalcCase* caseNamed(std::string_view name);

// The file's input texts by field index, to be typed into a window before the case runs;
// a field the file leaves out, or that is no input of the case, is empty.
FieldTexts inputTexts(const CaseFile& file, const CalcCase& calc);

// The text of the file: indented JSON, format and version first, then the other keys sorted,
// so equal calculations give equal bytes.
QByteArray toJson(const CaseFile& file);

struct ReadOutcome {
    std::optional<CaseFile> file;  // the calculation, when the file holds a good one
    std::string message;           // otherwise what is wrong, naming the file, for the user
};

// Reads a file's text; `fileName` only names it in messages. A file whose case, inputs or
// kinds of value do not fit is refused as a whole; keys this program does not know are ignored.
ReadOutcome parseCaseFile(const QByteArray& text, const QString& fileName);

// Refuses what cannot be a case file (too large, empty, binary, a folder, unreadable) before
// reading it whole, then parses it.
ReadOutcome readCaseFile(const QString& path);

// Writes the file whole or not at all: a failed save leaves the earlier file as it was. A
// calculation the reader would refuse, or would read back otherwise (a text not UTF-8), is not
// written. Returns the message for the user when the file was not written, empty otherwise.
std::string writeCaseFile(const QString& path, const CaseFile& file);

// Runs the file's calculation as opening it in the window does: its input texts typed (the
// other fields emptied), its example box set, the case run. The events of the run only are
// left in the log. Returns the case run.
const CalcCase& runCaseFile(const CaseFile& file, CalcFrame& frame, EventLog& log);

}  // namespace lirvo::casefiles
