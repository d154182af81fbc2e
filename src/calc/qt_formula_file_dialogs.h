#pragma once

#include "calc/formula_file_dialogs.h"

class QWidget;

namespace quantora {

// The platform's file dialogs over QFileDialog, parented to the formula window.
class QtFormulaFileDialogs final : public FormulaFileDialogs {
public:
    explicit QtFormulaFileDialogs(QWidget* parent) : parent_(parent) {}

    std::optional<std::filesystem::path> AskOpenPath() override;
    std::optional<std::filesystem::path> AskSavePath(std::string_view initialName) override;

private:
    QWidget* parent_;
};

}  // namespace quantora
