#pragma once

#include <string>
#include <vector>

namespace quantora {

// The words after the program name in UTF-8, whatever code page the system runs: Windows reads
// its wide command line, elsewhere the words are taken as the shell gave them.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Makes the console show UTF-8 output as such (Windows needs telling; elsewhere nothing to do).
void UseUtf8Console();

}  // namespace quantora
