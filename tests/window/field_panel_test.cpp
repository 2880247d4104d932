// The field panel of every case laid out on the window: rows, captions, columns, colours and
// heading heights on a window of 12288 × 10368 twips.
#include <QApplication>
#include <vector>

#include "field_panel.h"
#include "window_fixture.h"

namespace lirvo::test {
namespace {

constexpr double W = 12288, H = 10368;

struct PanelRow {
    const char* name;
    int section, operation;
    int inputs, results;
    double resultCaptionLeft;
    float headingHeight;
    // Captions from field 2 upward, exactly as the user reads them, blank runs and all.
    std::vector<const char*> captions;
};

// clang-format off
const PanelRow kPanels[] = {
    {"rett_verifica", 0, 0, 7, 4, 0.52, 320, {
        "Base  della sezione(cm)   B",
        "Spessore copriferro(cm)   C",
        "Altezza    utile(cm)   h",
        "Armatura tesa(cmq) Af ",
        "Armatura compressa(cmq) Af'",
        "Rapporto moduli elastici   n",
        "Momento flettente(Kgcm) M",
        "Momento di inerzia(cm4)   J",
        "Asse neutro(cm)   X",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Tensione ferro(Kg/cmq) \u03c3f"}},
    {"rett_progetto", 0, 1, 7, 7, 0.55, 300, {
        "Base  della sezione(cm)   B",
        "Rapp.copriferro/Altezza    Q",
        "Rapporto fra le Armature    W",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Tensione ferro(Kg/cmq) \u03c3f",
        "Rapporto moduli elastici   n",
        "Momento flettente(Kgcm) M",
        "Altezza    utile(cm)  h",
        "Copriferro(cm)  C",
        "Altezza(cm) H",
        "Asse neutro(cm)  X",
        "Momento di inerzia(cm4)  J",
        "Armatura tesa(cmq) Af",
        "Armatura compr.(cmq) Af'"}},
    {"rett_semiprogetto", 0, 2, 7, 4, 0.55, 300, {
        "Base  della sezione(cm)   B",
        "Copriferro(cm)   C",
        "Altezza    utile(cm)   h",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Tensione ferro(Kg/cmq) \u03c3f",
        "Rapporto moduli elastici    n",
        "Momento flettente(Kgcm) M",
        "Asse neutro(cm)   X",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Armatura tesa(cmq) Af",
        "Armatura compr.(cmq) Af'"}},
    {"t_verifica", 1, 0, 9, 5, 0.55, 320, {
        "Base  della sezione(cm)  B",
        "Spessore soletta(cm)  d",
        "Spessore copriferro(cm)  C",
        "Larghezza costola(cm) s",
        "Altezza    utile(cm)  h",
        "Armatura tesa(cmq) Af",
        "Armatura compressa(cmq) Af'",
        "Rapporto moduli elastici   n",
        "Momento flettente(Kgcm) M",
        "Asse neutro(cm)   X",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Tensione ferro(Kg/cmq) \u03c3f",
        "Momento di inerzia(cm4)   J",
        "Altezza totale(cm)   H"}},
    {"t_progetto", 1, 1, 9, 6, 0.55, 300, {
        "Base  della sezione(cm)  B",
        "Spessore soletta(cm)  d",
        "Larghezza costola(cm) s",
        "Rapp.copriferro/Altezza   Q",
        "Rapporto fra le Armature   W",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Tensione ferro(Kg/cmq) \u03c3f",
        "Rapporto moduli elastici   n",
        "Momento flettente(Kgcm) M",
        "Asse neutro(cm)      X",
        "Altezza    utile(cm)  h",
        "Copriferro(cm)  C",
        "Armatura tesa(cmq) Af",
        "Armatura compr.(cmq) Af'",
        "Altezza totale(cm)       H"}},
    {"t_semiprogetto", 1, 2, 9, 6, 0.55, 300, {
        "Base  della sezione(cm)   B",
        "Spessore soletta(cm)   d",
        "Copriferro(cm)   C",
        "Larghezza costola(cm)   s",
        "Altezza    utile(cm)    h",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Tensione ferro(Kg/cmq) \u03c3f",
        "Rapporto moduli elastici   n",
        "Momento flettente(Kgcm) M",
        "Asse neutro(cm)   X",
        "Altezza  utile(cm)   h",
        "Altezza totale(cm)   H",
        "Momento di inerzia(cm4)  J",
        "Armatura tesa(cmq) Af",
        "Armatura compr.(cmq) Af'"}},
    {"pil_verifica", 2, 0, 9, 5, 0.55, 320, {
        "Base  della sezione(cm)   B",
        "Spessore copriferro(cm)  C1",
        "Spessore copriferro(cm)  C2",
        "Altezza   utile(cm)   h",
        "Armatura tesa(cmq) Af",
        "Armatura compressa(cmq) Af'",
        "Rapporto moduli elastici   n",
        "Momento flettente(Kgcm) M",
        "Sforzo   Normale(Kg)   N",
        "Asse neutro(cm)   X",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Tensione ferro(Kg/cmq) \u03c3f",
        "Momento di inerzia(cm4)   J",
        "Altezza totale(cm)   H"}},
    {"pil_semiprogetto", 2, 2, 9, 6, 0.55, 300, {
        "Base della sezione(cm) B",
        "Spessore copriferro(cm) C1",
        "Spessore copriferro(cm) C2",
        "Altezza   utile(cm) h",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Tensione ferro(Kg/cmq) \u03c3f",
        "Rapporto moduli elastici    n",
        "Momento flettente(Kgcm) M",
        "Sforzo   Normale(Kg)   N",
        "Asse neutro(cm)   X",
        "Tensione CLS(Kg/cmq) \u03c3c",
        "Armatura tesa(cmq) Af",
        "Armatura compr.(cmq) Af'",
        "Momento di inerzia(cm4) J",
        "Altezza totale(cm) H"}},
};
// clang-format on

void PrintTo(const PanelRow& row, std::ostream* os) {
    *os << row.name;
}

float rowTop(int row) {
    return static_cast<float>((row * 0.05) * H + H * 0.3);
}

class EveryPanel : public MainWindowTest, public testing::WithParamInterface<PanelRow> {};

TEST_P(EveryPanel, LaysOutItsRowsCaptionsAndColours) {
    const PanelRow& p = GetParam();
    choose(p.section, p.operation);
    ASSERT_EQ(p.captions.size(), static_cast<size_t>(p.inputs + p.results));
    const int last = 1 + p.inputs + p.results;
    const int firstResult = 2 + p.inputs;

    for (int i = 0; i < 2; ++i) {
        const auto& heading = e().fields.label1[i];
        EXPECT_TRUE(heading.visible());
        EXPECT_EQ(heading.top(), rowTop(0));
        EXPECT_EQ(heading.height(), p.headingHeight);
        EXPECT_EQ(heading->font().pointSize(), 16);
    }
    EXPECT_EQ(caption(0), "DATI:");
    EXPECT_EQ(caption(1), "RISULTATI:");
    EXPECT_EQ(e().fields.label1[0].left(), static_cast<float>(0.3 * W));
    EXPECT_EQ(e().fields.label1[1].left(), static_cast<float>(0.75 * W));

    const QColor inputColour = QApplication::palette().color(QPalette::Base);
    for (int i = 2; i <= last; ++i) {
        SCOPED_TRACE(i);
        const bool input = i < firstResult;
        const int row = input ? i - 1 : i - firstResult + 1;
        const auto& label = e().fields.label1[i];
        const auto& text = e().fields.text1[i];
        EXPECT_TRUE(label.visible());
        EXPECT_TRUE(text.visible());
        EXPECT_EQ(text->text(), "");
        EXPECT_EQ(label.top(), rowTop(row));
        EXPECT_EQ(text.top(), static_cast<float>(rowTop(row) - 20.0));
        EXPECT_EQ(label.height(), 300.0f);
        EXPECT_EQ(text.height(), 375.0f);
        EXPECT_EQ(label.left(), static_cast<float>(input ? 0.0 : p.resultCaptionLeft * W));
        EXPECT_EQ(label.width(), static_cast<float>((input ? 0.35 : 0.25) * W));
        EXPECT_EQ(text.left(), static_cast<float>((input ? 0.37 : 0.83) * W));
        EXPECT_EQ(text.width(), static_cast<float>((input ? 0.11 : 0.12) * W));
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        EXPECT_EQ(text->palette().color(QPalette::Base),
                  input ? inputColour : QColor(192, 192, 192));
        EXPECT_EQ(text->font().pointSize(), 16);
        EXPECT_EQ(caption(i), QString::fromUtf8(p.captions[i - 2]));
    }
    for (int i = last + 1; i <= 16; ++i) {
        EXPECT_FALSE(e().fields.text1[i].visible()) << i;
        EXPECT_FALSE(e().fields.label1[i].visible()) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EveryPanel, testing::ValuesIn(kPanels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, OperationWithoutSectionShowsTheHeadingsAlone) {
    for (int op = 0; op < 3; ++op) {
        clickOption(e().operationOption(op));
        EXPECT_TRUE(e().fields.label1[0].visible());
        EXPECT_TRUE(e().fields.label1[1].visible());
        for (int i = 2; i <= 16; ++i)
            EXPECT_FALSE(e().fields.text1[i].visible()) << i;
    }
}

TEST_F(MainWindowTest, ColumnDesignLeavesThePanelAsItWas) {
    choose(2, 2);
    type(3, "4");
    clickOption(e().operationOption(1));
    EXPECT_TRUE(e().operationOption(1)->isChecked());
    EXPECT_EQ(text(3), "4");
    EXPECT_TRUE(e().fields.text1[16].visible());
    EXPECT_EQ(caption(10), "Sforzo   Normale(Kg)   N");
}

// A panel with fewer fields takes away the extra ones of the panel before it.
TEST_F(MainWindowTest, ShorterPanelHidesAndEmptiesLeftOverFields) {
    choose(1, 1);  // T or L design: fields up to 16
    e().fields.text1[16]->setText("54");
    clickOption(e().operationOption(0));  // T or L check: up to 15
    EXPECT_FALSE(e().fields.text1[16].visible());
    EXPECT_EQ(text(16), "");
    EXPECT_FALSE(e().fields.label1[16].visible());
    EXPECT_EQ(caption(16), "");
}

TEST_F(MainWindowTest, NewLayoutEmptiesTypedValuesAndResults) {
    choose(0, 0);
    clickOption(e().ckes.get());
    compute();
    ASSERT_FALSE(text(9).isEmpty());
    clickOption(e().operationOption(2));
    for (int i = 2; i <= 12; ++i)
        EXPECT_EQ(text(i), "") << i;
}

// On a screen too small for 16-point captions, the caption shrinks rather than being cut.
TEST_F(MainWindowTest, LongCaptionsFitTheirWidth) {
    choose(0, 0);
    const auto& label = e().fields.label1[9];  // "Momento di inerzia(cm4)   J" at 0.52 W
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width());
    EXPECT_LE(label->font().pointSizeF(), 16.0);
}

}  // namespace
}  // namespace lirvo::test
