#include "main/converter_dialog.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTreeWidget>
#include <algorithm>
#include <array>

#include "app/about_dialog.h"
#include "app/data_paths.h"
#include "app/dialog_units.h"
#include "app/help_window.h"
#include "app/profile_store.h"
#include "app/qt_user_prompts.h"
#include "app/widget_placement.h"
#include "catalogue/cp1252.h"
#include "convert/qt_number_locale.h"
#include "main/column_widths.h"
#include "main/elided_tip_delegate.h"
#include "ui/fx_button.h"

namespace quantora {

namespace {

namespace id = converter_id;

constexpr int kUnitColumn = 0;
constexpr int kAbbreviationColumn = 1;
constexpr int kValueColumn = 2;
constexpr int kMaxClipboardChars = 255;
constexpr int kDialogWidth = 442;
constexpr int kDialogHeight = 334;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 100);

struct ButtonEntry {
    int id;
    const char* caption;
    int x, y, width, height;
    int bitmapId;
    const char* tip;
    void (CConverterDlg::*handler)();
};

// Anchor bits: 0x10 top, 0x20 bottom, 0x40 left, 0x80 right.
struct AnchorEntry {
    int id;
    int bits;
};

constexpr int kTopBottomLeft = 0x70;
constexpr int kTopLeftRight = 0xD0;
constexpr int kAllEdges = 0xF0;
constexpr int kTopRight = 0x90;
constexpr int kBottomRight = 0xA0;

constexpr std::array<AnchorEntry, 20> kAnchors{{
    {id::kCategories, kTopBottomLeft},
    {id::kSourceList, kTopLeftRight},
    {id::kDestinationList, kAllEdges},
    {id::kSwap, kTopRight},
    {id::kAllUnits, kTopRight},
    {id::kCommonUnits, kTopRight},
    {id::kShowGroup, kTopRight},
    {id::kAngleGroup, kTopRight},
    {id::kDegrees, kTopRight},
    {id::kRadians, kTopRight},
    {id::kGrads, kTopRight},
    {id::kOptions, kTopRight},
    {id::kExit, kTopRight},
    {id::kHelp, kTopRight},
    {id::kUpdate, kTopRight},
    {id::kFormula, kTopRight},
    {id::kFind, kTopRight},
    {id::kElements, kTopRight},
    {id::kConstants, kTopRight},
    {id::kAbout, kBottomRight},
}};

struct TipEntry {
    int id;
    const char* tip;
};

constexpr std::array<TipEntry, 11> kTips{{
    {id::kExit, "Exit Application"},
    {id::kValue, "Type the value of the Source Unit to be converted"},
    {id::kSwap, "Swap selected units between Source and destination"},
    {id::kSourceList, "Source Units List"},
    {id::kDestinationList, "Destination Units List,Double-click to copy selected value to clipboard"},
    {id::kCategories, "Conversions Categories"},
    {id::kAllUnits, "List all the units in Source Units List"},
    {id::kCommonUnits, "List only common units in Source Units List"},
    {id::kDegrees, "Calculations is based on angle values of Degrees"},
    {id::kRadians, "Calculations is based on angle values of Radians"},
    {id::kGrads, "Calculations is based on angle values of Gradians"},
}};

QLabel* CreateLabel(QWidget& parent, int controlId, const QString& text, const QRect& place, const QColor& colour,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QString::number(controlId));
    label->setGeometry(place);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// The selection stays as visible as with focus, so the chosen pair is always plain to see.
void KeepSelectionVisible(QWidget& list) {
    QPalette palette = list.palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    list.setPalette(palette);
}

std::optional<std::size_t> SelectedRow(const QTreeWidget& list) {
    const auto items = list.selectedItems();
    if (items.isEmpty()) return std::nullopt;
    const int row = list.indexOfTopLevelItem(items.first());
    return row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
}

}  // namespace

CConverterDlg::CConverterDlg(ProfileStore& profile, const std::filesystem::path& executableFolder, QWidget* parent)
    : QDialog(parent),
      profile_(profile),
      executableFolder_(executableFolder),
      model_(profile, DataFilePath(executableFolder, "").parent_path()),
      units_(font()) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Quantora"));
    resize(units_.X(kDialogWidth), units_.Y(kDialogHeight));
    CreateCaptionsAndValue();
    CreateLists();
    CreateButtons();
    CreateChoices();
    CreateHiddenControls();
    ConnectImportCommands();
    CreateShortcuts();
    SetUpTooltips();
    SetUpAnchors();
    LoadCatalogue(model_.Reload(std::nullopt));
    value_->setText(QString::fromStdString(InitialValueText(profile_)));
    QFont systemFont(QStringLiteral("System"));
    systemFont.setPixelSize(12);
    for (int controlId : {id::kExit, id::kValueLabel, id::kCategoriesLabel}) {
        findChild<QWidget*>(QString::number(controlId))->setFont(systemFont);
    }
    value_->setFocus();
}

CConverterDlg::~CConverterDlg() {
    SaveValueText(profile_, value_->text().toStdString());
    SaveWindowPlacement(profile_, placement_entry::kMainWindow, *this);
}

void CConverterDlg::CreateCaptionsAndValue() {
    CreateLabel(*this, id::kCategoriesLabel, QStringLiteral("Categories:"), units_.Map(4, 3, 61, 12), kBlue);
    auto* valueLabel = CreateLabel(*this, id::kValueLabel, QStringLiteral("&Value:"), units_.Map(110, 3, 26, 9), kBlue);
    value_ = new QLineEdit(this);
    value_->setObjectName(QString::number(id::kValue));
    value_->setGeometry(units_.Map(140, 1, 118, 14));
    valueLabel->setBuddy(value_);
    connect(value_, &QLineEdit::textChanged, this, &CConverterDlg::OnValueChanged);

    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    sourceValue_ =
        CreateLabel(*this, id::kSourceValueLabel, QStringLiteral("Val1:"), units_.Map(110, 165, 56, 10), kRed, right);
    sourceUnit_ =
        CreateLabel(*this, id::kSourceUnitLabel, QStringLiteral("Unit1"), units_.Map(172, 165, 71, 10), kDarkBlue);
    destinationValue_ = CreateLabel(*this, id::kDestinationValueLabel, QStringLiteral("Val2"),
                                    units_.Map(252, 165, 56, 10), kRed, right);
    destinationUnit_ =
        CreateLabel(*this, id::kDestinationUnitLabel, QStringLiteral("Unit2"), units_.Map(313, 165, 61, 8), kDarkBlue);
}

void CConverterDlg::CreateLists() {
    categories_ = new QListWidget(this);
    categories_->setObjectName(QString::number(id::kCategories));
    categories_->setGeometry(units_.Map(2, 17, 105, 316));
    KeepSelectionVisible(*categories_);
    categories_->setItemDelegate(new ElidedTipDelegate(categories_));
    connect(categories_, &QListWidget::currentRowChanged, this, &CConverterDlg::OnCategoryChanged);

    sourceList_ = CreateUnitList(id::kSourceList, units_.Map(110, 17, 259, 147));
    destinationList_ = CreateUnitList(id::kDestinationList, units_.Map(110, 175, 259, 158));
    connect(sourceList_, &QTreeWidget::itemSelectionChanged, this, &CConverterDlg::OnSourceSelectionChanged);
    connect(sourceList_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OnSourceActivated(sourceList_->indexOfTopLevelItem(item)); });
    connect(destinationList_, &QTreeWidget::itemSelectionChanged, this, &CConverterDlg::OnDestinationSelectionChanged);
    sourceList_->viewport()->installEventFilter(this);
    destinationList_->viewport()->installEventFilter(this);
}

QTreeWidget* CConverterDlg::CreateUnitList(int controlId, const QRect& place) {
    auto* list = new QTreeWidget(this);
    list->setObjectName(QString::number(controlId));
    list->setGeometry(place);
    list->setColumnCount(3);
    list->setHeaderLabels({QStringLiteral("Unit"), QStringLiteral("Abbr."), QStringLiteral("Value")});
    list->headerItem()->setTextAlignment(kValueColumn, Qt::AlignRight | Qt::AlignVCenter);
    list->setColumnWidth(kUnitColumn, 120);
    list->setColumnWidth(kAbbreviationColumn, 80);
    list->setColumnWidth(kValueColumn, 160);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setItemDelegate(new ElidedTipDelegate(list));
    KeepSelectionVisible(*list);
    return list;
}

void CConverterDlg::CreateButtons() {
    static const std::array<ButtonEntry, 10> kButtons{{
        {id::kSwap, "&Swap", 310, 1, 59, 16, 194, "Swap selected units between Source and destination",
         &CConverterDlg::OnSwap},
        {id::kFormula, "&Formula", 382, 1, 59, 19, 193, "Open the Expressa Application", &CConverterDlg::OpenFormula},
        {id::kOptions, "&Options", 382, 22, 59, 19, 188, "Open Options Window", &CConverterDlg::OpenOptions},
        {id::kUpdate, "&Update", 382, 43, 59, 19, 189, "Update data files using internet", &CConverterDlg::OpenUpdate},
        {id::kFind, "F&ind", 382, 64, 59, 19, 196, "Find Unit or Category", &CConverterDlg::OnFind},
        {id::kConstants, "&Constants", 382, 85, 59, 19, 203, "View Physical Constants", &CConverterDlg::OpenConstants},
        {id::kElements, "&Elements", 382, 106, 59, 19, 204, "View Chemical Elements", &CConverterDlg::OpenElements},
        {id::kHelp, "&Help", 382, 183, 59, 19, 187, "Open Help", &CConverterDlg::OpenHelp},
        {id::kExit, "E&xit", 382, 204, 59, 19, 186, "Exit Application", &CConverterDlg::reject},
        {id::kAbout, "Abou&t", 382, 315, 43, 18, 195, "Open the About Quantora Box", &CConverterDlg::OpenAbout},
    }};
    for (const ButtonEntry& entry : kButtons) {
        auto* button = new CFxButton(this);
        button->setObjectName(QString::number(entry.id));
        button->setGeometry(units_.Map(entry.x, entry.y, entry.width, entry.height));
        button->setAutoDefault(false);
        ConfigureSkinnedButton(*button, entry.bitmapId, QString::fromUtf8(entry.caption), QString::fromUtf8(entry.tip));
        connect(button, &QPushButton::clicked, this, entry.handler);
    }
}

QRadioButton* CConverterDlg::CreateRadio(int controlId, const QString& text, const QRect& place, QButtonGroup& group) {
    auto* radio = new QRadioButton(text, this);
    radio->setObjectName(QString::number(controlId));
    radio->setGeometry(place);
    // The layout's widths leave room for a small check mark only; a style with a larger one
    // would cut the caption, so the caption's own width wins.
    radio->resize(std::max(place.width(), radio->sizeHint().width()), place.height());
    group.addButton(radio, controlId);
    return radio;
}

void CConverterDlg::CreateChoices() {
    auto* showGroup = new QGroupBox(QStringLiteral("Show :"), this);
    showGroup->setObjectName(QString::number(id::kShowGroup));
    showGroup->setGeometry(units_.Map(371, 226, 70, 42));
    unitsChoice_ = new QButtonGroup(this);
    allUnits_ = CreateRadio(id::kAllUnits, QStringLiteral("&All Units"), units_.Map(377, 238, 41, 10), *unitsChoice_);
    commonUnits_ =
        CreateRadio(id::kCommonUnits, QStringLiteral("Com&mon  Units"), units_.Map(377, 250, 61, 10), *unitsChoice_);
    (model_.CommonUnitsSetting() ? commonUnits_ : allUnits_)->setChecked(true);
    connect(allUnits_, &QRadioButton::clicked, this, &CConverterDlg::OnAllUnits);
    connect(commonUnits_, &QRadioButton::clicked, this, &CConverterDlg::OnCommonUnits);

    angleGroup_ = new QGroupBox(QStringLiteral("Angle type:"), this);
    angleGroup_->setObjectName(QString::number(id::kAngleGroup));
    angleGroup_->setGeometry(units_.Map(371, 269, 70, 42));
    angleGroup_->hide();
    angleChoice_ = new QButtonGroup(this);
    const std::array<std::pair<int, const char*>, 3> angles{
        {{id::kDegrees, "&Degrees"}, {id::kRadians, "&Radians"}, {id::kGrads, "&Grads"}}};
    const std::array<QRect, 3> places{units_.Map(377, 278, 43, 10), units_.Map(377, 288, 53, 10),
                                      units_.Map(377, 298, 53, 10)};
    for (std::size_t i = 0; i < angles.size(); ++i) {
        auto* radio = CreateRadio(angles[i].first, QString::fromUtf8(angles[i].second), places[i], *angleChoice_);
        radio->hide();
        const AngleUnit mode = std::array{AngleUnit::kDegrees, AngleUnit::kRadians, AngleUnit::kGrads}[i];
        connect(radio, &QRadioButton::clicked, this, [this, mode] { OnAngleChosen(mode); });
    }
}

void CConverterDlg::CreateHiddenControls() {
    auto* importList = new QListWidget(this);
    importList->setObjectName(QString::number(id::kImportList));
    importList->setSortingEnabled(true);
    importList->hide();
    const std::array<std::pair<int, const char*>, 6> buttons{{{id::kSaveMainItems, "Save Main Items"},
                                                              {id::kSaveItems, "Save Items"},
                                                              {id::kSaveTemps, "Save Temps"},
                                                              {id::kSaveCurrencies, "Save Curr"},
                                                              {id::kButton1, "Button1"},
                                                              {id::kCustomUnits, "Custom Units"}}};
    for (const auto& [controlId, text] : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(QString::number(controlId));
        button->setAutoDefault(false);
        button->hide();
        if (controlId == id::kCustomUnits)
            connect(button, &QPushButton::clicked, this, &CConverterDlg::OpenCustomUnits);
    }
}

void CConverterDlg::CreateShortcuts() {
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
            &CConverterDlg::OnFind);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &CConverterDlg::OpenHelp);
}

void CConverterDlg::SetUpTooltips() {
    for (const TipEntry& entry : kTips) {
        findChild<QWidget*>(QString::number(entry.id))->setToolTip(QString::fromUtf8(entry.tip));
    }
}

void CConverterDlg::SetUpAnchors() {
    for (const AnchorEntry& entry : kAnchors) anchors_.Register(entry.id, entry.bits);
    anchors_.SetUp(*this, true);
}

void CConverterDlg::LoadCatalogue(const CatalogueReload& reload) {
    if (!reload.report.complete) QtUserPrompts(this).Message(reload.report.error, "Quantora");
    FillCategoryList();
    if (reload.lineToSelect) {
        const QSignalBlocker blocker(categories_);
        categories_->setCurrentRow(static_cast<int>(*reload.lineToSelect));
        categories_->scrollToItem(categories_->currentItem());
    }
    RunCategorySelection();
}

void CConverterDlg::FillCategoryList() {
    const QSignalBlocker blocker(categories_);
    categories_->clear();
    for (const CategoryRecord& category : model_.Units().Categories()) {
        auto* item = new QListWidgetItem(QString::fromStdString(Cp1252ToUtf8(category.name.Text())), categories_);
        item->setData(Qt::UserRole, category.categoryId);
    }
}

void CConverterDlg::RunCategorySelection() {
    const CategorySelection selection = model_.SelectCategory(SelectedCategoryLine());
    if (selection.line) {
        const QSignalBlocker blocker(categories_);
        categories_->setCurrentRow(static_cast<int>(*selection.line));
        categories_->scrollToItem(categories_->currentItem());
    }
    ShowAngleChoices(selection);
    FillUnitLists();
    MeasureNameColumns();
    SelectRow(*sourceList_, selection.sourceRow);
    SelectRow(*destinationList_, selection.destinationRow);
    ConvertFrom(model_.SourceRow());
    SizeColumns();
}

void CConverterDlg::ShowAngleChoices(const CategorySelection& selection) {
    angleGroup_->setVisible(selection.angleChoicesShown);
    for (QAbstractButton* radio : angleChoice_->buttons()) radio->setVisible(selection.angleChoicesShown);
    if (!selection.angleChoicesShown) return;
    // An exclusive group refuses to uncheck its last button, and an unknown mode checks none.
    angleChoice_->setExclusive(false);
    for (QAbstractButton* radio : angleChoice_->buttons()) radio->setChecked(false);
    angleChoice_->setExclusive(true);
    if (selection.checkedAngle != 0) angleChoice_->button(id::kDegrees + selection.checkedAngle - 1)->setChecked(true);
}

void CConverterDlg::FillUnitLists() {
    for (QTreeWidget* list : {sourceList_, destinationList_}) {
        const QSignalBlocker blocker(list);
        list->clear();
        QList<QTreeWidgetItem*> items;
        for (const UnitRowTexts& row : model_.Rows()) {
            auto* item = new QTreeWidgetItem(
                {QString::fromStdString(row.name), QString::fromStdString(row.abbreviation), QString()});
            item->setTextAlignment(kValueColumn, Qt::AlignRight | Qt::AlignVCenter);
            items.append(item);
        }
        list->addTopLevelItems(items);
    }
}

void CConverterDlg::SelectRow(QTreeWidget& list, std::optional<std::size_t> row) {
    if (!row) return;
    QTreeWidgetItem* item = list.topLevelItem(static_cast<int>(*row));
    if (item == nullptr) return;
    list.setCurrentItem(item);
    list.scrollToItem(item);
}

std::optional<std::size_t> CConverterDlg::SelectedCategoryLine() const {
    const int row = categories_->currentRow();
    if (row < 0 || categories_->selectedItems().isEmpty()) return std::nullopt;
    return static_cast<std::size_t>(row);
}

void CConverterDlg::OnCategoryChanged() { RunCategorySelection(); }

void CConverterDlg::OnSourceSelectionChanged() {
    const auto row = SelectedRow(*sourceList_);
    if (!row) return;
    model_.SelectSource(*row);
    ConvertFrom(row);
}

void CConverterDlg::OnDestinationSelectionChanged() {
    const auto row = SelectedRow(*destinationList_);
    if (!row) return;
    model_.SelectDestination(*row);
    ShowResultLine();
}

void CConverterDlg::OnSourceActivated(int row) {
    if (row >= 0) ConvertFrom(static_cast<std::size_t>(row));
}

void CConverterDlg::OnValueChanged() { ConvertFrom(SelectedRow(*sourceList_)); }

void CConverterDlg::OnSwap() {
    const auto source = SelectedRow(*sourceList_);
    const auto destination = SelectedRow(*destinationList_);
    SelectRow(*sourceList_, destination);
    SelectRow(*destinationList_, source);
}

void CConverterDlg::OnAllUnits() { LoadCatalogue(model_.ShowAllUnits(SelectedCategoryLine())); }

void CConverterDlg::OnCommonUnits() { LoadCatalogue(model_.ShowCommonUnits(SelectedCategoryLine())); }

void CConverterDlg::OnAngleChosen(AngleUnit mode) {
    model_.StoreAngleMode(mode);
    RunCategorySelection();
}

void CConverterDlg::OnDestinationDoubleClicked() {
    const auto row = SelectedRow(*destinationList_);
    const QString text = row ? destinationList_->topLevelItem(static_cast<int>(*row))->text(kValueColumn) : QString();
    QGuiApplication::clipboard()->setText(text.left(kMaxClipboardChars));
}

// The find window searches every unit, so the lists switch to all units before it opens.
void CConverterDlg::OnFind() {
    if (!allUnits_->isChecked()) {
        allUnits_->setChecked(true);
        OnAllUnits();
    }
    OpenFindWindow();
}

void CConverterDlg::OpenHelp() {
    if (helpWindow_ == nullptr) helpWindow_ = new HelpWindow(this);
    helpWindow_->ShowPage(HelpPagePath(executableFolder_, "index.htm"));
}

void CConverterDlg::OpenAbout() {
    AboutDialog about(this);
    about.exec();
}

// The Options window (dlgOptions) opens here; its OK reloads the catalogue and selects again.
void CConverterDlg::OpenOptions() {}

// The update window (CdlgDownload) opens here; replaced files reload the catalogue.
void CConverterDlg::OpenUpdate() {}

// The formula window (CFormulaDlg) opens here.
void CConverterDlg::OpenFormula() {}

// The physical constants list (dlgConstants) opens here.
void CConverterDlg::OpenConstants() {}

// The chemical elements list (dlgElements) opens here.
void CConverterDlg::OpenElements() {}

// The find window (dlgSearch) opens here; its result code selects a category line and a unit row.
void CConverterDlg::OpenFindWindow() {}

// The custom units editor (dlgCustom) opens here.
void CConverterDlg::OpenCustomUnits() {}

void CConverterDlg::ConvertFrom(std::optional<std::size_t> row) {
    if (model_.Convert(value_->text().toStdString(), row, UserNumberLocale())) {
        ShowValues();
        // A longer value must not end up cut off behind the list's edge.
        SizeColumns();
    }
    ShowResultLine();
}

void CConverterDlg::ShowValues() {
    const auto& rows = model_.Rows();
    for (QTreeWidget* list : {sourceList_, destinationList_}) {
        const int count = std::min(list->topLevelItemCount(), static_cast<int>(rows.size()));
        for (int row = 0; row < count; ++row) {
            const QString text = QString::fromStdString(rows[static_cast<std::size_t>(row)].value);
            QTreeWidgetItem* item = list->topLevelItem(row);
            if (item->text(kValueColumn) != text) item->setText(kValueColumn, text);
        }
    }
}

void CConverterDlg::ShowResultLine() {
    const ResultLine line = model_.CurrentResultLine();
    sourceValue_->setText(QString::fromStdString(line.sourceValue));
    sourceUnit_->setText(QString::fromStdString(line.sourceUnit));
    destinationValue_->setText(QString::fromStdString(line.destinationValue));
    destinationUnit_->setText(QString::fromStdString(line.destinationUnit));
}

// Both lists show the same texts in the same font, so one of them is measured for both.
int CConverterDlg::ColumnNeed(int column) const {
    const QAbstractItemView& view = *sourceList_;  // where the contents' width is public
    return std::max(view.sizeHintForColumn(column), sourceList_->header()->sectionSizeHint(column));
}

// The names change only with the rows, the values with every conversion.
void CConverterDlg::MeasureNameColumns() {
    unitNeed_ = ColumnNeed(kUnitColumn);
    abbreviationNeed_ = ColumnNeed(kAbbreviationColumn);
}

void CConverterDlg::SizeColumns() {
    const int valueNeed = ColumnNeed(kValueColumn);
    for (QTreeWidget* list : {sourceList_, destinationList_}) {
        const ColumnWidths widths = FitColumns(unitNeed_, abbreviationNeed_, valueNeed, list->viewport()->width());
        list->setColumnWidth(kUnitColumn, widths.unit);
        list->setColumnWidth(kAbbreviationColumn, widths.abbreviation);
        list->setColumnWidth(kValueColumn, widths.value);
    }
}

void CConverterDlg::showEvent(QShowEvent* event) {
    // A spontaneous show is the window system showing an already visible window again.
    if (MainWindowFirstShow().ShouldRestore(true, event->spontaneous())) {
        RestoreWindowPlacement(profile_, placement_entry::kMainWindow, *this);
    }
    QDialog::showEvent(event);
    SizeColumns();
}

void CConverterDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    anchors_.Apply();
    SizeColumns();
}

void CConverterDlg::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    anchors_.Apply();
}

void CConverterDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) anchors_.Apply();
}

// Enter and Esc would end a dialog; this one ends only by Exit or the close box.
void CConverterDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: event->accept(); return;
        default: QDialog::keyPressEvent(event);
    }
}

bool CConverterDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == destinationList_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        OnDestinationDoubleClicked();
    }
    // A scroll bar coming or going changes the room for the columns without resizing the window.
    if (event->type() == QEvent::Resize) SizeColumns();
    return QDialog::eventFilter(watched, event);
}

}  // namespace quantora
