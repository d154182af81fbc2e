#include "calc/formula_functions.h"

#include <cmath>

namespace quantora {
namespace {

constexpr double kPi = 3.141592653589793;
// The angle factor K of each unit: an angle a in that unit is a * K / 180 radians.
constexpr double kDegreeFactor = kPi;
constexpr double kRadianFactor = 180.0;
constexpr double kGradFactor = 2.827433388230814;
constexpr double kHyperbolicLimit = 40708.0;
constexpr double kExpLimit = 41.0;

using Result = std::optional<double>;

Result Hyperbolic(Function function, double u) {
    switch (function) {
        case Function::Sinh: return std::sinh(u);
        case Function::Cosh: return std::cosh(u);
        case Function::Tanh: return std::tanh(u);
        // The reciprocals are taken from the library functions rather than from sums of
        // exponentials, which lose every digit near 0 and give NaN once e^u overflows.
        case Function::Sech: return 1.0 / std::cosh(u);
        case Function::Csch: return 1.0 / std::sinh(u);
        default: return 1.0 / std::tanh(u);
    }
}

Result Trigonometric(Function function, double u) {
    switch (function) {
        case Function::Sin: return std::sin(u);
        case Function::Cos: return std::cos(u);
        case Function::Sec:
            if (std::cos(u) == 0.0) return std::nullopt;
            return 1.0 / std::cos(u);
        case Function::Csc:
            if (std::sin(u) == 0.0) return std::nullopt;
            return 1.0 / std::sin(u);
        case Function::Tan:
            if (std::cos(u) == 0.0) return std::nullopt;
            return std::tan(u);
        default: return std::cos(u) / std::sin(u);
    }
}

// The inverse functions in radians; the caller turns the result into the chosen unit.
Result Inverse(Function function, double a) {
    switch (function) {
        case Function::ArcSinh: return std::asinh(a);
        case Function::ArcCosh:
            if (a < 1.0) return std::nullopt;
            return std::acosh(a);
        case Function::ArcSech:
            if (a <= 0.0 || a > 1.0) return std::nullopt;
            return std::acosh(1.0 / a);
        case Function::ArcCsch:
            if (a == 0.0) return std::nullopt;
            return std::asinh(1.0 / a);
        case Function::ArcTanh:
            if (std::fabs(a) >= 1.0) return std::nullopt;
            return std::atanh(a);
        case Function::ArcCoth:
            if (std::fabs(a) <= 1.0) return std::nullopt;
            return std::atanh(1.0 / a);
        case Function::ArcSin:
        case Function::ArcCos:
            if (std::fabs(a) > 1.0) return std::nullopt;
            return function == Function::ArcSin ? std::asin(a) : std::acos(a);
        case Function::ArcSec:
        case Function::ArcCsc:
            if (std::fabs(1.0 / a) > 1.0) return std::nullopt;
            return function == Function::ArcSec ? std::acos(1.0 / a) : std::asin(1.0 / a);
        case Function::ArcTan: return std::atan(a);
        default: return a == 0.0 ? kPi / 2.0 : std::atan(1.0 / a);
    }
}

}  // namespace

AngleScale AngleScaleFor(int angleUnit) {
    // Other units are undefined for callers; they are read as degrees, the program's default.
    const double factor = angleUnit == 2 ? kRadianFactor : angleUnit == 3 ? kGradFactor : kDegreeFactor;
    return {factor / 180.0, 180.0 / factor};
}

double TruncateToInt32(double value) {
    if (value > -2147483649.0 && value < 2147483648.0) return std::trunc(value);
    return -2147483648.0;
}

Result ApplyFunction(Function function, double a, const AngleScale& angle) {
    switch (function) {
        case Function::Pi: return kPi;
        case Function::Abs: return std::fabs(a);
        case Function::Sqrt:
            if (a < 0.0) return std::nullopt;
            return std::sqrt(a);
        case Function::Sinh:
        case Function::Cosh:
            if (a >= kHyperbolicLimit || a <= -kHyperbolicLimit) return std::nullopt;
            [[fallthrough]];
        case Function::Tanh:
        case Function::Sech:
        case Function::Csch:
        case Function::Coth: return Hyperbolic(function, a * angle.toRadians);
        case Function::Ln:
        case Function::Log:
            if (a < 0.0) return std::nullopt;
            return function == Function::Ln ? std::log(a) : std::log10(a);
        case Function::Exp:
            if (a > kExpLimit) return std::nullopt;
            return std::exp(a);
        case Function::Sin:
        case Function::Cos:
        case Function::Sec:
        case Function::Csc:
        case Function::Tan:
        case Function::Cot: return Trigonometric(function, a * angle.toRadians);
        case Function::Int: return TruncateToInt32(a);
        case Function::Rad: return a * kPi / 180.0;
        case Function::Deg: return a * 180.0 / kPi;
        case Function::Sign: return a > 0.0 ? 1.0 : a < 0.0 ? -1.0 : 0.0;
        case Function::Kgv:
        case Function::Ggt:
        case Function::Hex: return a;
        default: {
            const Result radians = Inverse(function, a);
            if (!radians) return std::nullopt;
            return *radians * angle.fromRadians;
        }
    }
}

}  // namespace quantora
