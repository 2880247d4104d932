#include "casefiles/case_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

#include "casefiles/safe_save.h"
#include "casefiles/strict_json.h"
#include "sections/cases.h"
#include "sections/quoting.h"
#include "ui/qt_text.h"

namespace lirvo::casefiles {
namespace {

// A field of a case by its index and by its key in the file, the field's symbol.
struct FieldKey {
    int index;
    std::string_view symbol;
};

std::string_view nameOf(const CalcCase& calc) {
    return calc.name;
}

std::vector<FieldKey> inputSymbols(const CalcCase& calc) {
    std::vector<FieldKey> keys;
    for (const Field& f : calc.inputs())
        keys.push_back({f.index, f.symbol});
    return keys;
}

std::vector<FieldKey> resultSymbols(const CalcCase& calc) {
    std::vector<FieldKey> keys;
    for (const Field& f : calc.results())
        keys.push_back({f.index, f.symbol});
    return keys;
}

// Keys of the file.
constexpr char kFormatKey[] = "formato";
constexpr char kVersionKey[] = "versione";
constexpr char kCaseKey[] = "caso";
constexpr char kExampleKey[] = "esempio";
constexpr char kInputsKey[] = "dati";
constexpr char kResultsKey[] = "risultati";
constexpr char kParticularsKey[] = "stampa";
constexpr char kSectionKey[] = "sezione";
constexpr char kMaterialsKey[] = "materiali";
constexpr char kRckKey[] = "Rck";
constexpr char kUlsKey[] = "slu";
constexpr char kLimitsKey[] = "limiti";

constexpr struct {
    const char* key;
    std::string Materials::*text;
} kMaterialTexts[] = {
    {"acciaio", &Materials::steel},
    {"σc,adm", &Materials::sigmaCAdm},
    {"σf,adm", &Materials::sigmaFAdm},
};
// The allowable stresses among them, read as numbers.
constexpr struct {
    const char* key;
    std::string Materials::*text;
    Quantity quantity;
} kAllowableStresses[] = {
    {"σc,adm", &Materials::sigmaCAdm, Quantity::kAllowableConcreteStress},
    {"σf,adm", &Materials::sigmaFAdm, Quantity::kAllowableSteelStress},
};

// What the user reads when a file is refused; %1 is the file's name.
constexpr char kMissing[] = "IL FILE %1 NON ESISTE";
constexpr char kFolder[] = "%1 È UNA CARTELLA, NON UN CALCOLO DI LIRVO";
constexpr char kUnreadable[] = "IL FILE %1 NON SI PUÒ LEGGERE";
constexpr char kEmpty[] = "IL FILE %1 È VUOTO";
constexpr char kTooLarge[] = "IL FILE %1 È TROPPO GRANDE PER ESSERE UN CALCOLO DI LIRVO";
constexpr char kNotACalculation[] = "IL FILE %1 NON È UN CALCOLO DI LIRVO";
constexpr char kDamaged[] = "IL FILE %1 È DANNEGGIATO O INCOMPLETO (ERRORE AL BYTE %2)";
constexpr char kNewerVersion[] = "IL FILE %1 È DI UNA VERSIONE PIÙ RECENTE (%2)";
constexpr char kBadVersion[] = "IL FILE %1 HA UNA VERSIONE NON VALIDA";
constexpr char kNoCase[] = "IL FILE %1 NON DICE QUALE CASO CALCOLA";
constexpr char kUnknownCase[] = "IL FILE %1: CASO SCONOSCIUTO: %2";
constexpr char kNoSuchInput[] = "IL FILE %1: IL CASO %2 NON HA IL DATO %3";
constexpr char kNoSuchResult[] = "IL FILE %1: IL CASO %2 NON HA IL RISULTATO %3";
constexpr char kInputNotText[] = "IL FILE %1: IL DATO %2 NON È UN TESTO";
constexpr char kResultNotText[] = "IL FILE %1: IL RISULTATO %2 NON È UN TESTO";
constexpr char kEntryNotText[] = "IL FILE %1: LA VOCE %2 NON È UN TESTO";
constexpr char kEntryNotBool[] = "IL FILE %1: LA VOCE %2 NON È true O false";
constexpr char kEntryNotGroup[] = "IL FILE %1: LA VOCE %2 NON È UN GRUPPO DI VOCI { }";
constexpr char kBadSection[] = "IL FILE %1: LA SEZIONE È %2 O %3, NON %4";
constexpr char kRckNotWhole[] = "IL FILE %1: Rck NON È UN NUMERO INTERO";
constexpr char kUnknownLimits[] = "IL FILE %1: LIMITI DI TENSIONE SCONOSCIUTI: %2";
constexpr char kControlInText[] = "IL FILE %1: LA VOCE %2 CONTIENE UN CARATTERE DI CONTROLLO";
constexpr char kByteOrderMark[] = "IL FILE %1: LA VOCE %2 CONTIENE UN BOM (U+FEFF)";
constexpr char kRepeatedKey[] = "IL FILE %1: LA VOCE %2 È RIPETUTA";
constexpr char kNotSaved[] = "IMPOSSIBILE SALVARE IL CALCOLO NEL FILE %1";
// A text the file would not give back as it is (not UTF-8, or opening with a U+FEFF).
constexpr char kTextNotKept[] =
    "IMPOSSIBILE SALVARE IL CALCOLO NEL FILE %1: IL TESTO DI %2 NON È UTF-8 VALIDO O COMINCIA "
    "CON UN BOM (U+FEFF)";

// Only a look at the start of a file decides whether it is text.
constexpr qint64 kFirstBlock = 4096;

template <typename Text>
std::string utf8Of(const Text& text) {
    if constexpr (std::is_same_v<Text, QString>)
        return text.toStdString();
    else
        return std::string(std::string_view(text));
}

// A message naming the file and quoting texts from it: cut short, control characters shown
// as '?', so that no text of a file can forge a line of lirvo-calc's output or a terminal
// escape. The texts are put in at once: one that holds "%2" stays as it is.
template <typename... Args>
std::string message(const char* pattern, const Args&... args) {
    return QString::fromUtf8(pattern).arg(toQString(lirvo::quoted(utf8Of(args)))...).toStdString();
}

struct Refusal {
    std::string message;
};

// Reads one file's object, refusing with the first thing wrong.
class Reader {
  public:
    explicit Reader(QString fileName) : fileName_(std::move(fileName)) {}

    template <typename... Args>
    [[noreturn]] void refuse(const char* pattern, const Args&... args) const {
        throw Refusal{message(pattern, fileName_, args...)};
    }

    std::string text(const QJsonValue& value, const char* notText, const QString& key) const {
        if (!value.isString()) refuse(notText, key);
        return value.toString().toStdString();
    }

    // A group of entries; an absent one is empty.
    QJsonObject group(const QJsonObject& parent, const char* key) const {
        const QJsonValue value = parent.value(toQString(key));
        if (value.isUndefined()) return {};
        if (!value.isObject()) refuse(kEntryNotGroup, toQString(key));
        return value.toObject();
    }

    // Texts by symbol, each the symbol of one of the case's fields.
    TextsBySymbol texts(const QJsonObject& parent, const char* key,
                        const std::vector<FieldKey>& fields, std::string_view caseName,
                        const char* notOfCase, const char* notText) const {
        TextsBySymbol texts;
        const QJsonObject entries = group(parent, key);
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            const std::string symbol = it.key().toStdString();
            if (std::ranges::none_of(fields, [&](const FieldKey& f) { return f.symbol == symbol; }))
                refuse(notOfCase, toQString(caseName), it.key());
            texts[symbol] = text(it.value(), notText, it.key());
        }
        return texts;
    }

  private:
    QString fileName_;
};

void checkFormatAndVersion(const Reader& reader, const QJsonObject& object) {
    if (object.value(kFormatKey) != QJsonValue(toQString(kFormatName)))
        reader.refuse(kNotACalculation);
    const QJsonValue version = object.value(kVersionKey);
    const double v = version.toDouble();
    if (!version.isDouble() || v < 1 || v != std::floor(v)) reader.refuse(kBadVersion);
    if (v > kFormatVersion) reader.refuse(kNewerVersion, QString::number(v, 'g', 17));
}

Particulars readParticulars(const Reader& reader, const QJsonObject& object) {
    Particulars particulars;
    const QJsonObject group = reader.group(object, kParticularsKey);
    for (const auto& row : kParticularTexts)
        if (group.contains(toQString(row.key)))
            particulars.*row.text =
                reader.text(group.value(toQString(row.key)), kEntryNotText, row.key);
    if (group.contains(kSectionKey)) {
        const std::string place = reader.text(group.value(kSectionKey), kEntryNotText, kSectionKey);
        const std::optional<SectionPlace> named = placeNamed(place);
        if (!named)
            reader.refuse(kBadSection, kSectionPlaceNames[0], kSectionPlaceNames[1],
                          toQString(place));
        particulars.section = *named;
    }
    return particulars;
}

std::optional<Materials> readMaterials(const Reader& reader, const QJsonObject& object) {
    if (!object.contains(kMaterialsKey)) return std::nullopt;
    Materials materials;
    const QJsonObject group = reader.group(object, kMaterialsKey);
    for (const auto& row : kMaterialTexts)
        if (group.contains(toQString(row.key)))
            materials.*row.text =
                reader.text(group.value(toQString(row.key)), kEntryNotText, toQString(row.key));
    if (group.contains(kRckKey)) {
        const QJsonValue rck = group.value(kRckKey);
        const double v = rck.toDouble();
        if (!rck.isDouble() || v != std::floor(v) || std::fabs(v) > 1e9)
            reader.refuse(kRckNotWhole);
        materials.rck = int(v);
    }
    if (group.contains(kLimitsKey)) {
        const std::string key = reader.text(group.value(kLimitsKey), kEntryNotText, kLimitsKey);
        const auto rules = stressLimitRules();
        const auto rule = std::ranges::find(rules, key, &StressLimitsInfo::key);
        if (rule == rules.end()) reader.refuse(kUnknownLimits, toQString(key));
        materials.limits = rule->rule;
    }
    return materials;
}

// Keys of the check this program does not know are left aside, as at the top of the file.
std::optional<UlsTexts> readUls(const Reader& reader, const QJsonObject& object) {
    if (!object.contains(kUlsKey)) return std::nullopt;
    UlsTexts texts;
    const QJsonObject group = reader.group(object, kUlsKey);
    for (auto it = group.begin(); it != group.end(); ++it)
        if (const std::optional<UlsKey> key = ulsKeyNamed(it.key().toStdString()))
            texts[size_t(*key)] = reader.text(it.value(), kEntryNotText, "slu " + it.key());
    return texts;
}

// What Qt's parser takes and a case file never holds.
void checkStrictly(const Reader& reader, const QByteArray& text) {
    const JsonFault fault = strictJsonFault(std::string_view(text.constData(), text.size()));
    switch (fault.kind) {
        case JsonFault::kNone:
            return;
        case JsonFault::kControl:
            reader.refuse(kControlInText, toQString(fault.key));
        case JsonFault::kByteOrderMark:
            reader.refuse(kByteOrderMark, toQString(fault.key));
        case JsonFault::kDuplicateKey:
            reader.refuse(kRepeatedKey, toQString(fault.key));
    }
}

CaseFile parse(const Reader& reader, const QByteArray& text) {
    if (text.contains('\0')) reader.refuse(kNotACalculation);  // binary, wherever it shows
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        // Text that opens as an object was meant to be one: say where it breaks.
        if (text.trimmed().startsWith('{')) reader.refuse(kDamaged, QString::number(error.offset));
        reader.refuse(kNotACalculation);
    }
    if (!document.isObject()) reader.refuse(kNotACalculation);
    checkStrictly(reader, text);
    const QJsonObject object = document.object();
    checkFormatAndVersion(reader, object);

    CaseFile file;
    if (!object.contains(kCaseKey)) reader.refuse(kNoCase);
    file.caseName = reader.text(object.value(kCaseKey), kEntryNotText, kCaseKey);
    const CalcCase* calc = caseNamed(file.caseName);
    if (!calc) reader.refuse(kUnknownCase, toQString(file.caseName));

    if (object.contains(kExampleKey)) {
        if (!object.value(kExampleKey).isBool()) reader.refuse(kEntryNotBool, kExampleKey);
        file.example = object.value(kExampleKey).toBool();
    }
    file.inputs = reader.texts(object, kInputsKey, inputSymbols(*calc), file.caseName, kNoSuchInput,
                               kInputNotText);
    file.results = reader.texts(object, kResultsKey, resultSymbols(*calc), file.caseName,
                                kNoSuchResult, kResultNotText);
    file.particulars = readParticulars(reader, object);
    file.materials = readMaterials(reader, object);
    file.uls = readUls(reader, object);
    return file;
}

QJsonObject textsObject(const TextsBySymbol& texts) {
    QJsonObject object;
    for (const auto& [symbol, text] : texts)
        object.insert(toQString(symbol), toQString(text));
    return object;
}

// The key of the first text that the file's JSON would not keep as it is: not UTF-8 (Qt puts
// U+FFFD in its place), or opening with U+FEFF (Qt drops it); empty when there is none.
std::string textNotKept(const CaseFile& file) {
    auto changes = [](const std::string& text) { return toQString(text).toStdString() != text; };
    for (const TextsBySymbol* texts : {&file.inputs, &file.results})
        for (const auto& [symbol, text] : *texts)
            if (changes(symbol) || changes(text)) return symbol;
    for (const auto& row : kParticularTexts)
        if (changes(file.particulars.*row.text)) return row.key;
    if (file.materials)
        for (const auto& row : kMaterialTexts)
            if (changes(*file.materials.*row.text)) return row.key;
    return changes(file.caseName) ? kCaseKey : "";
}

QString shownName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

}  // namespace

const CalcCase* caseNamed(std::string_view name) {
    for (const CalcCase* calc : allCases())
        if (nameOf(*calc) == name) return calc;
    return nullptr;
}

CaseFile captureCalculation(const CalcCase& calc, const CalcWindow& window) {
    CaseFile file;
    file.caseName = nameOf(calc);
    file.example = window.exampleRequested();
    for (const FieldKey& f : inputSymbols(calc))
        file.inputs[std::string(f.symbol)] = window.fieldText(f.index);
    for (const FieldKey& f : resultSymbols(calc))
        file.results[std::string(f.symbol)] = window.fieldText(f.index);
    return file;
}

std::string materialsRefusal(const Materials& materials) {
    for (const auto& row : kAllowableStresses) {
        const std::string& text = materials.*row.text;
        if (text.find_first_not_of(" \t\n") == std::string::npos) continue;
        if (std::string refusal = datumRefusal(row.key, row.quantity, text); !refusal.empty())
            return refusal;
    }
    return {};
}

FieldTexts inputTexts(const CaseFile& file, const CalcCase& calc) {
    FieldTexts texts;
    for (const FieldKey& f : inputSymbols(calc))
        if (auto it = file.inputs.find(f.symbol); it != file.inputs.end())
            texts[f.index] = it->second;
    return texts;
}

QByteArray toJson(const CaseFile& file) {
    QJsonObject particulars;
    for (const auto& row : kParticularTexts)
        particulars.insert(toQString(row.key), toQString(file.particulars.*row.text));
    particulars.insert(kSectionKey, toQString(placeName(file.particulars.section)));

    QJsonObject object;
    object.insert(kCaseKey, toQString(file.caseName));
    object.insert(kExampleKey, file.example);
    object.insert(kInputsKey, textsObject(file.inputs));
    if (!file.results.empty()) object.insert(kResultsKey, textsObject(file.results));
    object.insert(kParticularsKey, particulars);
    if (file.materials) {
        QJsonObject materials;
        materials.insert(kRckKey, file.materials->rck);
        for (const auto& row : kMaterialTexts)
            materials.insert(toQString(row.key), toQString(*file.materials.*row.text));
        if (file.materials->limits != StressLimits::kDm1992)
            materials.insert(kLimitsKey, toQString(stressLimitsInfo(file.materials->limits).key));
        object.insert(kMaterialsKey, materials);
    }
    if (file.uls) {
        QJsonObject uls;
        for (size_t k = 0; k < kUlsKeys.size(); ++k)
            if ((*file.uls)[k]) uls.insert(toQString(kUlsKeys[k]), toQString(*(*file.uls)[k]));
        object.insert(kUlsKey, uls);
    }
    // The format and its version open the file, where a reader looks first; the rest follows
    // in the sorted order of QJsonObject. Both go into an object's text as Qt indents it.
    QJsonObject head;
    head.insert(kFormatKey, kFormatName);
    head.insert(kVersionKey, kFormatVersion);
    QByteArray text = QJsonDocument(head).toJson(QJsonDocument::Indented);
    text.chop(3);  // "\n}\n"
    return text + ",\n" + QJsonDocument(object).toJson(QJsonDocument::Indented).mid(2);
}

ReadOutcome parseCaseFile(const QByteArray& text, const QString& fileName) {
    try {
        return {parse(Reader(fileName), text), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.message};
    }
}

ReadOutcome readCaseFile(const QString& path) {
    removeStaleTemporaries(path);
    const QFileInfo info(path);
    const QString name = shownName(path);
    auto refused = [&](const char* pattern) { return ReadOutcome{{}, message(pattern, name)}; };
    if (!info.exists()) return refused(kMissing);
    if (info.isDir()) return refused(kFolder);
    if (!info.isFile()) return refused(kNotACalculation);  // a device, a pipe, a socket
    if (info.size() > kMaxFileSize) return refused(kTooLarge);
    if (info.size() == 0) return refused(kEmpty);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refused(kUnreadable);
    QByteArray text = file.read(kFirstBlock);
    if (text.contains('\0')) return refused(kNotACalculation);
    // One byte more than allowed tells a file that grew since it was measured.
    text += file.read(kMaxFileSize + 1 - text.size());
    if (file.error() != QFileDevice::NoError) return refused(kUnreadable);
    if (text.size() > kMaxFileSize) return refused(kTooLarge);
    return parseCaseFile(text, name);
}

std::string writeCaseFile(const QString& path, const CaseFile& file) {
    // What is saved is what the reader gives back: nothing it would refuse, no text changed.
    const QString name = shownName(path);
    if (const std::string key = textNotKept(file); !key.empty())
        return message(kTextNotKept, name, toQString(key));
    const QByteArray text = toJson(file);
    if (text.size() > kMaxFileSize)
        return message(kNotSaved, name) + ": " + message(kTooLarge, name);
    const ReadOutcome back = parseCaseFile(text, name);
    if (!back.file) return message(kNotSaved, name) + ": " + back.message;
    if (*back.file != file) return message(kNotSaved, name);
    return saveReplacing(path, text) ? std::string() : message(kNotSaved, name);
}

const CalcCase& runCaseFile(const CaseFile& file, CalcFrame& frame, EventLog& log) {
    const CalcCase& calc = *caseNamed(file.caseName);  // the reader has checked it
    const FieldTexts texts = inputTexts(file, calc);
    for (int index = 0; index < kFieldCount; ++index)
        log.type(index, texts[index]);
    log.requestExample(file.example);
    log.forgetEvents();
    frame.run(calc, log);
    return calc;
}

}  // namespace lirvo::casefiles
