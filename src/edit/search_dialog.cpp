#include "edit/search_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>

#include "app/widget_placement.h"
#include "lists/list_keys.h"
#include "ui/dialog_layout.h"
#include "ui/record_text.h"
#include "ui/standard_ids.h"
#include "ui/tooltip_table.h"

namespace quantora {

namespace {

namespace id {
inline constexpr int kFilter = 1124;
inline constexpr int kList = 1133;
}  // namespace id

constexpr std::array<ControlTip, 2> kTips{{
    {id::kFilter, "Type a Unit or any part of an Unit"},
    {id::kList, "Units List,Double-Click a Unit to find its conversions"},
}};

}  // namespace

dlgSearch::dlgSearch(ProfileStore& profile, const Catalogue& catalogue, QWidget* parent)
    : QDialog(parent), profile_(profile), model_(catalogue) {
    setWindowTitle(QStringLiteral("Find"));
    DialogLayout layout(*this);
    resize(layout.Map({0, 0, 236, 228}).size());
    layout.Add<QGroupBox>(standard_id::kStatic, QStringLiteral("Type a part of a Unit or Category:"), {7, 4, 222, 196});
    filter_ = &layout.Add<QLineEdit>(id::kFilter, {14, 17, 208, 13});
    list_ = &layout.Add<QListWidget>(id::kList, {14, 34, 208, 159});
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    auto& ok = layout.Add<QPushButton>(standard_id::kOk, QStringLiteral("OK"), {110, 206, 56, 16});
    auto& cancel = layout.Add<QPushButton>(standard_id::kCancel, QStringLiteral("Cancel"), {173, 206, 56, 16});
    ok.setDefault(true);
    connect(&ok, &QPushButton::clicked, this, &dlgSearch::Choose);
    connect(&cancel, &QPushButton::clicked, this, &QDialog::reject);

    shown_.reserve(model_.LineCount());
    for (std::size_t i = 0; i < model_.LineCount(); ++i) {
        shown_.push_back(FromRecordText(model_.Line(i).text));
    }
    SetTooltips(*this, kTips);
    RestoreWindowPlacement(profile_, placement_entry::kSearchWindow, *this);
    Fill();
    connect(filter_, &QLineEdit::textChanged, this, &dlgSearch::Fill);
    connect(list_, &QListWidget::itemDoubleClicked, this, &dlgSearch::Choose);
    new ListKeys(*filter_, *list_, [this] { Choose(); });
    filter_->setFocus();
}

dlgSearch::~dlgSearch() { SaveWindowPlacement(profile_, placement_entry::kSearchWindow, *this); }

// The model's lines are in the list's sorted order already, so the list need not sort them again.
void dlgSearch::Fill() {
    const std::string filter = ToRecordText(filter_->text());
    list_->setUpdatesEnabled(false);
    list_->clear();
    for (std::size_t index : model_.Filter(filter)) {
        auto* item = new QListWidgetItem(shown_[index], list_);
        item->setData(Qt::UserRole, model_.Line(index).positionCode);
    }
    // The best match is chosen as the user narrows the list, so Enter takes it at once.
    if (!filter.empty() && list_->count() > 0) list_->setCurrentRow(0);
    list_->setUpdatesEnabled(true);
}

void dlgSearch::Choose() {
    const auto selected = list_->selectedItems();
    if (!selected.isEmpty()) result_ = selected.first()->data(Qt::UserRole).toInt();
    accept();
}

}  // namespace quantora
