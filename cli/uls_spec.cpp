#include "cli/uls_spec.h"

#include <array>
#include <cmath>

#include "sections/numbers.h"
#include "sections/quoting.h"

namespace lirvo::cli {
namespace {

// The keys, in one table: what each one is.
enum Key { kFcd, kFyd, kFck, kRck, kFyk, kSteel, kFcm, kFym, kLevel, kAcc, kGc, kGs, kNed, kMed };
constexpr std::array<std::string_view, 14> kKeys = {
    "fcd", "fyd", "fck", "rck", "fyk", "acciaio", "fcm",
    "fym", "lc",  "acc", "gc",  "gs",  "ned",     "med",
};

std::optional<Key> keyNamed(std::string_view name) {
    for (size_t i = 0; i < kKeys.size(); ++i)
        if (kKeys[i] == name) return static_cast<Key>(i);
    return std::nullopt;
}

// A text of the user quoted back in a refusal.
std::string inQuotes(std::string_view text) {
    return '"' + quoted(text) + '"';
}

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The texts of the keys given, and the first refusal met.
class Given {
  public:
    bool has(Key k) const { return texts_[k].has_value(); }
    std::string_view text(Key k) const { return *texts_[k]; }
    void set(Key k, std::string_view text) { texts_[k] = text; }

    // The value of a key given: a whole finite number, positive unless `anySign`.
    std::optional<double> number(Key k, std::string& refusal, bool anySign = false) const {
        const FieldReading r = readField(text(k));
        if (!r.whole || !std::isfinite(r.value)) {
            refusal = std::string(kKeys[k]) + ": " + inQuotes(text(k)) + " non è un numero";
        } else if (!anySign && !(r.value > 0)) {
            refusal = std::string(kKeys[k]) + ": deve essere positivo, non " + inQuotes(text(k));
        } else {
            return r.value;
        }
        return std::nullopt;
    }

  private:
    std::array<std::optional<std::string_view>, kKeys.size()> texts_;
};

// The one key of a group that is given; refusal when none or more than one.
std::optional<Key> oneOf(const Given& given, std::initializer_list<Key> group,
                         const std::string& what, std::string& refusal) {
    std::optional<Key> found;
    std::string names;
    for (Key k : group) {
        names += (names.empty() ? "" : ", ") + std::string(kKeys[k]);
        if (!given.has(k)) continue;
        if (found) {
            refusal = std::string(kKeys[*found]) + " e " + std::string(kKeys[k]) +
                      ": una sola resistenza " + what;
            return std::nullopt;
        }
        found = k;
    }
    if (!found) refusal = "manca la resistenza " + what + " (" + names + ")";
    return found;
}

// A key that belongs to another way of giving the materials.
std::string notWith(Key k, Key with) {
    return std::string(kKeys[k]) + ": non vale con " + std::string(kKeys[with]);
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
    for (Key k : {kAcc, kGc, kGs})
        if (given.has(k) && (design || existing)) return notWith(k, *concrete);
    if (given.has(kLevel) && !existing) return notWith(kLevel, *concrete);

    const std::optional<double> fc = given.number(*concrete, refusal);
    if (!fc) return refusal;
    if (design) {
        const auto fyd = given.number(kFyd, refusal);
        if (!fyd) return refusal;
        out = {*fc, *fyd};
        return {};
    }
    if (existing) {
        if (!given.has(kLevel)) return "manca lc (livello di conoscenza 1, 2 o 3)";
        const auto fym = given.number(kFym, refusal);
        if (!fym) return refusal;
        const FieldReading level = readField(given.text(kLevel));
        const bool known = level.whole && level.value >= 1 && level.value <= 3 &&
                           level.value == std::floor(level.value);
        const auto strengths =
            known ? designStrengths(ExistingBuilding{*fc, *fym, static_cast<int>(level.value)})
                  : std::nullopt;
        if (!strengths)
            return "lc: livello di conoscenza sconosciuto " + inQuotes(given.text(kLevel)) +
                   " (1, 2 o 3)";
        out = *strengths;
        return {};
    }
    NewConstruction m;
    m.fck = *concrete == kRck ? kFckPerRck * *fc : *fc;
    if (*steel == kSteel) {
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

}  // namespace

std::variant<UlsSpec, std::string> parseUlsSpec(std::string_view text) {
    Given given;
    while (true) {
        const size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const size_t equals = item.find('=');
        const std::string_view name = trimmed(item.substr(0, equals));
        const std::optional<Key> key = keyNamed(name);
        if (!key) return "chiave sconosciuta " + inQuotes(name);
        if (equals == std::string_view::npos) return std::string(name) + ": manca =valore";
        if (given.has(*key)) return std::string(name) + ": data due volte";
        given.set(*key, trimmed(item.substr(equals + 1)));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    UlsSpec spec;
    if (std::string refusal = strengths(given, spec.strengths); !refusal.empty()) return refusal;
    std::string refusal;
    for (auto [k, action] : {std::pair{kNed, &spec.ned}, {kMed, &spec.med}}) {
        if (!given.has(k)) continue;
        *action = given.number(k, refusal, true);
        if (!*action) return refusal;
    }
    return spec;
}

}  // namespace lirvo::cli
