#include "sections/cases.h"

#include <array>
#include <charconv>

namespace lirvo {
namespace {

// Every calculation case of the program, in the order of their codes.
constexpr std::array<const CalcCase*, 8> kCases = {
    &kRectangularCheck, &kRectangularDesign, &kRectangularSemiDesign, &kTeeCheck,
    &kTeeDesign,        &kTeeSemiDesign,     &kColumnCheck,           &kColumnSemiDesign,
};

}  // namespace

std::span<const CalcCase* const> allCases() {
    return kCases;
}

const CalcCase* findCase(std::string_view codeOrName) {
    for (const CalcCase* c : kCases) {
        char code[8];
        const char* end = std::to_chars(code, code + sizeof code, c->code).ptr;
        if (c->name == codeOrName || std::string_view(code, end - code) == codeOrName) return c;
    }
    return nullptr;
}

const CalcCase* findCase(SectionType section, Operation operation) {
    for (const CalcCase* c : kCases)
        if (c->section == section && c->operation == operation) return c;
    return nullptr;
}

const CalcCase* caseOfCode(int code) {
    for (const CalcCase* c : kCases)
        if (c->code == code) return c;
    return nullptr;
}

std::string_view fieldSymbol(const CalcCase& calc, int index) {
    const Field* field = calc.field(index);
    return field ? field->symbol : std::string_view();
}

}  // namespace lirvo
