#pragma once

#include <string_view>

namespace quantora {

// A chain of "+", "-", "*", "/" terms worked strictly from left to right, without precedence:
// "2+3*4" is 20. The stored temperature formulas ("*1.8+32") rely on that order. A term that is no
// number counts as 0, and any other operator character is skipped together with its term, so
// "1,5" is 1 and an empty text is 0.
double EvaluateChain(std::string_view text);

}  // namespace quantora
