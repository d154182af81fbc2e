#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace quantora {

// The open-file and save-file dialogs of formula files ("Expressa Files(*.xpq)", "*.xpq"). Both
// hand back the chosen full path, or nothing when the user cancels.
class FormulaFileDialogs {
public:
    virtual ~FormulaFileDialogs() = default;
    virtual std::optional<std::filesystem::path> AskOpenPath() = 0;
    // Asks before an existing file is overwritten; `initialName` is UTF-8.
    virtual std::optional<std::filesystem::path> AskSavePath(std::string_view initialName) = 0;
};

}  // namespace quantora
