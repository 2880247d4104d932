#include "sections/regimes.h"

#include <array>

namespace lirvo {
namespace {

struct RegimeNames {
    std::string_view key, words;
};

// In the order of the enumeration.
constexpr std::array<RegimeNames, 4> kRegimes = {{
    {"unloaded", "sezione scarica"},
    {"cracked", "sezione parzializzata"},
    {"compressed", "sezione tutta compressa"},
    {"tension", "sezione tutta tesa"},
}};
static_assert(kRegimes.size() == static_cast<size_t>(Regime::kWhollyInTension) + 1);

}  // namespace

std::string_view regimeKey(Regime regime) {
    return kRegimes[static_cast<size_t>(regime)].key;
}

std::string_view regimeWords(Regime regime) {
    return kRegimes[static_cast<size_t>(regime)].words;
}

}  // namespace lirvo
