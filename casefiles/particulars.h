// The particulars of the building that head a report: typed in the print-data window, kept in
// a case file, printed in the heading of the page and on page 1 of the calculation report.
// Only what the user typed: an empty particular stays empty (blank on the page, "—" in the
// report).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lirvo::casefiles {

// Where the section lies along the member, in the order of the print-data window's list.
enum class SectionPlace { kFixedEnd, kMidSpan };

// By SectionPlace, as the list offers them and the file keeps them.
inline constexpr std::array<std::string_view, 2> kSectionPlaceNames = {"Incastro", "Mezzeria"};

inline std::string_view placeName(SectionPlace place) {
    return kSectionPlaceNames[static_cast<int>(place)];
}

// None for a name that is no place.
inline std::optional<SectionPlace> placeNamed(std::string_view name) {
    for (size_t i = 0; i < kSectionPlaceNames.size(); ++i)
        if (kSectionPlaceNames[i] == name) return static_cast<SectionPlace>(i);
    return std::nullopt;
}

// Key in the file after each member. UTF-8, as typed.
struct Particulars {
    std::string owner;                               // "proprietario"
    std::string building;                            // "edificio": what the building is for
    std::string address;                             // "indirizzo"
    std::string town;                                // "comune"
    std::string structure;                           // "struttura": the member calculated
    SectionPlace section = SectionPlace::kFixedEnd;  // "sezione"
    bool operator==(const Particulars&) const = default;
};

// The five texts in the order of the print-data window's rows, each with its key in the file.
inline constexpr struct {
    const char* key;
    std::string Particulars::*text;
} kParticularTexts[] = {
    {"proprietario", &Particulars::owner},  {"edificio", &Particulars::building},
    {"indirizzo", &Particulars::address},   {"comune", &Particulars::town},
    {"struttura", &Particulars::structure},
};

}  // namespace lirvo::casefiles
