#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <utility>

#include "cli/utf8_arguments.h"

namespace quantora {

std::vector<std::string> Utf8Arguments(int /*argc*/, char** /*argv*/) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; words && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, words[i], -1, nullptr, 0, nullptr, nullptr);
        std::string word(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, words[i], -1, word.data(), size, nullptr, nullptr);
        args.push_back(std::move(word));
    }
    LocalFree(words);
    return args;
}

void UseUtf8Console() { SetConsoleOutputCP(CP_UTF8); }

}  // namespace quantora
