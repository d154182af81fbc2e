// The main window's hidden maintenance commands: they rebuild the unit data files from the master
// texts and stamp the version list. Only their developers reach them, through hidden buttons and
// Ctrl+F12, Ctrl+F9 and Ctrl+F11.
#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "app/qt_user_prompts.h"
#include "main/converter_dialog.h"
#include "masters/data_import.h"
#include "quantora_version.h"
#include "ui/control_lookup.h"

namespace quantora {

namespace {

namespace id = converter_id;

const QString kCategoryFilter = QStringLiteral("Ini Files(*.ini);;Comma Seperated (*.csv)");
const QString kMasterFilter = QStringLiteral("ini Files(*.ini);;Comma Seperated(*.csv)");

}  // namespace

void CConverterDlg::ConnectImportCommands() {
    const auto onClick = [this](int controlId, void (CConverterDlg::*handler)()) {
        connect(&Control<QPushButton>(*this, controlId), &QPushButton::clicked, this, handler);
    };
    onClick(id::kSaveMainItems, &CConverterDlg::ImportCategories);
    onClick(id::kSaveItems, &CConverterDlg::ImportUnits);
    onClick(id::kSaveTemps, &CConverterDlg::ImportTemperatures);
    onClick(id::kSaveCurrencies, &CConverterDlg::ImportCurrencies);
    onClick(id::kButton1, &CConverterDlg::StampFirstVersions);
    const auto onKeys = [this](QKeyCombination keys, void (CConverterDlg::*handler)()) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, handler);
    };
    onKeys(Qt::CTRL | Qt::Key_F12, &CConverterDlg::ImportUnits);
    onKeys(Qt::CTRL | Qt::Key_F9, &CConverterDlg::ImportCurrencies);
    onKeys(Qt::CTRL | Qt::Key_F11, &CConverterDlg::StampSecondVersions);
    connect(&Control<QListWidget>(*this, id::kImportList), &QListWidget::currentTextChanged, this,
            [this](const QString& line) { QtUserPrompts(this).Message(line.toStdString(), kProgramName); });
}

std::optional<std::filesystem::path> CConverterDlg::AskMasterFile(const QString& filter) {
    const QString file = QFileDialog::getOpenFileName(this, QString(), QString(), filter);
    if (file.isEmpty()) return std::nullopt;
    // From UTF-16: the narrow constructor would read UTF-8 bytes as the Windows code page.
    return std::filesystem::path(file.toStdU16String());
}

void CConverterDlg::ShowImportOutcome(const ImportOutcome& outcome) {
    auto& importList = Control<QListWidget>(*this, id::kImportList);
    {
        const QSignalBlocker blocker(importList);
        for (const std::string& line : outcome.listLines) importList.addItem(QString::fromStdString(line));
    }
    for (const std::string& message : outcome.messages) QtUserPrompts(this).Message(message, kProgramName);
}

void CConverterDlg::ImportCategories() {
    ShowImportOutcome(ImportCategoriesFile(AskMasterFile(kCategoryFilter), model_.DataFolder()));
}

void CConverterDlg::ImportUnits() {
    ShowImportOutcome(ImportUnitsFile(AskMasterFile(kMasterFilter), model_.DataFolder()));
}

void CConverterDlg::ImportTemperatures() {
    ShowImportOutcome(ImportTemperaturesFile(AskMasterFile(kMasterFilter), model_.DataFolder()));
}

void CConverterDlg::ImportCurrencies() {
    ShowImportOutcome(ImportCurrenciesFile(AskMasterFile(kMasterFilter), model_.DataFolder()));
}

void CConverterDlg::StampFirstVersions() {
    ShowImportOutcome(WriteVersionStampsFile(StampSet::kFirst, model_.DataFolder()));
}

void CConverterDlg::StampSecondVersions() {
    ShowImportOutcome(WriteVersionStampsFile(StampSet::kSecond, model_.DataFolder()));
}

}  // namespace quantora
