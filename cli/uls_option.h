// The materials and actions of lirvo-calc --uls SPEC: a comma list of key=value, the keys and
// their reading those of sections/uls_input.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "sections/uls_input.h"

namespace lirvo::cli {

// The option read, or why it is refused; `texts`, when given, receives the texts by key.
std::variant<UlsData, std::string> parseUlsOption(std::string_view text, UlsTexts* texts = nullptr);

struct UlsRequest {
    UlsData spec;
    int domainPoints = 0;  // DOMAIN lines; 0: none
    UlsTexts texts;        // as given: what --save keeps in the case file
};

// The most DOMAIN lines --domain asks for.
inline constexpr int kMostDomainPoints = 100000;

}  // namespace lirvo::cli
