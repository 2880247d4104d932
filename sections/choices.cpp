#include "sections/choices.h"

#include <array>

namespace lirvo {
namespace {

// The column's schematic is wider and taller and starts almost at the top edge.
constexpr std::array<SectionTypeInfo, 3> kSectionTypes = {{
    {SectionType::kRectangular,
     "Trave Rettangolare",
     "Trave Rettangolare",
     "Trave rettangolare",
     "ret1_ver.jpg",
     {0.35, 0.02, 0.3, 0.25},
     "Trave tra murature"},
    {SectionType::kTee,
     "Trave a T o a L",
     "Trave A T o L",
     "Trave a T o L",
     "t1_ver.jpg",
     {0.35, 0.02, 0.3, 0.25},
     "Trave tra murature"},
    {SectionType::kColumn,
     "Pilastro a press.fless.",
     "PilastrO",
     "Pilastro a pressoflessione",
     "Pil1_ver.jpg",
     {0.3, 0.001, 0.39, 0.3},
     "Pilastro d'angolo"},
}};

constexpr std::array<OperationInfo, 3> kOperations = {{
    {Operation::kCheck, "Verifica", "verifica"},
    {Operation::kDesign, "Progetto", "progetto"},
    {Operation::kSemiDesign, "Semi Progetto", "semiprogetto"},
}};

constexpr bool inEnumerationOrder() {
    for (size_t i = 0; i < kSectionTypes.size(); ++i)
        if (static_cast<size_t>(kSectionTypes[i].type) != i) return false;
    for (size_t i = 0; i < kOperations.size(); ++i)
        if (static_cast<size_t>(kOperations[i].operation) != i) return false;
    return true;
}
static_assert(inEnumerationOrder(), "a row's place is its choice's value");

}  // namespace

std::span<const SectionTypeInfo> sectionTypes() {
    return kSectionTypes;
}

std::span<const OperationInfo> operations() {
    return kOperations;
}

const SectionTypeInfo& sectionTypeInfo(SectionType section) {
    return kSectionTypes[static_cast<size_t>(section)];
}

const OperationInfo& operationInfo(Operation operation) {
    return kOperations[static_cast<size_t>(operation)];
}

}  // namespace lirvo
