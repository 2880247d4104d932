// The materials and actions of lirvo-calc --uls SPEC: a comma list of key=value,
//   fcd=…,fyd=…            design strengths;
//   fck=… or rck=…, fyk=… or acciaio=GRADE, optional acc, gc, gs
//                          new construction (fck = 0.83 Rck, fcd = acc fck/gc, fyd = fyk/gs);
//   fcm=…,fym=…,lc=1|2|3   existing building (fcd = fcm/FC, fyd = fym/FC);
// and, in any mode, optional ned (N_Ed, kg) and med (M_Ed, kg cm). Strengths in kg/cm². Every
// value is read by the number rule of the fields (sections/numbers.h) and must be the whole
// text; a refusal names its key.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "sections/uls_materials.h"

namespace lirvo::cli {

struct UlsSpec {
    UlsStrengths strengths;
    std::optional<double> ned, med;  // kg and kg cm; empty: N of the case, no M_Ed
};

// The spec, or why it is refused.
std::variant<UlsSpec, std::string> parseUlsSpec(std::string_view text);

struct UlsRequest {
    UlsSpec spec;
    int domainPoints = 0;  // DOMAIN lines; 0: none
};

// The most DOMAIN lines --domain asks for.
inline constexpr int kMostDomainPoints = 100000;

}  // namespace lirvo::cli
