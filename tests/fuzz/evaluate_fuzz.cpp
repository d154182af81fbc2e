// Feeds arbitrary bytes to the evaluator: the first byte picks x ("0" gives 1), the second the angle unit, the
// rest is the formula. The evaluator must never crash or read out of bounds, and what it reports
// must be one of its own texts with a position inside the formula.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "calc/formula_parser.h"

namespace {

constexpr std::array<double, 12> kXs{
    1.0,
    0.0,
    -0.0,
    -1.0,
    0.5,
    90.0,
    1e308,
    -1e308,
    5e-324,
    std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(),
    std::numeric_limits<double>::quiet_NaN(),
};

bool IsFault(std::string_view text) {
    return text.empty() || text == " Divide by zero!" || text == " No SQRT from neg. values!" ||
           text == "General Parser Error blocked!";
}

bool IsReport(std::string_view error, std::size_t formulaLength) {
    if (IsFault(error)) return true;
    constexpr std::string_view kPrefix = "Error found on position ";
    if (!error.starts_with(kPrefix)) return false;
    error.remove_prefix(kPrefix.size());
    const std::size_t bang = error.find('!');
    if (bang == std::string_view::npos) return false;
    const unsigned long position = std::strtoul(std::string(error.substr(0, bang)).c_str(), nullptr, 10);
    // Preprocessing never lengthens the text, so the position lies within what was typed.
    return position >= 1 && position <= formulaLength && IsFault(error.substr(bang + 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    static quantora::FormulaParser parser;
    const double x = kXs[data[0] % kXs.size()];
    // The digits "1", "2" and "3" pick the three units; other bytes give units no caller passes.
    const int angleUnit = static_cast<int>((data[1] + 2u) % 5u);
    const std::string formula(reinterpret_cast<const char*>(data + 2), size - 2);
    std::string error;
    parser.Evaluate(formula, x, error, angleUnit);
    if (!IsReport(error, formula.size())) std::abort();
    return 0;
}
