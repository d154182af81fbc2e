#pragma once

#include <string>

namespace quantora {

class UserPrompts;

// Evaluates a formula in one variable x. Never throws: faults come back in the error text, and
// the value computed so far is still returned. Angle unit 1 degrees, 2 radians, 3 grads.
class FormulaParser {
public:
    // `prompts` shows the programming-error message of SetFunctConst; it may be null.
    explicit FormulaParser(UserPrompts* prompts = nullptr);

    double Evaluate(std::string formula, double x, std::string& error, int angleUnit);

    // Stores a value into slot 1 to 9; the letters A to H read slots 1 to 8.
    void SetFunctConst(int index, double value);
};

}  // namespace quantora
