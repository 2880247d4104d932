#include "cli/uls_spec.h"

#include <charconv>

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

std::variant<UlsSpec, std::string> parseUlsSpec(std::string_view text, UlsTexts* texts) {
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

std::string takeUlsOptions(std::vector<std::string_view>& args,
                           std::optional<UlsRequest>& request) {
    std::optional<std::string_view> spec, points;
    for (size_t i = 0; i < args.size();) {
        std::optional<std::string_view>* option = args[i] == "--uls"      ? &spec
                                                  : args[i] == "--domain" ? &points
                                                                          : nullptr;
        if (!option) {
            ++i;
            continue;
        }
        if (i + 1 == args.size()) return std::string(args[i]) + " vuole un valore";
        if (*option) return std::string(args[i]) + " dato due volte";
        *option = args[i + 1];
        args.erase(args.begin() + i, args.begin() + i + 2);
    }
    if (!spec) return points ? "--domain vale solo con --uls" : "";
    UlsTexts texts;
    auto parsed = parseUlsSpec(*spec, &texts);
    if (auto* refusal = std::get_if<std::string>(&parsed)) return "--uls: " + *refusal;
    request = UlsRequest{std::get<UlsSpec>(parsed), 0, texts};
    if (points) {
        int& k = request->domainPoints;
        const auto [end, ec] = std::from_chars(points->data(), points->data() + points->size(), k);
        if (ec != std::errc() || end != points->data() + points->size() || k < 2 ||
            k > kMostDomainPoints) {
            request.reset();
            return "--domain vuole un numero da 2 a " + std::to_string(kMostDomainPoints) +
                   ", non " + inQuotes(*points);
        }
    }
    return {};
}

}  // namespace lirvo::cli
