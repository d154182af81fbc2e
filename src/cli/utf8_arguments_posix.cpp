#include "cli/utf8_arguments.h"

namespace quantora {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv + (argc > 0 ? 1 : 0), argv + argc}; }

void UseUtf8Console() {}

}  // namespace quantora
