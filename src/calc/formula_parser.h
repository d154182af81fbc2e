#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "calc/angle_unit.h"
#include "calc/formula_functions.h"
#include "calc/formula_preprocessor.h"

namespace quantora {

class UserPrompts;

// Evaluates a formula in one variable x. Never throws: faults come back in the error text, and
// the value computed so far is still returned. Angle unit 1 degrees, 2 radians, 3 grads.
class FormulaParser {
public:
    // `prompts` shows the programming-error message of SetFunctConst; it may be null.
    explicit FormulaParser(UserPrompts* prompts = nullptr);

    double Evaluate(const std::string& formula, double x, std::string& error, int angleUnit);
    double Evaluate(const std::string& formula, double x, std::string& error, AngleUnit angleUnit) {
        return Evaluate(formula, x, error, static_cast<int>(angleUnit));
    }

    // Stores a value into slot 1 to 9; the letters A to H read slots 1 to 8.
    void SetFunctConst(int index, double value);

    // Parentheses and names nested deeper than this are not read: evaluation stops there and the
    // position is reported, so no formula can exhaust the stack.
    static constexpr int kMaxNesting = 1000;

private:
    static constexpr int kEnd = -1;

    void NextToken();
    double Expression();
    double Term();
    double Power();
    double Unary();
    double Primary();
    double Number();
    double Parenthesised();
    double NameOrSlot();
    double RaisePower(double base, double exponent);

    UserPrompts* prompts_;
    std::array<double, 10> slots_{};
    FormulaPreprocessor preprocessor_;

    // State of the evaluation in progress.
    std::string_view text_;
    std::size_t position_ = 0;
    int token_ = kEnd;
    int depth_ = 0;
    double x_ = 0.0;
    AngleScale angle_{};
    const char* fault_ = nullptr;
};

}  // namespace quantora
