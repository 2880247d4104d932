#include "sections/quantities.h"

#include <array>

namespace lirvo {
namespace {

struct QuantityRow {
    Unit unit;
    std::string_view description;
};

// In the order of the enumeration.
constexpr std::array<QuantityRow, 22> kQuantities = {{
    {Unit::kCm, "larghezza della sezione"},
    {Unit::kCm, "larghezza della soletta"},
    {Unit::kCm, "spessore della soletta"},
    {Unit::kCm, "larghezza della costola"},
    {Unit::kCm, "altezza utile"},
    {Unit::kCm, "copriferro"},
    {Unit::kCm, "copriferro dell'armatura tesa"},
    {Unit::kCm, "copriferro dell'armatura compressa"},
    {Unit::kCm, "altezza totale"},
    {Unit::kCm2, "armatura tesa"},
    {Unit::kCm2, "armatura compressa"},
    {Unit::kNone, "rapporto dei moduli elastici"},
    {Unit::kKgCm, "momento flettente"},
    {Unit::kKg, "sforzo normale"},
    {Unit::kKgPerCm2, "tensione nel calcestruzzo"},
    {Unit::kKgPerCm2, "tensione nel ferro teso"},
    {Unit::kKgPerCm2, "tensione ammissibile del calcestruzzo"},
    {Unit::kKgPerCm2, "tensione ammissibile del ferro"},
    {Unit::kNone, "rapporto copriferro/altezza utile"},
    {Unit::kNone, "rapporto fra le armature"},
    {Unit::kCm, "asse neutro"},
    {Unit::kCm4, "momento d'inerzia"},
}};
static_assert(kQuantities.size() == static_cast<size_t>(Quantity::kInertia) + 1);

constexpr std::array<std::string_view, 7> kUnitTexts = {"",   "cm",   "cmq",   "cm4",
                                                        "Kg", "Kgcm", "Kg/cmq"};

}  // namespace

Unit unitOf(Quantity quantity) {
    return kQuantities[static_cast<size_t>(quantity)].unit;
}

std::string_view unitText(Unit unit) {
    return kUnitTexts[static_cast<size_t>(unit)];
}

std::string_view description(Quantity quantity) {
    return kQuantities[static_cast<size_t>(quantity)].description;
}

}  // namespace lirvo
