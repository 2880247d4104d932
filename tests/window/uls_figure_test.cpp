// The SLU figure and texts: the drawing within its box for beams and columns at every end of
// the domain, its tooltips in kg, how fcd and fyd are shown to follow, and the actions proposed
// as texts the reader takes back exactly.
#include <QImage>
#include <QPainter>

#include "sections/numbers.h"
#include "slu/uls_case.h"
#include "tests/window/ink_in_box.h"
#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

using enum UlsKey;

UlsTexts textsOf(std::initializer_list<std::pair<UlsKey, const char*>> given) {
    UlsTexts texts;
    for (auto [key, text] : given)
        texts[size_t(key)] = text;
    return texts;
}

CaseAnalysis sectionOf(const SectionModel& model) {
    CaseAnalysis a;
    a.model = model;
    return a;
}

// Nothing may reach beyond the box, and the box must hold a drawing. N_Ed from the pure-tension end
// through the middle to beyond N_Rd,c (kg).
TEST(UlsDrawing, StaysWithinItsBoxForBeamsAndColumnsAtEveryEndOfTheDomain) {
    const struct {
        const char* what;
        SectionModel model;
        bool column;
    } rows[] = {
        {"column 30 x 50",
         {rectangleOutline(30, 50), 50, {{3.16, 3}, {10.16, 47}}, 10, 0, 0},
         true},
        {"slab 300 x 10", {rectangleOutline(300, 10), 10, {{1, 2}, {5, 8}}, 15, 0, 0}, false},
        {"T 120 over 30", {teeOutline(120, 10, 30, 60), 60, {{0, 3}, {20, 57}}, 15, 0, 0}, false},
        {"deep 10 x 300", {rectangleOutline(10, 300), 300, {{1, 3}, {5, 297}}, 15, 0, 0}, true},
    };
    for (const auto& row : rows) {
        const UlsSection uls(row.model, {110, 3826});
        for (double N : {uls.tensionResistance(), 0.0, uls.compressionResistance() / 2,
                         uls.compressionResistance() * 1.5}) {
            const std::string n = std::to_string(N);
            const slu::UlsRun run = slu::runUls(
                sectionOf(row.model), row.column,
                textsOf({{kFcd, "110"}, {kFyd, "3826"}, {kNed, n.c_str()}, {kMed, "-150000"}}));
            ASSERT_TRUE(run.picture) << run.refusal.toStdString();
            for (QSize box : {QSize(440, 300), QSize(900, 420), QSize(300, 180)}) {
                const auto [inside, outside] = inkInBox(box, [&](QPainter& p, const QRectF& r) {
                    drawing::paintUls(p, r, *run.picture);
                });
                EXPECT_EQ(outside, 0) << row.what << " N " << N << " in " << box.width();
                EXPECT_GT(inside, box.width() * box.height() / 50) << row.what << " N " << N;
            }
        }
    }
}

// The design point's tooltip in kg and kg cm; a tick label's in kg (1 kN = 101.97 kg).
TEST(UlsDrawing, DomainTooltipsGiveTheKgValues) {
    const SectionModel column{rectangleOutline(30, 50), 50, {{3.16, 3}, {10.16, 47}}, 10, 0, 0};
    const slu::UlsRun run =
        slu::runUls(sectionOf(column), true,
                    textsOf({{kFcd, "110"}, {kFyd, "3826"}, {kNed, "35000"}, {kMed, "210000"}}));
    QImage image(900, 420, QImage::Format_ARGB32);
    QPainter painter(&image);
    const std::vector<drawing::TipZone> tips =
        drawing::paintUls(painter, QRectF(0, 0, 900, 420), *run.picture);
    QStringList texts;
    for (const drawing::TipZone& tip : tips)
        texts << tip.text;
    EXPECT_TRUE(texts.contains("M_Ed = 210000 kg·cm, N_Ed = 35000 kg"))
        << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("101972 kg"));  // the tick at 1000 kN
}

// fcd and fyd as they follow, with hand values: 0.85 · 207.5 / 1.5 = 117.58, 4400 / 1.15 =
// 3826.1, 200 / 1.20 = 166.67; a refused material shows nothing.
TEST(UlsTexts, StrengthLinesShowHowFcdAndFydFollow) {
    const struct {
        UlsTexts texts;
        QStringList starts;
    } rows[] = {
        {textsOf({{kRck, "250"}, {kSteel, "FeB44k"}, {kAcc, "0.85"}, {kGc, "1.5"}, {kGs, "1.15"}}),
         {"fck = 0.83·Rck = 0.83·250 = 207.5", "fcd = αcc·fck/γc = 0.85·207.5/1.5 = 117.58",
          "fyd = fyk/γs = 4400 (FeB44k)/1.15 = 3826.1"}},
        {textsOf({{kFcm, "200"}, {kFym, "3200"}, {kLevel, "2"}}),
         {"FC = 1.20 (livello di conoscenza LC2", "fcd = fcm/FC = 200/1.20 = 166.67",
          "fyd = fym/FC = 3200/1.20 = 2666.7"}},
        {textsOf({{kRck, "25O"}, {kSteel, "FeB44k"}}), {}},
    };
    for (const auto& row : rows) {
        const QStringList lines = slu::strengthLines(row.texts);
        ASSERT_EQ(lines.size(), row.starts.size()) << lines.join('|').toStdString();
        for (qsizetype i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(row.starts[i])) << lines[i].toStdString();
    }
}

// The calculation's M and N are proposed as texts that read back as the same numbers.
TEST(UlsTexts, ProposedActionsReadBackExactly) {
    for (double N : {25000.0, -1.0 / 3, 1e20 / 7, 0.0}) {
        CaseAnalysis a = sectionOf({rectangleOutline(30, 50), 50, {{3, 3}}, 10, N, N * 3.7});
        const UlsTexts t = slu::proposedTexts(a, 300, "FeB38k");
        EXPECT_EQ(readField(*t[size_t(kNed)]).value, N);
        EXPECT_EQ(readField(*t[size_t(kMed)]).value, N * 3.7);
        EXPECT_EQ(*t[size_t(kRck)], "300");
    }
}

}  // namespace
}  // namespace lirvo::test
