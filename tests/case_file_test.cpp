// Case files: worked examples kept and reopened, damaged files refused with their reason, and
// saves that fail leaving the earlier file whole.
#include "casefiles/case_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "sections/cases.h"
#include "sections/event_log.h"
#include "ui/qt_text.h"

namespace lirvo::casefiles {
namespace {

using ::testing::StartsWith;
using namespace std::string_view_literals;

std::string contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(unreadable)";
}

void put(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text);
}

// The worked example of a case as the window leaves it, heading, materials and SLU check
// filled in.
CaseFile workedExample(const CalcCase& calc, EventLog& log) {
    CalcFrame frame;
    log.requestExample(true);
    frame.run(calc, log);
    CaseFile file = captureCalculation(calc, log);
    file.particulars = {"Rossi Mario", "Abitazione", "Via Roma, 1",
                        "Forlì",       "Trave 101",  SectionPlace::kMidSpan};
    file.materials = Materials{250, "FeB44k", "93.375", "3520", StressLimits::kNtcQuasiPermanent};
    UlsTexts& uls = file.uls.emplace();
    for (auto [key, text] : {std::pair{UlsKey::kRck, "250"},
                             {UlsKey::kSteel, "FeB44k"},
                             {UlsKey::kGc, "1.5"},
                             {UlsKey::kNed, ""},
                             {UlsKey::kMed, "1 523 000"}})
        uls[size_t(key)] = text;
    return file;
}

TEST(CaseFile, EveryWorkedExampleReopensAsSavedAndRecomputesItsResults) {
    QTemporaryDir dir;
    for (const CalcCase* calc : allCases()) {
        SCOPED_TRACE(std::string(calc->name));
        EventLog example;
        const CaseFile saved = workedExample(*calc, example);
        const QString first = dir.filePath("first.lirvo"), second = dir.filePath("second.lirvo");
        ASSERT_EQ(writeCaseFile(first, saved), "");
        const ReadOutcome read = readCaseFile(first);
        ASSERT_TRUE(read.file) << read.message;
        EXPECT_EQ(*read.file, saved);
        ASSERT_EQ(writeCaseFile(second, *read.file), "");
        EXPECT_EQ(contents(second), contents(first));

        // Each input text back in its own field: symbols of one case never collide.
        const FieldTexts texts = inputTexts(*read.file, *calc);
        size_t typed = 0;
        for (int index = 0; index < kFieldCount; ++index) {
            if (texts[index].empty()) continue;
            ++typed;
            EXPECT_EQ(texts[index], example.fieldText(index)) << "field " << index;
        }
        EXPECT_EQ(typed, read.file->inputs.size());

        // Typed back without the example box, the texts give the results the file holds.
        EventLog reopened;
        for (int index = 0; index < kFieldCount; ++index)
            reopened.type(index, texts[index]);
        CalcFrame frame;
        frame.run(*calc, reopened);
        EXPECT_EQ(captureCalculation(*calc, reopened).results, read.file->results);
    }
}

TEST(CaseFile, EveryCaseHasASampleFileOfItsWorkedExample) {
    for (const CalcCase* calc : allCases()) {
        const std::string name(calc->name);
        const ReadOutcome read = readCaseFile(LIRVO_EXAMPLES_DIR "/" + toQString(name) + ".lirvo");
        ASSERT_TRUE(read.file) << read.message;
        EXPECT_EQ(read.file->caseName, name);
        EXPECT_TRUE(read.file->example) << name;
    }
}

TEST(CaseFile, UnknownKeysAreIgnoredAndAMissingInputIsEmpty) {
    const QByteArray text = R"({"formato": "lirvo-caso", "versione": 1, "caso": "rett-verifica",
        "dati": {"B": "25", "h": " 77 "}, "nota": [1, 2], "stampa": {"colore": 3},
        "slu": {"fck": "200", "xyz": 4}})";
    const ReadOutcome read = parseCaseFile(text, "a.lirvo");
    ASSERT_TRUE(read.file) << read.message;
    const FieldTexts texts = inputTexts(*read.file, *caseNamed("rett-verifica"));
    // Rectangular check: B in field 2, C in 3, h in 4.
    EXPECT_EQ(texts[2], "25");
    EXPECT_EQ(texts[3], "");
    EXPECT_EQ(texts[4], " 77 ");
    EXPECT_FALSE(read.file->example);
    EXPECT_FALSE(read.file->materials);
    // A file with its SLU check: the keys this program knows, no others.
    ASSERT_TRUE(read.file->uls);
    UlsTexts uls;
    uls[size_t(UlsKey::kFck)] = "200";
    EXPECT_EQ(*read.file->uls, uls);
}

// How a damaged file is made: from a good file's text, or otherwise.
enum class Made { kReplaced, kCutBefore, kWhole, kSparse100MB, kFolder, kPipe, kNothing };

struct DamagedFile {
    const char* what;
    Made made;
    std::string_view text;  // what is replaced, where the cut falls, or the whole file
    std::string_view with;
    const char* message;  // how the user's message starts
};

// A NUL beyond the first block a reader looks at for binary files.
const std::string kLateNul = std::string(5000, 'a') + '\0';

// clang-format off
const DamagedFile kDamaged[] = {
    {"truncated", Made::kCutBefore, "\"esempio\"", "", "IL FILE x.lirvo È DANNEGGIATO O INCOMPLETO (ERRORE AL BYTE "},
    {"not JSON", Made::kWhole, "Trave 101\nB=25\n", "", "IL FILE x.lirvo NON È UN CALCOLO DI LIRVO"},
    {"JSON list", Made::kWhole, "[1, 2]", "", "IL FILE x.lirvo NON È UN CALCOLO DI LIRVO"},
    {"other format", Made::kReplaced, "lirvo-caso", "lirvo-report", "IL FILE x.lirvo NON È UN CALCOLO DI LIRVO"},
    {"newer version", Made::kReplaced, "\"versione\": 1", "\"versione\": 2", "IL FILE x.lirvo È DI UNA VERSIONE PIÙ RECENTE (2)"},
    {"version 0.5", Made::kReplaced, "\"versione\": 1", "\"versione\": 0.5", "IL FILE x.lirvo HA UNA VERSIONE NON VALIDA"},
    {"unknown case", Made::kReplaced, "\"rett-verifica\"", "\"xyz\"", "IL FILE x.lirvo: CASO SCONOSCIUTO: xyz"},
    {"case by code", Made::kReplaced, "\"rett-verifica\"", "\"1\"", "IL FILE x.lirvo: CASO SCONOSCIUTO: 1"},
    {"no case", Made::kReplaced, "\"caso\"", "\"caso0\"", "IL FILE x.lirvo NON DICE QUALE CASO CALCOLA"},
    {"number for a text", Made::kReplaced, "\"Af\": \"8.04\"", "\"Af\": 8.04", "IL FILE x.lirvo: IL DATO Af NON È UN TESTO"},
    {"input of another case", Made::kReplaced, "\"Af'\"", "\"σc\"", "IL FILE x.lirvo: IL CASO rett-verifica NON HA IL DATO σc"},
    {"result of another case", Made::kReplaced, "\"J\"", "\"Af\"", "IL FILE x.lirvo: IL CASO rett-verifica NON HA IL RISULTATO Af"},
    {"example box as text", Made::kReplaced, "\"esempio\": true", "\"esempio\": \"si\"", "IL FILE x.lirvo: LA VOCE esempio NON È true O false"},
    {"inputs as a list", Made::kReplaced, "\"dati\": {", "\"dati\": [{}], \"x\": {", "IL FILE x.lirvo: LA VOCE dati NON È UN GRUPPO DI VOCI"},
    {"unknown section", Made::kReplaced, "Mezzeria", "Appoggio", "IL FILE x.lirvo: LA SEZIONE È Incastro O Mezzeria, NON Appoggio"},
    {"unknown limits", Made::kReplaced, "ntc2018-quasi-permanente", "en1992", "IL FILE x.lirvo: LIMITI DI TENSIONE SCONOSCIUTI: en1992"},
    {"SLU text as number", Made::kReplaced, "\"1 523 000\"", "1523000", "IL FILE x.lirvo: LA VOCE slu med NON È UN TESTO"},
    {"owner as number", Made::kReplaced, "\"Rossi Mario\"", "7", "IL FILE x.lirvo: LA VOCE proprietario NON È UN TESTO"},
    {"Rck with decimals", Made::kReplaced, "\"Rck\": 250", "\"Rck\": 250.5", "IL FILE x.lirvo: Rck NON È UN NUMERO INTERO"},
    // Binary, not a damaged text: a NUL within a text would otherwise break the JSON there.
    {"NUL bytes", Made::kReplaced, "Rossi Mario", "Rossi\0Mario"sv, "IL FILE x.lirvo NON È UN CALCOLO DI LIRVO"},
    {"NUL after 4 KiB", Made::kReplaced, "Rossi Mario", kLateNul, "IL FILE x.lirvo NON È UN CALCOLO DI LIRVO"},
    // What Qt's parser takes and lirvo never writes.
    {"raw control character", Made::kReplaced, "Rossi Mario", "Rossi\x01Mario", "IL FILE x.lirvo: LA VOCE proprietario CONTIENE UN CARATTERE DI CONTROLLO"},
    {"raw BOM in a text", Made::kReplaced, "Via Roma", "Via\xEF\xBB\xBFRoma", "IL FILE x.lirvo: LA VOCE indirizzo CONTIENE UN BOM (U+FEFF)"},
    {"escaped BOM in a datum", Made::kReplaced, "\"B\": \"25\"", "\"B\": \"\\ufeff25\"", "IL FILE x.lirvo: LA VOCE B CONTIENE UN BOM (U+FEFF)"},
    {"datum twice", Made::kReplaced, "\"B\": \"25\"", "\"B\": \"25\", \"\\u0042\": \"30\"", "IL FILE x.lirvo: LA VOCE B È RIPETUTA"},
    {"example box twice", Made::kReplaced, "\"esempio\": true", "\"esempio\": \"x\", \"esempio\": true", "IL FILE x.lirvo: LA VOCE esempio È RIPETUTA"},
    // Quoted as a batch's ERROR quotes: no line feed, no TAB, at most 40 characters.
    {"case forging a line", Made::kReplaced, "\"rett-verifica\"", "\"x\\nFIELD\\t9\\u001b[2J\"", "IL FILE x.lirvo: CASO SCONOSCIUTO: x?FIELD?9?[2J"},
    {"empty", Made::kWhole, "", "", "IL FILE x.lirvo È VUOTO"},
    {"100 MB", Made::kSparse100MB, "", "", "IL FILE x.lirvo È TROPPO GRANDE PER ESSERE UN CALCOLO DI LIRVO"},
    {"folder", Made::kFolder, "", "", "x.lirvo È UNA CARTELLA, NON UN CALCOLO DI LIRVO"},
    {"named pipe", Made::kPipe, "", "", "IL FILE x.lirvo NON È UN CALCOLO DI LIRVO"},
    {"missing", Made::kNothing, "", "", "IL FILE x.lirvo NON ESISTE"},
};
// clang-format on

QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

TEST(CaseFile, DamagedFilesAreRefusedWithTheirReason) {
    EventLog log;
    const QByteArray good = toJson(workedExample(*caseNamed("rett-verifica"), log));
    for (const DamagedFile& row : kDamaged) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.lirvo");
        const QByteArray text = bytes(row.text);
        ASSERT_TRUE((row.made != Made::kReplaced && row.made != Made::kCutBefore) ||
                    good.contains(text));
        switch (row.made) {
            case Made::kReplaced:
                put(path, QByteArray(good).replace(text, bytes(row.with)));
                break;
            case Made::kCutBefore:
                put(path, good.left(good.indexOf(text)));
                break;
            case Made::kWhole:
                put(path, text);
                break;
            case Made::kSparse100MB: {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(100 << 20));
                break;
            }
            case Made::kFolder:
                ASSERT_TRUE(QDir(dir.path()).mkdir("x.lirvo"));
                break;
            case Made::kPipe:
                ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                break;
            case Made::kNothing:
                break;
        }
        const ReadOutcome read = readCaseFile(path);
        EXPECT_FALSE(read.file);
        EXPECT_THAT(read.message, StartsWith(row.message));
    }
}

// What is saved is what the reader gives back: a calculation it would refuse, or read back
// otherwise, is not written at all; control characters are kept, escaped.
TEST(CaseFile, ASaveWritesOnlyWhatReadsBackAsItWas) {
    const struct {
        const char* what;
        void (*change)(CaseFile&);
        const char* refusal;  // how the message starts; nullptr: saved
    } rows[] = {
        {"control characters, escaped",
         [](CaseFile& f) { f.particulars.owner = "Rossi\x01\tMario\x7f"; }, nullptr},
        {"two texts of 128 KiB of control bytes, over 1 MiB escaped",
         [](CaseFile& f) {
             f.particulars.owner = f.particulars.building = std::string(128 << 10, 1);
         },
         "IMPOSSIBILE SALVARE IL CALCOLO NEL FILE x.lirvo: IL FILE x.lirvo È TROPPO GRANDE"},
        {"a BOM within a text",
         [](CaseFile& f) { f.particulars.town = "For\xEF\xBB\xBFl\xC3\xAC"; },
         "IMPOSSIBILE SALVARE IL CALCOLO NEL FILE x.lirvo: IL FILE x.lirvo: LA VOCE comune "
         "CONTIENE UN BOM"},
        {"a datum opening with a BOM",
         [](CaseFile& f) { f.inputs["B"] = std::string("\xEF\xBB\xBF") + "25"; },
         "IMPOSSIBILE SALVARE IL CALCOLO NEL FILE x.lirvo: IL TESTO DI B NON È UTF-8 VALIDO O "
         "COMINCIA CON UN BOM"},
        {"a particular not UTF-8",
         [](CaseFile& f) { f.particulars.owner = std::string("Ross\xC3") + "i"; },
         "IMPOSSIBILE SALVARE IL CALCOLO NEL FILE x.lirvo: IL TESTO DI proprietario NON È UTF-8"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.lirvo");
        EventLog log;
        CaseFile file = workedExample(*caseNamed("rett-verifica"), log);
        row.change(file);
        const std::string message = writeCaseFile(path, file);
        if (!row.refusal) {
            EXPECT_EQ(message, "");
            EXPECT_EQ(readCaseFile(path).file, file);
            continue;
        }
        EXPECT_THAT(message, StartsWith(row.refusal));
        EXPECT_TRUE(
            QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
}

// A save killed at any instant leaves the old file or the new one whole, and the next open
// leaves nothing beside it: temporaries of a process that is gone are removed, those of a
// living one (pid 1) and of other files kept.
TEST(CaseFile, KilledSavesLeaveAWholeFileAndTheNextOpenRemovesTheirTemporaries) {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.lirvo");
    EventLog log;
    CaseFile file = workedExample(*caseNamed("t-verifica"), log);
    file.particulars.building = std::string(400 << 10, 'a');  // a write that takes a while
    ASSERT_EQ(writeCaseFile(path, file), "");
    for (int kill = 0; kill < 20; ++kill) {
        const pid_t saver = fork();
        if (saver == 0) {
            for (;;)
                writeCaseFile(path, file);
        }
        usleep(static_cast<useconds_t>(1000 + 997 * kill % 7000));
        ::kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        ASSERT_EQ(readCaseFile(path).file, file) << "kill " << kill;
    }
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const QStringList left = {".x.lirvo." + QString::number(gone) + ".tmp", ".x.lirvo.1.tmp",
                              ".y.lirvo." + QString::number(gone) + ".tmp"};
    for (const QString& name : left)
        put(dir.filePath(name), "half");
    ASSERT_TRUE(readCaseFile(path).file);
    QStringList kept = left.mid(1);
    kept << "x.lirvo";
    kept.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
}

// A failed save must leave the earlier file as it was, and nothing beside it.
void expectSaveRefusedKeepingTheOldFile(const QTemporaryDir& dir, const QString& path) {
    EventLog log;
    EXPECT_EQ(
        writeCaseFile(path, workedExample(*caseNamed("t-verifica"), log)),
        "IMPOSSIBILE SALVARE IL CALCOLO NEL FILE " + QFileInfo(path).fileName().toStdString());
    EXPECT_EQ(contents(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"x.lirvo"});
}

TEST(CaseFile, SaveOnAFullDiskLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.lirvo");
    put(path, "old");
    // The size limit of the process stands in for a full disk: writes beyond 100 bytes fail.
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    expectSaveRefusedKeepingTheOldFile(dir, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

TEST(CaseFile, SaveInAReadOnlyFolderLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.lirvo");
    put(path, "old");
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    if (access(QFile::encodeName(dir.path()).constData(), W_OK) == 0) {
        chmod(QFile::encodeName(dir.path()).constData(), 0755);
        GTEST_SKIP() << "this user writes into read-only folders (root)";
    }
    expectSaveRefusedKeepingTheOldFile(dir, path);
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
}

TEST(CaseFile, SaveNeverReplacesAPipe) {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.lirvo");
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EventLog log;
    EXPECT_NE(writeCaseFile(path, workedExample(*caseNamed("rett-verifica"), log)), "");
    EXPECT_FALSE(QFileInfo(path).isFile());
}

}  // namespace
}  // namespace lirvo::casefiles
