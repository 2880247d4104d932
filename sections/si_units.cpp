#include "sections/si_units.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lirvo {

std::optional<SiValue> toSi(double value, Unit unit) {
    switch (unit) {
        case Unit::kCm:
            return SiValue{value * 10, "mm"};
        case Unit::kCm2:
            return SiValue{value * 100, "mm²"};
        case Unit::kCm4:
            return SiValue{value * 10000, "mm⁴"};
        case Unit::kKg:
            return SiValue{value * kNewtonsPerKg, "N"};
        case Unit::kKgCm:
            // kg·cm → N·m is 9.80665 / 100; kN·m a further / 1000.
            return SiValue{value * kNewtonsPerKg / 100000, "kN·m"};
        case Unit::kKgPerCm2:
            // kg/cm² → N/mm²: 9.80665 N over 100 mm².
            return SiValue{value * kNewtonsPerKg / 100, "N/mm²"};
        case Unit::kNone:
            break;
    }
    return std::nullopt;
}

std::string fourSignificantDigits(double value) {
    char text[40];
    const double magnitude = std::fabs(value);
    if (value == 0) return "0";
    if (!std::isfinite(value)) return "-";
    if (magnitude >= 1e-4 && magnitude < 1e9) {
        // Fixed notation with as many decimals as four significant digits need.
        const int digitsBeforePoint = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
        const int decimals = digitsBeforePoint >= 4 ? 0 : 4 - digitsBeforePoint;
        // Whole numbers of more than four digits keep four significant ones: 3434567 → 3435000.
        const double shownValue = digitsBeforePoint > 4
                                      ? std::round(value / std::pow(10.0, digitsBeforePoint - 4)) *
                                            std::pow(10.0, digitsBeforePoint - 4)
                                      : value;
        std::snprintf(text, sizeof text, "%.*f", decimals, shownValue);
        // A rounding up to the next power of ten ("9.9996" → "10.000") keeps one digit too many.
        std::string s = text;
        const double shown = std::fabs(std::strtod(text, nullptr));
        if (decimals > 0 && shown >= std::pow(10.0, digitsBeforePoint)) s.pop_back();
        return s;
    }
    std::snprintf(text, sizeof text, "%.3e", value);
    return text;
}

}  // namespace lirvo
