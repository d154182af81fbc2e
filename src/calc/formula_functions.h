#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quantora {

// The built-in names in the order the name table tries them; a name that begins with a shorter
// name comes before it.
enum class Function : std::uint8_t {
    Pi,
    Abs,
    Sqrt,
    Sinh,
    Cosh,
    Tanh,
    Sech,
    Csch,
    Coth,
    Ln,
    Log,
    Exp,
    Sin,
    Cos,
    Sec,
    Csc,
    Tan,
    Cot,
    Int,
    Rad,
    Deg,
    Sign,
    ArcSinh,
    ArcCosh,
    ArcSech,
    ArcCsch,
    ArcTanh,
    ArcCoth,
    ArcSin,
    ArcCos,
    ArcSec,
    ArcCsc,
    ArcTan,
    ArcCot,
    Kgv,
    Ggt,
    Hex,
};

inline constexpr std::array<std::string_view, 37> kFunctionNames{
    "PI",     "ABS",    "SQRT",    "SINH",    "COSH",    "TANH",    "SECH",    "CSCH",    "COTH",   "LN",
    "LOG",    "EXP",    "SIN",     "COS",     "SEC",     "CSC",     "TAN",     "COT",     "INT",    "RAD",
    "DEG",    "SIGN",   "ARCSINH", "ARCCOSH", "ARCSECH", "ARCCSCH", "ARCTANH", "ARCCOTH", "ARCSIN", "ARCCOS",
    "ARCSEC", "ARCCSC", "ARCTAN",  "ARCCOT",  "KGV",     "GGT",     "HEX",
};

// How the chosen angle unit maps to radians and back (angle unit 1 degrees, 2 radians, 3 grads).
struct AngleScale {
    double toRadians;
    double fromRadians;
};

AngleScale AngleScaleFor(int angleUnit);

// The value of the function at `argument`, or nothing when the argument is outside its domain.
std::optional<double> ApplyFunction(Function function, double argument, const AngleScale& angle);

// Truncation toward zero through a 32-bit signed integer; values outside its range (and NaN) give
// its lowest value, as the processor's conversion does.
double TruncateToInt32(double value);

}  // namespace quantora
