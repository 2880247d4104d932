#include "case_tables.h"

#include "column_check.h"
#include "column_semi_design.h"
#include "rect_check.h"
#include "rect_design.h"
#include "rect_semi_design.h"
#include "tee_check.h"
#include "tee_design.h"
#include "tee_semi_design.h"

namespace lirvo::panels {
namespace {

// Captions as the user reads them, blank runs and all.

constexpr std::string_view kRectangularCheckCaptions[] = {
    "Base  della sezione(cm)   B", "Spessore copriferro(cm)   C", "Altezza    utile(cm)   h",
    "Armatura tesa(cmq) Af ",      "Armatura compressa(cmq) Af'", "Rapporto moduli elastici   n",
    "Momento flettente(Kgcm) M",   "Momento di inerzia(cm4)   J", "Asse neutro(cm)   X",
    "Tensione CLS(Kg/cmq) σc",     "Tensione ferro(Kg/cmq) σf",
};

constexpr std::string_view kTeeCheckCaptions[] = {
    "Base  della sezione(cm)  B",  "Spessore soletta(cm)  d",      "Spessore copriferro(cm)  C",
    "Larghezza costola(cm) s",     "Altezza    utile(cm)  h",      "Armatura tesa(cmq) Af",
    "Armatura compressa(cmq) Af'", "Rapporto moduli elastici   n", "Momento flettente(Kgcm) M",
    "Asse neutro(cm)   X",         "Tensione CLS(Kg/cmq) σc",      "Tensione ferro(Kg/cmq) σf",
    "Momento di inerzia(cm4)   J", "Altezza totale(cm)   H",
};

constexpr std::string_view kColumnCheckCaptions[] = {
    "Base  della sezione(cm)   B",  "Spessore copriferro(cm)  C1", "Spessore copriferro(cm)  C2",
    "Altezza   utile(cm)   h",      "Armatura tesa(cmq) Af",       "Armatura compressa(cmq) Af'",
    "Rapporto moduli elastici   n", "Momento flettente(Kgcm) M",   "Sforzo   Normale(Kg)   N",
    "Asse neutro(cm)   X",          "Tensione CLS(Kg/cmq) σc",     "Tensione ferro(Kg/cmq) σf",
    "Momento di inerzia(cm4)   J",  "Altezza totale(cm)   H",
};

constexpr std::string_view kRectangularDesignCaptions[] = {
    "Base  della sezione(cm)   B",
    "Rapp.copriferro/Altezza    Q",
    "Rapporto fra le Armature    W",
    "Tensione CLS(Kg/cmq) σc",
    "Tensione ferro(Kg/cmq) σf",
    "Rapporto moduli elastici   n",
    "Momento flettente(Kgcm) M",
    "Altezza    utile(cm)  h",
    "Copriferro(cm)  C",
    "Altezza(cm) H",
    "Asse neutro(cm)  X",
    "Momento di inerzia(cm4)  J",
    "Armatura tesa(cmq) Af",
    "Armatura compr.(cmq) Af'",
};

constexpr std::string_view kTeeDesignCaptions[] = {
    "Base  della sezione(cm)  B",  "Spessore soletta(cm)  d",      "Larghezza costola(cm) s",
    "Rapp.copriferro/Altezza   Q", "Rapporto fra le Armature   W", "Tensione CLS(Kg/cmq) σc",
    "Tensione ferro(Kg/cmq) σf",   "Rapporto moduli elastici   n", "Momento flettente(Kgcm) M",
    "Asse neutro(cm)      X",      "Altezza    utile(cm)  h",      "Copriferro(cm)  C",
    "Armatura tesa(cmq) Af",       "Armatura compr.(cmq) Af'",     "Altezza totale(cm)       H",
};

constexpr std::string_view kRectangularSemiDesignCaptions[] = {
    "Base  della sezione(cm)   B", "Copriferro(cm)   C",        "Altezza    utile(cm)   h",
    "Tensione CLS(Kg/cmq) σc",     "Tensione ferro(Kg/cmq) σf", "Rapporto moduli elastici    n",
    "Momento flettente(Kgcm) M",   "Asse neutro(cm)   X",       "Tensione CLS(Kg/cmq) σc",
    "Armatura tesa(cmq) Af",       "Armatura compr.(cmq) Af'",
};

constexpr std::string_view kTeeSemiDesignCaptions[] = {
    "Base  della sezione(cm)   B", "Spessore soletta(cm)   d",     "Copriferro(cm)   C",
    "Larghezza costola(cm)   s",   "Altezza    utile(cm)    h",    "Tensione CLS(Kg/cmq) σc",
    "Tensione ferro(Kg/cmq) σf",   "Rapporto moduli elastici   n", "Momento flettente(Kgcm) M",
    "Asse neutro(cm)   X",         "Altezza  utile(cm)   h",       "Altezza totale(cm)   H",
    "Momento di inerzia(cm4)  J",  "Armatura tesa(cmq) Af",        "Armatura compr.(cmq) Af'",
};

constexpr std::string_view kColumnSemiDesignCaptions[] = {
    "Base della sezione(cm) B",      "Spessore copriferro(cm) C1", "Spessore copriferro(cm) C2",
    "Altezza   utile(cm) h",         "Tensione CLS(Kg/cmq) σc",    "Tensione ferro(Kg/cmq) σf",
    "Rapporto moduli elastici    n", "Momento flettente(Kgcm) M",  "Sforzo   Normale(Kg)   N",
    "Asse neutro(cm)   X",           "Tensione CLS(Kg/cmq) σc",    "Armatura tesa(cmq) Af",
    "Armatura compr.(cmq) Af'",      "Momento di inerzia(cm4) J",  "Altezza totale(cm) H",
};

// Result captions stand at 0.55 W, those of the rectangular check a little further left.
constexpr double kResultCaptionLeft = 0.55;
constexpr double kRectangularCheckResultLeft = 0.52;

constexpr PanelTable kPanels[3][3] = {
    {
        {&kRectangularCheck, kRectangularCheckCaptions, kRectangularCheckResultLeft},
        {&kRectangularDesign, kRectangularDesignCaptions, kResultCaptionLeft},
        {&kRectangularSemiDesign, kRectangularSemiDesignCaptions, kResultCaptionLeft},
    },
    {
        {&kTeeCheck, kTeeCheckCaptions, kResultCaptionLeft},
        {&kTeeDesign, kTeeDesignCaptions, kResultCaptionLeft},
        {&kTeeSemiDesign, kTeeSemiDesignCaptions, kResultCaptionLeft},
    },
    {
        {&kColumnCheck, kColumnCheckCaptions, kResultCaptionLeft},
        {nullptr, {}, 0},  // a column is never designed from scratch
        {&kColumnSemiDesign, kColumnSemiDesignCaptions, kResultCaptionLeft},
    },
};

}  // namespace

const PanelTable* panelTable(SectionType section, Operation operation) {
    const PanelTable& table = kPanels[static_cast<int>(section)][static_cast<int>(operation)];
    return table.calc ? &table : nullptr;
}

std::string_view caption(const PanelTable& table, int field) {
    const int row = field - kFirstInputField;
    if (row < 0 || row >= static_cast<int>(table.captions.size())) return {};
    return table.captions[row];
}

int firstResultField(const CalcCase& calc) {
    return kFirstInputField + static_cast<int>(calc.inputs.size());
}

}  // namespace lirvo::panels
