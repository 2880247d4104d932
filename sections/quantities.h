// What the numbers of a calculation mean, independently of the case that holds them: the
// physical quantity of each field and its unit. Anything
// that must treat every case alike (the equilibrium analysis, the drawing, the files, the
// report) maps fields through these, never through a table per case.
#pragma once

#include <string_view>

#include "sections/choices.h"

namespace lirvo {

enum class Unit { kNone, kCm, kCm2, kCm4, kKg, kKgCm, kKgPerCm2 };

// Depths are measured from the compressed edge, where the compression steel lies.
enum class Quantity {
    kWidth,                    // B of a rectangle or a column
    kFlangeWidth,              // B of a T or L: the slab
    kFlangeDepth,              // d: thickness of the slab
    kWebWidth,                 // s: the rib
    kEffectiveDepth,           // h: compressed edge to the tension steel
    kCover,                    // C of a beam: depth of Af', also taken below Af
    kTensionCover,             // C1 of a column: below Af
    kCompressionCover,         // C2 of a column: depth of Af'
    kTotalDepth,               // H
    kTensionSteel,             // Af
    kCompressionSteel,         // Af'
    kModularRatio,             // n, steel over concrete
    kMoment,                   // M, positive when it compresses the top
    kNormalForce,              // N, compression positive
    kConcreteStress,           // σc at the compressed edge
    kSteelStress,              // σf in the tension steel
    kAllowableConcreteStress,  // σc given to a design
    kAllowableSteelStress,     // σf given to a design
    kCoverRatio,               // Q = C / h
    kSteelRatio,               // W = Af' / Af
    kNeutralAxis,              // X, from the compressed edge
    kInertia,                  // J of the cracked transformed section
};

Unit unitOf(Quantity quantity);

// The unit as the program writes it ("cm", "cmq", "cm4", "Kg", "Kgcm", "Kg/cmq"; empty for a
// pure number).
std::string_view unitText(Unit unit);

// What a quantity is, in words, lower case Italian ("larghezza della costola").
std::string_view description(Quantity quantity);

}  // namespace lirvo
