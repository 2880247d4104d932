// The materials and actions of an ultimate check as the user types them, by key, and the one
// reader of them: lirvo-calc --uls SPEC, the SLU window and the case file all hand their texts
// here, so a datum is read and refused alike everywhere.
//   fcd, fyd                 design strengths;
//   fck or rck, fyk or acciaio (a grade), optional acc, gc, gs
//                            new construction (fck = 0.83 Rck, fcd = acc fck/gc, fyd = fyk/gs);
//   fcm, fym, lc (1, 2, 3)   existing building (fcd = fcm/FC, fyd = fym/FC);
//   optional ned (N_Ed, kg) and med (M_Ed, kg cm) in any mode.
// Strengths in kg/cm². Every number is read by the number rule of the fields
// (sections/numbers.h) and must be the whole text; a refusal names its key.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "sections/uls_materials.h"

namespace lirvo {

enum class UlsKey {
    kFcd,
    kFyd,
    kFck,
    kRck,
    kFyk,
    kSteel,
    kFcm,
    kFym,
    kLevel,
    kAcc,
    kGc,
    kGs,
    kNed,
    kMed
};
inline constexpr std::array<std::string_view, 14> kUlsKeys = {
    "fcd", "fyd", "fck", "rck", "fyk", "acciaio", "fcm",
    "fym", "lc",  "acc", "gc",  "gs",  "ned",     "med",
};
std::optional<UlsKey> ulsKeyNamed(std::string_view name);
inline std::string_view nameOf(UlsKey key) {
    return kUlsKeys[static_cast<size_t>(key)];
}

// The texts given, by key; a key not given is empty (a blank text is given, and refused).
using UlsTexts = std::array<std::optional<std::string>, kUlsKeys.size()>;

struct UlsData {
    UlsStrengths strengths;
    std::optional<double> ned, med;  // kg and kg cm; empty: N of the case, no M_Ed
};

// The data, or why they are refused.
std::variant<UlsData, std::string> readUlsTexts(const UlsTexts& texts);

}  // namespace lirvo
