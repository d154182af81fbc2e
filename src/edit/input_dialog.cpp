#include "edit/input_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "edit/edit_dialog_parts.h"
#include "ui/dialog_layout.h"
#include "ui/standard_ids.h"

namespace quantora {

namespace {

constexpr int kValueId = 1124;
constexpr int kPromptId = 1125;

}  // namespace

dlgInput::dlgInput(const QString& title, const QString& prompt, const QString& value, TextCheck check,
                   WindowLaunchers& launchers, QWidget* parent)
    : QDialog(parent), value_(value), check_(std::move(check)) {
    setWindowTitle(title);
    DialogLayout layout(*this);
    setFixedSize(layout.Map({0, 0, 186, 62}).size());
    layout.Add<QLabel>(kPromptId, prompt, {7, 7, 172, 8});
    edit_ = &layout.Add<QLineEdit>(kValueId, {7, 18, 172, 14});
    edit_->setText(value);
    edit_->selectAll();
    auto& ok = layout.Add<QPushButton>(standard_id::kOk, QStringLiteral("OK"), {36, 40, 50, 14});
    ok.setDefault(true);
    auto& cancel = layout.Add<QPushButton>(standard_id::kCancel, QStringLiteral("Cancel"), {100, 40, 50, 14});
    connect(&ok, &QPushButton::clicked, this, &dlgInput::accept);
    connect(&cancel, &QPushButton::clicked, this, &dlgInput::reject);
    AddHelpKey(*this, launchers, kCustomUnitsHelpPage);
    edit_->setFocus();
}

void dlgInput::accept() {
    const std::string refusal = check_ ? check_(edit_->text()) : std::string();
    if (!refusal.empty()) {
        ShowRefusal(*this, refusal);
        edit_->setFocus();
        return;
    }
    value_ = edit_->text();
    QDialog::accept();
}

}  // namespace quantora
