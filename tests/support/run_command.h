#pragma once

#include <cstdlib>
#include <string>

namespace quantora::test {

// Runs `command` through the system's shell and returns its status. Windows' cmd /c drops the first
// and the last quote of a command that starts with one, so there the whole command is quoted again.
inline int RunCommand(const std::string& command) {
#ifdef _WIN32
    return std::system(("\"" + command + "\"").c_str());
#else
    return std::system(command.c_str());
#endif
}

}  // namespace quantora::test
