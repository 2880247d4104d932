#include "tools/random_batch/batch_lines.h"

#include <span>

namespace lirvo::random_batch {
namespace {

class Draw {
  public:
    explicit Draw(std::mt19937_64& engine) : engine_(engine) {}

    // A whole number in [lo, hi]; the bias of the remainder is below 1e-16.
    long between(long lo, long hi) {
        return lo + static_cast<long>(engine_() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool percent(int p) { return between(0, 99) < p; }
    template <typename T>
    T oneOf(std::span<const T> values) {
        return values[between(0, static_cast<long>(values.size()) - 1)];
    }

  private:
    std::mt19937_64& engine_;
};

// Quantities are held in hundredths of their unit (cm, cm2, kg/cm2, ratios).
using Hundredths = long;

// Written with the fewest decimals it needs ("30", "2.5", "8.04"); now and then a whole
// number gets a ".0" or a ratio loses its leading zero (".25"), as people type them.
std::string typed(Draw& draw, Hundredths v) {
    std::string s = v < 0 ? "-" : "";
    const long a = v < 0 ? -v : v;
    const long whole = a / 100, cents = a % 100;
    if (!(whole == 0 && cents != 0 && draw.percent(30))) s += std::to_string(whole);
    if (cents == 0) {
        if (draw.percent(3)) s += ".0";
    } else if (cents % 10 == 0) {
        s += '.' + std::to_string(cents / 10);
    } else {
        s += (cents < 10 ? ".0" : ".") + std::to_string(cents);
    }
    return s;
}

// A load (kg or kg cm) in whole units: usually rounded to thousands, sometimes to the unit as
// it came out of a frame analysis, and now and then in exponent form ("1.25E6", "3e+05").
std::string typedLoad(Draw& draw, long v) {
    if (draw.percent(60)) v = (v + (v < 0 ? -500 : 500)) / 1000 * 1000;
    std::string digits = std::to_string(v < 0 ? -v : v);
    const size_t significant = digits.find_last_not_of('0') + 1;
    if (v == 0 || significant > 3 || digits.size() < 5 || !draw.percent(8))
        return std::to_string(v);
    std::string s = v < 0 ? "-" : "";
    s += digits[0];
    if (significant > 1) s += '.' + digits.substr(1, significant - 1);
    s += draw.percent(70) ? 'E' : 'e';
    if (draw.percent(30)) s += draw.percent(50) ? "+0" : "+";
    return s + std::to_string(digits.size() - 1);
}

// Area of n bars of diameter phi (mm), rounded to hundredths of cm2 as the tables give it:
// pi/4 * phi^2 in 1/10000 cm2 per bar.
Hundredths bars(Draw& draw, int fewest, int most, int thinnest, int thickest) {
    static constexpr int kDiameters[] = {8, 10, 12, 14, 16, 18, 20, 22, 24, 26};
    static constexpr long kBarArea[] = {5027,  7854,  11310, 15394, 20106,
                                        25447, 31416, 38013, 45239, 53093};
    int first = 0, last = 0;
    for (int i = 0; i < 10; ++i) {
        if (kDiameters[i] <= thinnest) first = i;
        if (kDiameters[i] <= thickest) last = i;
    }
    const long count = draw.between(fewest, most);
    return (count * kBarArea[draw.between(first, last)] + 50) / 100;
}

Hundredths centimetres(Draw& draw, long lo, long hi, long step = 1) {
    return 100 * step * draw.between(lo / step, hi / step);
}
Hundredths cover(Draw& draw) {
    return 50 * draw.between(4, 10);  // 2 to 5 cm by half centimetres
}
Hundredths modularRatio(Draw& draw) {
    if (draw.percent(30)) return 1000;
    if (draw.percent(30)) return 1500;
    return draw.percent(10) ? 750 : 100 * draw.between(6, 15);
}
Hundredths concreteStress(Draw& draw) {
    static constexpr Hundredths kUsual[] = {5000, 6000, 6500, 7500, 8500, 9750, 11000};
    return draw.percent(70) ? draw.oneOf<Hundredths>(kUsual) : 500 * draw.between(8, 22);
}
Hundredths steelStress(Draw& draw) {
    static constexpr Hundredths kUsual[] = {120000, 140000, 160000, 180000,
                                            200000, 220000, 240000, 255000};
    return draw.oneOf<Hundredths>(kUsual);
}
// Q = C/h and W = Af'/Af of the design cases: often 0.
Hundredths coverRatio(Draw& draw) {
    return draw.percent(50) ? 0 : draw.between(4, 12);
}
Hundredths steelRatio(Draw& draw, int most) {
    return draw.percent(40) ? 0 : 5 * draw.between(2, most / 5);
}

// Moment (kg cm) of k * B * h^2, k in tenths of kg/cm2 between lo and hi.
long moment(Draw& draw, Hundredths B, Hundredths h, long lo, long hi) {
    return B * h / 100 * h / 100 * draw.between(lo, hi) / 1000;
}

// Moment (kg cm) that stresses a tension steel Af to 600 to 2600 kg/cm2 over a lever arm of
// 0.9 h: what a check of a sensibly reinforced section is asked.
long momentForSteel(Draw& draw, Hundredths Af, Hundredths h) {
    return Af * draw.between(600, 2600) / 100 * h * 9 / 1000;
}

using Texts = std::vector<std::string>;

// Rectangular beams: widths 20 to 60 cm, effective depths 25 to 75 cm.
void rectangularCheck(Draw& draw, Texts& t) {
    const Hundredths B = centimetres(draw, 20, 60, 5), h = centimetres(draw, 25, 75);
    const Hundredths Af = bars(draw, 2, 8, 12, 26);
    t = {typed(draw, B),
         typed(draw, cover(draw)),
         typed(draw, h),
         typed(draw, Af),
         typed(draw, bars(draw, 2, 4, 8, 20)),
         typed(draw, modularRatio(draw)),
         typedLoad(draw, momentForSteel(draw, Af, h))};
}

void rectangularDesign(Draw& draw, Texts& t) {
    const Hundredths B = centimetres(draw, 20, 60, 5), h = centimetres(draw, 25, 75);
    t = {typed(draw, B),
         typed(draw, coverRatio(draw)),
         typed(draw, steelRatio(draw, 100)),
         typed(draw, concreteStress(draw)),
         typed(draw, steelStress(draw)),
         typed(draw, modularRatio(draw)),
         typedLoad(draw, moment(draw, B, h, 50, 150))};
}

void rectangularSemiDesign(Draw& draw, Texts& t) {
    const Hundredths B = centimetres(draw, 20, 60, 5), h = centimetres(draw, 25, 75);
    t = {typed(draw, B),
         typed(draw, cover(draw)),
         typed(draw, h),
         typed(draw, concreteStress(draw)),
         typed(draw, steelStress(draw)),
         typed(draw, modularRatio(draw)),
         typedLoad(draw, moment(draw, B, h, 30, 220))};
}

// T beams: slabs 60 to 200 cm wide and 4 to 25 cm thick, ribs 10 to 40 cm.
struct Tee {
    Hundredths B, d, s, h;
};
Tee tee(Draw& draw) {
    Tee t{centimetres(draw, 60, 200, 10), centimetres(draw, 4, 25), centimetres(draw, 10, 40, 2),
          0};
    t.h = t.d + centimetres(draw, 15, 70);
    return t;
}

void teeCheck(Draw& draw, Texts& t) {
    const Tee g = tee(draw);
    const Hundredths Af = bars(draw, 2, 8, 12, 26);
    t = {typed(draw, g.B),
         typed(draw, g.d),
         typed(draw, cover(draw)),
         typed(draw, g.s),
         typed(draw, g.h),
         typed(draw, Af),
         typed(draw, bars(draw, 2, 4, 8, 20)),
         typed(draw, modularRatio(draw)),
         typedLoad(draw, momentForSteel(draw, Af, g.h))};
}

void teeDesign(Draw& draw, Texts& t) {
    const Tee g = tee(draw);
    t = {typed(draw, g.B),
         typed(draw, g.d),
         typed(draw, g.s),
         typed(draw, coverRatio(draw)),
         typed(draw, steelRatio(draw, 50)),
         typed(draw, concreteStress(draw)),
         typed(draw, steelStress(draw)),
         typed(draw, modularRatio(draw)),
         typedLoad(draw, moment(draw, g.B, g.h, 10, 60))};
}

void teeSemiDesign(Draw& draw, Texts& t) {
    const Tee g = tee(draw);
    t = {typed(draw, g.B),
         typed(draw, g.d),
         typed(draw, cover(draw)),
         typed(draw, g.s),
         typed(draw, g.h),
         typed(draw, concreteStress(draw)),
         typed(draw, steelStress(draw)),
         typed(draw, modularRatio(draw)),
         typedLoad(draw, moment(draw, g.B, g.h, 10, 80))};
}

// Columns 25 to 80 cm wide, effective depths 20 to 75 cm. Mostly compressed (N > 0) with
// eccentricities up to 1.2 times the depth; one in ten pulled.
struct Column {
    Hundredths B, C1, C2, h;
    long M, N;
};
Column column(Draw& draw) {
    Column c{centimetres(draw, 25, 80, 5), cover(draw), cover(draw),
             centimetres(draw, 20, 75),    0,           0};
    const long area = c.B / 100 * ((c.h + c.C1) / 100);  // cm2
    const long depth = (c.h + c.C1) / 100;
    if (draw.percent(90)) {
        c.N = area * draw.between(5, 35);  // mean stress 5 to 35 kg/cm2
        c.M = c.N * depth * draw.between(2, 120) / 100;
    } else {
        c.N = -100 * draw.between(20, 400);
        c.M = -c.N * depth * draw.between(2, 100) / 100;
    }
    return c;
}

void columnCheck(Draw& draw, Texts& t) {
    const Column c = column(draw);
    const Hundredths Af = bars(draw, 2, 8, 14, 26);
    const Hundredths Afc = draw.percent(40) ? Af : draw.percent(8) ? 0 : bars(draw, 2, 8, 12, 26);
    t = {typed(draw, c.B),
         typed(draw, c.C1),
         typed(draw, c.C2),
         typed(draw, c.h),
         typed(draw, Af),
         typed(draw, Afc),
         typed(draw, modularRatio(draw)),
         typedLoad(draw, c.M),
         typedLoad(draw, c.N)};
}

void columnSemiDesign(Draw& draw, Texts& t) {
    const Column c = column(draw);
    t = {typed(draw, c.B),
         typed(draw, c.C1),
         typed(draw, c.C2),
         typed(draw, c.h),
         typed(draw, concreteStress(draw)),
         typed(draw, steelStress(draw)),
         typed(draw, modularRatio(draw)),
         typedLoad(draw, c.M),
         typedLoad(draw, c.N)};
}

struct CaseKind {
    std::string_view code, name;
    void (*texts)(Draw&, Texts&);
};

constexpr CaseKind kCases[] = {
    {"1", "rett-verifica", rectangularCheck},
    {"2", "rett-progetto", rectangularDesign},
    {"3", "rett-semiprogetto", rectangularSemiDesign},
    {"4", "t-verifica", teeCheck},
    {"5", "t-progetto", teeDesign},
    {"6", "t-semiprogetto", teeSemiDesign},
    {"7", "pil-verifica", columnCheck},
    {"9", "pil-semiprogetto", columnSemiDesign},
};

}  // namespace

std::optional<LineSource> LineSource::make(std::uint64_t seed, std::string_view cases) {
    LineSource source(seed);
    while (!cases.empty()) {
        const size_t comma = cases.find(',');
        const std::string_view item = cases.substr(0, comma);
        size_t k = 0;
        while (k < std::size(kCases) && item != kCases[k].code && item != kCases[k].name)
            ++k;
        if (k == std::size(kCases)) return std::nullopt;
        source.cases_.push_back(k);
        if (comma == std::string_view::npos) break;
        cases.remove_prefix(comma + 1);
        if (cases.empty()) return std::nullopt;  // a trailing comma
    }
    if (source.cases_.empty())
        for (size_t k = 0; k < std::size(kCases); ++k)
            source.cases_.push_back(k);
    return source;
}

void LineSource::appendLine(std::string& out) {
    Draw draw(engine_);
    const CaseKind& kind = kCases[cases_[draw.between(0, static_cast<long>(cases_.size()) - 1)]];
    kind.texts(draw, texts_);
    out.append(draw.percent(10) ? kind.name : kind.code);
    for (const std::string& t : texts_)
        out.append("\t").append(t);
    out += '\n';
}

}  // namespace lirvo::random_batch
