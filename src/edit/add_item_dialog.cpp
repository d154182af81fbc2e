#include "edit/add_item_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "catalogue/name_order.h"
#include "edit/edit_dialog_parts.h"
#include "edit/field_text.h"
#include "ui/dialog_layout.h"
#include "ui/standard_ids.h"

namespace quantora {

namespace {

constexpr int kAbbreviationId = 1104;
constexpr int kValueId = 1105;
constexpr int kNameId = 1127;
constexpr int kOfId = 1129;
constexpr int kVisibleChoices = 6;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

dlgAddItem::dlgAddItem(const QString& title, const UnitEntryTexts& entry, const std::vector<UnitRecord>& choices,
                       WindowLaunchers& launchers, QWidget* parent)
    : QDialog(parent), entry_(entry) {
    setWindowTitle(title);
    DialogLayout layout(*this);
    setFixedSize(layout.Map({0, 0, 250, 96}).size());
    layout.Add<QLabel>(standard_id::kStatic, QStringLiteral("Unit Name:"), {7, 9, 48, 8});
    name_ = &layout.Add<QLineEdit>(kNameId, {60, 7, 183, 13});
    layout.Add<QLabel>(standard_id::kStatic, QStringLiteral("Abbriviation:"), {7, 26, 48, 8});
    abbreviation_ = &layout.Add<QLineEdit>(kAbbreviationId, {60, 24, 80, 13});
    layout.Add<QLabel>(standard_id::kStatic, QStringLiteral("Value:"), {7, 43, 48, 8});
    value_ = &layout.Add<QLineEdit>(kValueId, {60, 41, 70, 13});
    layout.Add<QLabel>(standard_id::kStatic, QStringLiteral("of:"), {135, 43, 12, 8});
    of_ = &layout.Add<QComboBox>(kOfId, {150, 41, 93, 13});
    of_->setEditable(true);
    of_->setInsertPolicy(QComboBox::NoInsert);
    of_->setMaxVisibleItems(kVisibleChoices);
    auto& ok = layout.Add<QPushButton>(standard_id::kOk, QStringLiteral("OK"), {70, 72, 50, 14});
    ok.setDefault(true);
    auto& cancel = layout.Add<QPushButton>(standard_id::kCancel, QStringLiteral("Cancel"), {130, 72, 50, 14});
    connect(&ok, &QPushButton::clicked, this, &dlgAddItem::accept);
    connect(&cancel, &QPushButton::clicked, this, &dlgAddItem::reject);
    AddHelpKey(*this, launchers, kCustomUnitsHelpPage);

    name_->setText(Text(entry.name));
    abbreviation_->setText(Text(entry.abbreviation));
    value_->setText(Text(entry.value));
    FillChoices(choices);
    name_->setFocus();
}

// The list is sorted by name as the user reads it; equal names keep the order they came in.
void dlgAddItem::FillChoices(const std::vector<UnitRecord>& choices) {
    std::vector<const UnitRecord*> sorted;
    for (const UnitRecord& unit : choices) {
        sorted.insert(
            sorted.begin() + static_cast<std::ptrdiff_t>(SortedInsertPosition(
                                 sorted, unit.name.Text(), [](const UnitRecord* u) { return u->name.Text(); })),
            &unit);
    }
    for (const UnitRecord* unit : sorted) of_->addItem(FromRecordText(unit->name.Text()), unit->unitId);
    of_->setCurrentIndex(of_->findData(entry_.referenceUnitId));
}

// A typed text picks the entry of that name; a text that names none picks nothing.
std::int32_t dlgAddItem::ChosenUnitId() const {
    int index = of_->currentIndex();
    if (index < 0 || of_->itemText(index) != of_->currentText()) index = of_->findText(of_->currentText());
    return index < 0 ? -1 : of_->itemData(index).toInt();
}

void dlgAddItem::accept() {
    struct Field {
        QLineEdit* edit;
        std::size_t maxLength;
        const char* label;
    };
    const std::array<Field, 3> fields{{{name_, kMaxUnitName, "The unit name"},
                                       {abbreviation_, kMaxAbbreviation, "The abbreviation"},
                                       {value_, kMaxUnitValue, "The value"}}};
    for (const Field& field : fields) {
        const FieldText text = ToFieldText(field.edit->text().toStdString(), field.maxLength, field.label);
        if (text.Refused()) {
            ShowRefusal(*this, text.refusal);
            field.edit->setFocus();
            return;
        }
    }
    entry_.name = name_->text().toStdString();
    entry_.abbreviation = abbreviation_->text().toStdString();
    entry_.value = value_->text().toStdString();
    entry_.referenceUnitId = ChosenUnitId();
    QDialog::accept();
}

}  // namespace quantora
