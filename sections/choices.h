// The two choices that form a calculation case: the section type and the operation. One row
// each says everything the program shows of a choice, so a new section type or operation is
// a new row here, its cases (sections/cases.h) and its picture, and the window, the report
// and the printed page follow.
#pragma once

#include <span>
#include <string_view>

namespace lirvo {

enum class SectionType { kRectangular, kTee, kColumn };
enum class Operation { kCheck, kDesign, kSemiDesign };

// Where the schematic frame stands, as fractions of the window's width and height.
struct SchematicPlace {
    double left, top, width, height;
};

struct SectionTypeInfo {
    SectionType type;
    std::string_view optionCaption;  // the option under "SEZIONE"
    std::string_view pageCaption;    // the section named on the printed page, as it always was
    std::string_view reportWords;    // the calculation report: "Trave rettangolare — verifica"
    std::string_view pictureFile;    // read from the current directory
    SchematicPlace schematic;
    std::string_view structureExample;  // grey in the print-data window's empty structure field
};

struct OperationInfo {
    Operation operation;
    std::string_view optionCaption;  // the option under "OPERAZIONE"
    std::string_view reportWords;
};

// In the order of the options, which is the order of the enumerations.
std::span<const SectionTypeInfo> sectionTypes();
std::span<const OperationInfo> operations();

const SectionTypeInfo& sectionTypeInfo(SectionType section);
const OperationInfo& operationInfo(Operation operation);

}  // namespace lirvo
