#include "edit/custom_dialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <array>

#include "edit/add_item_dialog.h"
#include "edit/edit_dialog_parts.h"
#include "edit/field_text.h"
#include "edit/input_dialog.h"
#include "ui/dialog_layout.h"
#include "ui/list_selection.h"
#include "ui/standard_ids.h"

namespace quantora {

namespace {

namespace id = custom_id;

void SelectLine(QListWidget& list, std::optional<std::size_t> row) {
    if (!row) return;
    list.setCurrentRow(static_cast<int>(*row));
    list.scrollToItem(list.currentItem());
}

}  // namespace

dlgCustom::dlgCustom(const std::filesystem::path& dataFolder, WindowLaunchers& launchers, QWidget* parent)
    : QDialog(parent), dataFolder_(dataFolder), launchers_(launchers) {
    setWindowTitle(QStringLiteral("Custom Units"));
    CreateControls();
    AddHelpKey(*this, launchers_, kCustomUnitsHelpPage);
    loadError_ = model_.Load(dataFolder_);
    FillCategories(std::nullopt);
}

void dlgCustom::CreateControls() {
    DialogLayout layout(*this);
    setFixedSize(layout.Map({0, 0, 286, 186}).size());
    layout.Add<QGroupBox>(standard_id::kStatic, QStringLiteral("Categories:"), {7, 7, 132, 152});
    layout.Add<QGroupBox>(standard_id::kStatic, QStringLiteral("Units:"), {147, 7, 132, 152});
    categories_ = &layout.Add<QListWidget>(id::kCategories, {13, 19, 120, 115});
    units_ = &layout.Add<QListWidget>(id::kUnits, {153, 19, 120, 115});
    for (QListWidget* list : {categories_, units_}) list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(categories_, &QListWidget::itemSelectionChanged, this, &dlgCustom::OnCategorySelected);
    connect(units_, &QListWidget::itemDoubleClicked, this, &dlgCustom::OnModifyUnit);

    struct Button {
        int id;
        const char* caption;
        DialogRect place;
        void (dlgCustom::*handler)();
    };
    const std::array<Button, 7> buttons{{
        {id::kAddCategory, "&Add", {13, 139, 38, 14}, &dlgCustom::OnAddCategory},
        {id::kRenameCategory, "&Rename", {54, 139, 38, 14}, &dlgCustom::OnRenameCategory},
        {id::kRemoveCategory, "&Remove", {95, 139, 38, 14}, &dlgCustom::OnRemoveCategory},
        {id::kAddUnit, "A&dd", {153, 139, 38, 14}, &dlgCustom::OnAddUnit},
        {id::kModifyUnit, "&Modify", {194, 139, 38, 14}, &dlgCustom::OnModifyUnit},
        {id::kRemoveUnit, "&Remove", {235, 139, 38, 14}, &dlgCustom::OnRemoveUnit},
        {id::kClose, "&Close", {229, 165, 50, 14}, &dlgCustom::reject},
    }};
    for (const Button& entry : buttons) {
        auto& button = layout.Add<QPushButton>(entry.id, QString::fromUtf8(entry.caption), entry.place);
        button.setAutoDefault(false);
        connect(&button, &QPushButton::clicked, this, entry.handler);
    }
}

void dlgCustom::FillCategories(std::optional<std::size_t> lineToSelect) {
    const QSignalBlocker blocker(categories_);
    categories_->clear();
    for (const CategoryRecord& category : model_.Categories()) {
        auto* item = new QListWidgetItem(FromRecordText(category.name.Text()), categories_);
        item->setData(Qt::UserRole, category.categoryId);
    }
    SelectLine(*categories_, lineToSelect);
}

void dlgCustom::FillUnits(std::optional<std::size_t> rowToSelect) {
    const QSignalBlocker blocker(units_);
    units_->clear();
    for (const UnitRecord& unit : model_.SelectedUnits()) {
        auto* item = new QListWidgetItem(FromRecordText(unit.name.Text()), units_);
        item->setData(Qt::UserRole, unit.unitId);
    }
    SelectLine(*units_, rowToSelect);
}

std::optional<std::int32_t> dlgCustom::SelectedUnitId() const {
    const auto items = units_->selectedItems();
    if (items.isEmpty()) return std::nullopt;
    return items.first()->data(Qt::UserRole).toInt();
}

std::optional<QString> dlgCustom::AskCategoryName(const QString& title, const QString& value) {
    auto check = [](const QString& text) {
        return ToFieldText(text.toStdString(), kMaxCategoryName, "The category name").refusal;
    };
    dlgInput input(title, QStringLiteral("Pls. enter new category:"), value, check, launchers_, this);
    if (input.exec() != QDialog::Accepted) return std::nullopt;
    return input.Value();
}

bool dlgCustom::SureToDelete() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Question"), QStringLiteral("Sure to Delete"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void dlgCustom::OnCategorySelected() {
    model_.SelectCategory(SelectedRow(*categories_));
    FillUnits(std::nullopt);
}

void dlgCustom::OnAddCategory() {
    const auto name = AskCategoryName(QStringLiteral("New Category"), QString());
    if (!name) return;
    const EditOutcome added = model_.AddCategory(name->toStdString());
    if (added.Refused()) return ShowRefusal(*this, added.refusal);
    FillCategories(added.row);
    FillUnits(std::nullopt);
}

void dlgCustom::OnRenameCategory() {
    const auto line = model_.SelectedLine();
    if (!line) return QApplication::beep();
    const auto name =
        AskCategoryName(QStringLiteral("Rename Category"), FromRecordText(model_.Categories()[*line].name.Text()));
    if (!name) return;
    const EditOutcome renamed = model_.RenameCategory(name->toStdString());
    if (renamed.Refused()) return ShowRefusal(*this, renamed.refusal);
    FillCategories(renamed.row);
    FillUnits(std::nullopt);
}

// The unit list keeps its lines until another category is selected.
void dlgCustom::OnRemoveCategory() {
    if (!model_.SelectedLine()) return QApplication::beep();
    if (!SureToDelete()) return;
    model_.RemoveCategory();
    FillCategories(std::nullopt);
}

void dlgCustom::OnAddUnit() {
    if (!model_.SelectedLine()) return;
    dlgAddItem dialog(QStringLiteral("New Unit"), UnitEntryTexts{}, model_.ReferenceChoices(), launchers_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const EditOutcome added = model_.AddUnit(dialog.Entry());
    if (added.Refused()) return ShowRefusal(*this, added.refusal);
    FillUnits(added.row);
}

void dlgCustom::OnModifyUnit() {
    const auto unitId = SelectedUnitId();
    if (!unitId) return QApplication::beep();
    if (!model_.SelectedLine()) return;
    const auto prefill = model_.ModifyPrefill(*unitId);
    if (!prefill) return;
    dlgAddItem dialog(QStringLiteral("Edit Unit"), *prefill, model_.ReferenceChoices(), launchers_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const EditOutcome modified = model_.ModifyUnit(*unitId, dialog.Entry());
    if (modified.Refused()) return ShowRefusal(*this, modified.refusal);
    FillUnits(modified.row);
}

void dlgCustom::OnRemoveUnit() {
    const auto unitId = SelectedUnitId();
    if (!unitId) return QApplication::beep();
    if (!model_.SelectedLine()) return;
    if (!SureToDelete()) return;
    model_.RemoveUnit(*unitId);
    delete units_->selectedItems().first();
}

// Closing saves, however the window is closed; a window that could not read its files writes nothing.
void dlgCustom::done(int result) {
    if (!loadError_) {
        if (auto error = model_.Save(dataFolder_)) ShowRefusal(*this, *error);
    }
    QDialog::done(result);
}

}  // namespace quantora
