#include "sections/uls_input.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "sections/numbers.h"
#include "sections/quoting.h"

namespace lirvo {
namespace {

using enum UlsKey;

std::string keyText(UlsKey k) {
    return std::string(nameOf(k));
}

// A text of the user quoted back in a refusal.
std::string inQuotes(std::string_view text) {
    return '"' + quoted(text) + '"';
}

// The texts of the keys given, and the first refusal met.
class Given {
  public:
    explicit Given(const UlsTexts& texts) : texts_(texts) {}
    bool has(UlsKey k) const { return texts_[size_t(k)].has_value(); }
    std::string_view text(UlsKey k) const { return *texts_[size_t(k)]; }

    // The value of a key given: a whole finite number, positive unless `anySign`.
    std::optional<double> number(UlsKey k, std::string& refusal, bool anySign = false) const {
        const FieldReading r = readField(text(k));
        if (text(k).find_first_not_of(" \t") == std::string_view::npos) {
            refusal = keyText(k) + ": manca il valore";
        } else if (!r.whole || !std::isfinite(r.value)) {
            refusal = keyText(k) + ": " + inQuotes(text(k)) + " non è un numero";
        } else if (!anySign && !(r.value > 0)) {
            refusal = keyText(k) + ": deve essere positivo, non " + inQuotes(text(k));
        } else {
            return r.value;
        }
        return std::nullopt;
    }

  private:
    const UlsTexts& texts_;
};

// The one key of a group that is given; refusal when none or more than one.
std::optional<UlsKey> oneOf(const Given& given, std::initializer_list<UlsKey> group,
                            const std::string& what, std::string& refusal) {
    std::optional<UlsKey> found;
    std::string names;
    for (UlsKey k : group) {
        names += (names.empty() ? "" : ", ") + keyText(k);
        if (!given.has(k)) continue;
        if (found) {
            refusal = keyText(*found) + " e " + keyText(k) + ": una sola resistenza " + what;
            return std::nullopt;
        }
        found = k;
    }
    if (!found) refusal = "manca la resistenza " + what + " (" + names + ")";
    return found;
}

// A key that belongs to another way of giving the materials.
std::string notWith(UlsKey k, UlsKey with) {
    return keyText(k) + ": non vale con " + keyText(with);
}

std::string existingBuilding(const Given& given, double fcm, UlsStrengths& out) {
    std::string refusal;
    if (!given.has(kLevel)) return "manca lc (livello di conoscenza 1, 2 o 3)";
    const auto fym = given.number(kFym, refusal);
    if (!fym) return refusal;
    const FieldReading level = readField(given.text(kLevel));
    const bool known = level.whole && level.value >= 1 && level.value <= 3 &&
                       level.value == std::floor(level.value);
    const auto strengths =
        known ? designStrengths(ExistingBuilding{fcm, *fym, static_cast<int>(level.value)})
              : std::nullopt;
    if (!strengths)
        return "lc: livello di conoscenza sconosciuto " + inQuotes(given.text(kLevel)) +
               " (1, 2 o 3)";
    out = *strengths;
    return {};
}

std::string newConstruction(const Given& given, UlsKey concrete, double fc, UlsKey steel,
                            UlsStrengths& out) {
    std::string refusal;
    NewConstruction m;
    m.fck = concrete == kRck ? kFckPerRck * fc : fc;
    if (steel == kSteel) {
        const auto fyk = characteristicYield(given.text(kSteel));
        if (!fyk)
            return "acciaio: tipo sconosciuto " + inQuotes(given.text(kSteel)) + " (" +
                   steelGradeNames() + ")";
        m.fyk = *fyk;
    } else {
        const auto fyk = given.number(kFyk, refusal);
        if (!fyk) return refusal;
        m.fyk = *fyk;
    }
    for (auto [k, factor] : {std::pair{kAcc, &m.alphaCc}, {kGc, &m.gammaC}, {kGs, &m.gammaS}}) {
        if (!given.has(k)) continue;
        const auto v = given.number(k, refusal);
        if (!v) return refusal;
        *factor = *v;
    }
    out = designStrengths(m);
    return {};
}

std::string strengths(const Given& given, UlsStrengths& out) {
    std::string refusal;
    const auto concrete = oneOf(given, {kFcd, kFck, kRck, kFcm}, "del calcestruzzo", refusal);
    if (!concrete) return refusal;
    const auto steel = oneOf(given, {kFyd, kFyk, kSteel, kFym}, "dell'acciaio", refusal);
    if (!steel) return refusal;
    // Each way of giving the materials: its steel, and the factors of new construction.
    const bool design = *concrete == kFcd, existing = *concrete == kFcm;
    const bool steelFits = design     ? *steel == kFyd
                           : existing ? *steel == kFym
                                      : *steel == kFyk || *steel == kSteel;
    if (!steelFits) return notWith(*steel, *concrete);
    for (UlsKey k : {kAcc, kGc, kGs})
        if (given.has(k) && (design || existing)) return notWith(k, *concrete);
    if (given.has(kLevel) && !existing) return notWith(kLevel, *concrete);

    const std::optional<double> fc = given.number(*concrete, refusal);
    if (!fc) return refusal;
    if (existing) return existingBuilding(given, *fc, out);
    if (!design) return newConstruction(given, *concrete, *fc, *steel, out);
    const auto fyd = given.number(kFyd, refusal);
    if (!fyd) return refusal;
    out = {*fc, *fyd};
    return {};
}

}  // namespace

std::optional<UlsKey> ulsKeyNamed(std::string_view name) {
    for (size_t i = 0; i < kUlsKeys.size(); ++i)
        if (kUlsKeys[i] == name) return static_cast<UlsKey>(i);
    return std::nullopt;
}

std::variant<UlsData, std::string> readUlsTexts(const UlsTexts& texts) {
    const Given given(texts);
    UlsData data;
    if (std::string refusal = strengths(given, data.strengths); !refusal.empty()) return refusal;
    std::string refusal;
    for (auto [k, action] : {std::pair{kNed, &data.ned}, {kMed, &data.med}}) {
        if (!given.has(k)) continue;
        *action = given.number(k, refusal, true);
        if (!*action) return refusal;
    }
    return data;
}

}  // namespace lirvo
