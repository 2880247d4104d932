// The same quantity in SI units, for reports reviewed in N and mm: 1 kg (force) = 9.80665 N.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sections/quantities.h"

namespace lirvo {

// Newtons in one kilogram-force (the standard acceleration of gravity).
inline constexpr double kNewtonsPerKg = 9.80665;

struct SiValue {
    double value;
    std::string_view unit;  // "mm", "mm²", "mm⁴", "N", "kN·m", "N/mm²"
};

// The value in the SI unit of its kind: lengths in mm, areas in mm², moments of inertia in
// mm⁴, forces in N, moments in kN·m, stresses in N/mm². None for a pure number.
std::optional<SiValue> toSi(double value, Unit unit);

// Four significant digits with the point as decimal separator: "98.07", "804.0", "3435000";
// the exponent form below 1e-4 and from 1e9 on ("3.302e+09").
std::string fourSignificantDigits(double value);

}  // namespace lirvo
