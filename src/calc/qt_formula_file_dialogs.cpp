#include "calc/qt_formula_file_dialogs.h"

#include <QFileDialog>
#include <QString>

#include "catalogue/path_text.h"

namespace quantora {

namespace {

const QString kFilter = QStringLiteral("Expressa Files(*.xpq)");

std::optional<std::filesystem::path> Chosen(const QString& file) {
    if (file.isEmpty()) return std::nullopt;
    return PathFromUtf8(file.toStdString());
}

}  // namespace

std::optional<std::filesystem::path> QtFormulaFileDialogs::AskOpenPath() {
    return Chosen(QFileDialog::getOpenFileName(parent_, QString(), QString(), kFilter));
}

// QFileDialog asks before it lets an existing file be chosen.
std::optional<std::filesystem::path> QtFormulaFileDialogs::AskSavePath(std::string_view initialName) {
    const QString name = QString::fromUtf8(initialName.data(), static_cast<qsizetype>(initialName.size()));
    return Chosen(QFileDialog::getSaveFileName(parent_, QString(), name, kFilter));
}

}  // namespace quantora
