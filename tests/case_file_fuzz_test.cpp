// The case-file reader over seeded mutations of the sample files: no crash (the sanitizer
// build watches), every refusal names the file, and every file it accepts computes as its
// texts typed by hand, read by Qt's own parser.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <random>
#include <string>
#include <vector>

#include "casefiles/case_file.h"
#include "sections/cases.h"
#include "sections/event_log.h"

namespace lirvo::casefiles {
namespace {

// One of a few edits at a random place: bytes that matter to JSON, UTF-8 and our reader
// inserted, bytes removed or overwritten, a line repeated (a key twice).
void mutate(QByteArray& text, std::mt19937& random) {
    static const char* const kPieces[] = {
        "\"",    "\\",           "{",       "}",       ",",       ":",   "\x01", "\n",
        "\t",    "\xEF\xBB\xBF", "\\u0000", "\\ufeff", "\\ud800", "\\n", "0",    "-",
        "1e999", "true",         "null",    "\xFF",    "\xC3",    " ",   "[]",   "\0"};
    const auto at = static_cast<qsizetype>(random() % (text.size() + 1));
    switch (random() % 4) {
        case 0: {
            const char* piece = kPieces[random() % std::size(kPieces)];
            text.insert(at, *piece ? QByteArray(piece) : QByteArray(1, '\0'));
            break;
        }
        case 1:
            text.remove(at, 1 + random() % 8);
            break;
        case 2:
            if (at < text.size()) text[at] = static_cast<char>(random());
            break;
        default: {
            const qsizetype start = text.lastIndexOf('\n', at - 1) + 1;
            const qsizetype end = text.indexOf('\n', at);
            if (end > start) text.insert(start, text.mid(start, end + 1 - start));
        }
    }
}

// What a run did to its window, one line an event.
std::string eventsOf(const EventLog& log) {
    std::string lines;
    for (const Event& e : log.events())
        lines += std::to_string(e.kind) + ' ' + std::to_string(e.index) + ' ' + e.text + '\n';
    return lines;
}

TEST(CaseFileFuzz, AcceptedMutationsOfTheSamplesComputeAsTheirTextsTyped) {
    std::vector<QByteArray> samples;
    for (const CalcCase* calc : allCases()) {
        QFile file(LIRVO_EXAMPLES_DIR "/" + QString::fromLatin1(calc->name) + ".lirvo");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        samples.push_back(file.readAll());
    }
    std::mt19937 random(20261207);
    int accepted = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        QByteArray text = samples[random() % samples.size()];
        for (int edits = 1 + random() % 3; edits > 0; --edits)
            mutate(text, random);
        const ReadOutcome read = parseCaseFile(text, "f.lirvo");
        if (!read.file) {
            EXPECT_THAT(read.message, ::testing::HasSubstr("f.lirvo")) << trial;
            continue;
        }
        ++accepted;
        const QJsonObject object = QJsonDocument::fromJson(text).object();
        const CalcCase& calc = *caseNamed(object["caso"].toString().toStdString());
        std::vector<std::string> typed;
        for (const Field& field : calc.inputs())
            typed.push_back(object["dati"][QString::fromUtf8(field.symbol.data(),
                                                             qsizetype(field.symbol.size()))]
                                .toString()
                                .toStdString());
        EventLog byHand, fromFile;
        byHand.requestExample(object["esempio"].toBool());
        ASSERT_TRUE(byHand.typeInputs(calc, typed));
        CalcFrame frame;
        frame.run(calc, byHand);
        runCaseFile(*read.file, frame, fromFile);
        EXPECT_EQ(eventsOf(fromFile), eventsOf(byHand)) << trial << ": " << text.toStdString();
    }
    EXPECT_GT(accepted, 1000);  // enough accepted files for the comparison to mean something
}

}  // namespace
}  // namespace lirvo::casefiles
