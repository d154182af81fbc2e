#include "edit/options_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/profile_store.h"
#include "app/widget_placement.h"
#include "app/window_placement.h"
#include "edit/edit_dialog_parts.h"
#include "main/window_launchers.h"
#include "ui/dialog_layout.h"
#include "ui/list_selection.h"
#include "ui/standard_ids.h"

namespace quantora {

namespace {

namespace id = options_id;

constexpr std::string_view kHelpPage = "Options.htm";

struct SettingRow {
    int editId;
    const char* label;
    DialogRect labelPlace;
    DialogRect editPlace;
};

// In the order of kOptionTextSettings.
constexpr std::array<SettingRow, kOptionTextSettings.size()> kSettingRows{{
    {id::kMin, "Values smaller than this value  :", {7, 9, 112, 8}, {120, 7, 40, 13}},
    {id::kSmallSymbol, "Will equal this symbol:", {180, 9, 90, 8}, {272, 7, 41, 13}},
    {id::kMax, "Values greater than this value :", {7, 25, 112, 8}, {120, 23, 40, 13}},
    {id::kBigSymbol, "will equal  this symbol:", {180, 25, 90, 8}, {272, 23, 41, 13}},
    {id::kDecimal, "Number of decimal places:", {7, 41, 112, 8}, {120, 39, 40, 13}},
    {id::kExpMin,
     "Values smaller than this value will be shown in Scientific notation format:",
     {7, 57, 262, 8},
     {272, 55, 41, 13}},
    {id::kExpMax,
     "Values greater than this value will be shown in Scientific notation format:",
     {7, 73, 262, 8},
     {272, 71, 41, 13}},
}};

void AddCheckLine(QListWidget& list, const QString& text, bool checked) {
    auto* item = new QListWidgetItem(text, &list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void ShowMarks(QListWidget& list, const std::vector<bool>& marks) {
    const QSignalBlocker blocker(&list);
    for (int row = 0; row < list.count() && static_cast<std::size_t>(row) < marks.size(); ++row) {
        list.item(row)->setCheckState(marks[static_cast<std::size_t>(row)] ? Qt::Checked : Qt::Unchecked);
    }
}

}  // namespace

dlgOptions::dlgOptions(ProfileStore& profile, const std::filesystem::path& dataFolder, WindowLaunchers& launchers,
                       QWidget* parent)
    : QDialog(parent), profile_(profile), dataFolder_(dataFolder), launchers_(launchers) {
    setWindowTitle(QStringLiteral("Options"));
    DialogLayout layout(*this);
    resize(layout.Map({0, 0, 320, 240}).size());
    CreateSettings(layout);
    CreateLists(layout);
    CreateButtons(layout);
    AddHelpKey(*this, launchers_, kHelpPage);
    load_ = model_.Load(dataFolder_);
    FillCategories();
    display_->setEnabled(model_.CanSave());
    RestoreWindowPlacement(profile_, placement_entry::kOptionsWindow, *this);
    ShowSettings(ReadOptionSettings(profile_));
}

dlgOptions::~dlgOptions() { SaveWindowPlacement(profile_, placement_entry::kOptionsWindow, *this); }

void dlgOptions::CreateSettings(DialogLayout& layout) {
    for (std::size_t i = 0; i < kSettingRows.size(); ++i) {
        const SettingRow& row = kSettingRows[i];
        auto& label = layout.Add<QLabel>(standard_id::kStatic, QString::fromUtf8(row.label), row.labelPlace);
        edits_[i] = &layout.Add<QLineEdit>(row.editId, row.editPlace);
        label.setBuddy(edits_[i]);
    }
    separator_ =
        &layout.AddChoice<QCheckBox>(id::kSeparator, QStringLiteral("Use 1000 separator (,)"), {180, 41, 100, 10});
}

void dlgOptions::CreateLists(DialogLayout& layout) {
    display_ = &layout.Add<QGroupBox>(standard_id::kStatic, QStringLiteral("Categories and units to display:"),
                                      {7, 89, 306, 124});
    DialogLayout inside(*display_);
    inside.Add<QLabel>(standard_id::kStatic, QStringLiteral("Categories:"), {6, 11, 60, 8});
    inside.Add<QLabel>(standard_id::kStatic, QStringLiteral("Units:"), {158, 11, 60, 8});
    categories_ = &inside.Add<QListWidget>(id::kCategories, {6, 21, 142, 80});
    units_ = &inside.Add<QListWidget>(id::kUnits, {158, 21, 142, 80});
    for (QListWidget* list : {categories_, units_}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->installEventFilter(this);
    }
    connect(categories_, &QListWidget::itemSelectionChanged, this, &dlgOptions::OnCategorySelected);
    connect(units_, &QListWidget::itemSelectionChanged, this, &dlgOptions::OnUnitSelected);
    connect(categories_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        model_.MarkCategory(static_cast<std::size_t>(categories_->row(item)), item->checkState() == Qt::Checked);
    });
    connect(units_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        model_.MarkUnit(static_cast<std::size_t>(units_->row(item)), item->checkState() == Qt::Checked);
    });

    struct ListButton {
        int id;
        const char* caption;
        DialogRect place;
        void (OptionsModel::*mark)(bool);
        bool checked;
    };
    const std::array<ListButton, 4> buttons{{
        {id::kSelectAllCategories, "&Select All", {6, 104, 68, 14}, &OptionsModel::MarkAllCategories, true},
        {id::kClearAllCategories, "&Clear All", {80, 104, 68, 14}, &OptionsModel::MarkAllCategories, false},
        {id::kSelectAllUnits, "S&elect All", {158, 104, 68, 14}, &OptionsModel::MarkAllUnits, true},
        {id::kClearAllUnits, "C&lear All", {232, 104, 68, 14}, &OptionsModel::MarkAllUnits, false},
    }};
    for (const ListButton& entry : buttons) {
        auto& button = inside.Add<QPushButton>(entry.id, QString::fromUtf8(entry.caption), entry.place);
        button.setAutoDefault(false);
        connect(&button, &QPushButton::clicked, this, [this, entry] {
            (model_.*entry.mark)(entry.checked);
            ShowMarks(*categories_, model_.CategoryMarks());
            ShowMarks(*units_, model_.UnitMarks());
        });
    }
}

void dlgOptions::CreateButtons(DialogLayout& layout) {
    auto& defaults = layout.Add<QPushButton>(id::kDefaults, QStringLiteral("&Defaults"), {7, 219, 50, 14});
    auto& custom = layout.Add<QPushButton>(id::kCustomUnits, QStringLiteral("Custom &Units"), {63, 219, 60, 14});
    auto& ok = layout.Add<QPushButton>(standard_id::kOk, QStringLiteral("&OK"), {207, 219, 50, 14});
    auto& cancel = layout.Add<QPushButton>(standard_id::kCancel, QStringLiteral("&Cancel"), {263, 219, 50, 14});
    for (QPushButton* button : {&defaults, &custom, &cancel}) button->setAutoDefault(false);
    ok.setDefault(true);
    connect(&defaults, &QPushButton::clicked, this, &dlgOptions::OnDefaults);
    connect(&custom, &QPushButton::clicked, this, [this] { launchers_.RunCustomUnits(*this); });
    connect(&ok, &QPushButton::clicked, this, &dlgOptions::OnOk);
    connect(&cancel, &QPushButton::clicked, this, &dlgOptions::reject);
}

void dlgOptions::ShowSettings(const OptionSettings& settings) {
    for (std::size_t i = 0; i < edits_.size(); ++i) edits_[i]->setText(QString::fromStdString(settings.texts[i]));
    separator_->setChecked(settings.separator);
}

OptionSettings dlgOptions::TypedSettings() const {
    OptionSettings settings;
    for (std::size_t i = 0; i < edits_.size(); ++i) settings.texts[i] = edits_[i]->text().toStdString();
    settings.separator = separator_->isChecked();
    return settings;
}

void dlgOptions::FillCategories() {
    const QSignalBlocker blocker(categories_);
    categories_->clear();
    const auto categories = model_.Categories();
    for (std::size_t line = 0; line < categories.size(); ++line) {
        AddCheckLine(*categories_, FromRecordText(categories[line].name.Text()), model_.CategoryMarks()[line]);
        categories_->item(static_cast<int>(line))->setData(Qt::UserRole, categories[line].categoryId);
    }
}

void dlgOptions::FillUnits() {
    const QSignalBlocker blocker(units_);
    units_->clear();
    const auto line = model_.SelectedCategory();
    if (!line) return;
    const auto units = model_.Units(model_.Categories()[*line].categoryId);
    for (std::size_t row = 0; row < units.size(); ++row) {
        AddCheckLine(*units_, FromRecordText(units[row].name.Text()), model_.UnitMarks()[row]);
    }
}

void dlgOptions::OnCategorySelected() {
    model_.SelectCategory(SelectedRow(*categories_));
    FillUnits();
}

void dlgOptions::OnUnitSelected() { model_.SelectUnit(SelectedRow(*units_)); }

void dlgOptions::OnDefaults() {
    ShowSettings(DefaultOptionSettings());
    model_.ShowEverything();
    ShowMarks(*categories_, model_.CategoryMarks());
    ShowMarks(*units_, model_.UnitMarks());
}

void dlgOptions::OnOk() {
    WriteOptionSettings(profile_, TypedSettings());
    SaveWorkingCopy();
    accepted_ = true;
    accept();
}

// Cancel, Esc and the close box all come here: the visibility choices are saved even then.
void dlgOptions::done(int result) {
    if (result != QDialog::Accepted) SaveWorkingCopy();
    QDialog::done(result);
}

// A mark set in a list counts once the list is left; Enter and Alt+O close the window with the
// focus still in it, so the marks are taken here as well.
void dlgOptions::SaveWorkingCopy() {
    model_.LeaveCategoryList();
    model_.LeaveUnitList();
    if (auto error = model_.Save(dataFolder_)) ShowRefusal(*this, *error);
}

bool dlgOptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == categories_) model_.LeaveCategoryList();
        if (watched == units_) model_.LeaveUnitList();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quantora
