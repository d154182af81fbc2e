#pragma once

#include <string>
#include <vector>

namespace quantora {

// The lines of the formula window's function list, as the formula takes them: a heading (starting
// with "-", which inserts nothing) before each group, then each function as "name(x)" in the
// parser's own spelling.
std::vector<std::string> FunctionListLines();

}  // namespace quantora
