#include "cli/uls_option.h"

#include <array>
#include <cmath>

#include "sections/quoting.h"

namespace lirvo::cli {
namespace {

// A text of the user quoted back in a refusal.
std::string inQuotes(std::string_view text) {
    return '"' + quoted(text) + '"';
}

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::variant<UlsData, std::string> parseUlsOption(std::string_view text, UlsTexts* texts) {
    UlsTexts given;
    while (true) {
        const size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const size_t equals = item.find('=');
        const std::string_view name = trimmed(item.substr(0, equals));
        const std::optional<UlsKey> key = ulsKeyNamed(name);
        if (!key) return "chiave sconosciuta " + inQuotes(name);
        if (equals == std::string_view::npos) return std::string(name) + ": manca =valore";
        std::optional<std::string>& slot = given[size_t(*key)];
        if (slot) return std::string(name) + ": data due volte";
        slot = std::string(trimmed(item.substr(equals + 1)));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (texts) *texts = given;
    return readUlsTexts(given);
}

}  // namespace lirvo::cli
