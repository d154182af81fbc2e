#include "calc/function_list.h"

#include <array>
#include <string_view>
#include <variant>

#include "calc/ascii_case.h"
#include "calc/formula_functions.h"

namespace quantora {

namespace {

using Line = std::variant<std::string_view, Function>;

constexpr std::array<Line, 38> kLines{
    "----Trigonometric----",
    Function::Sin,
    Function::Cos,
    Function::Tan,
    Function::Sec,
    Function::Csc,
    Function::Cot,
    "------Hyperbolic------",
    Function::Sinh,
    Function::Cosh,
    Function::Tanh,
    Function::Sech,
    Function::Csch,
    Function::Coth,
    "-Inverse trigonometric-",
    Function::ArcSin,
    Function::ArcCos,
    Function::ArcTan,
    Function::ArcSec,
    Function::ArcCsc,
    Function::ArcCot,
    "--Inverse hyperbolic--",
    Function::ArcSinh,
    Function::ArcCosh,
    Function::ArcTanh,
    Function::ArcSech,
    Function::ArcCsch,
    Function::ArcCoth,
    "------Logarithmic-----",
    Function::Exp,
    Function::Ln,
    Function::Log,
    "--------Math--------",
    Function::Sqrt,
    "10^x",
    Function::Pi,
    Function::Abs,
    Function::Int,
};

std::string TextOf(Function function) {
    std::string text(kFunctionNames[static_cast<std::size_t>(function)]);
    for (char& c : text) c = ToLowerAscii(c);
    // A constant takes no argument.
    return function == Function::Pi ? text : text + "(x)";
}

}  // namespace

std::vector<std::string> FunctionListLines() {
    std::vector<std::string> lines;
    lines.reserve(kLines.size());
    for (const Line& line : kLines) {
        if (const auto* text = std::get_if<std::string_view>(&line)) {
            lines.emplace_back(*text);
        } else {
            lines.push_back(TextOf(std::get<Function>(line)));
        }
    }
    return lines;
}

}  // namespace quantora
