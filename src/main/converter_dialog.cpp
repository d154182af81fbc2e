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

#include "app/profile_store.h"
#include "app/qt_user_prompts.h"
#include "app/widget_placement.h"
#include "convert/environment_number_locale.h"
#include "convert/format_settings.h"
#include "convert/widest_result.h"
#include "main/column_widths.h"
#include "main/elided_tip_delegate.h"
#include "main/window_launchers.h"
#include "quantora_version.h"
#include "ui/choice_group.h"
#include "ui/control_lookup.h"
#include "ui/dialog_layout.h"
#include "ui/fx_button.h"
#include "ui/list_selection.h"
#include "ui/record_text.h"
#include "ui/report_list.h"
#include "ui/tooltip_table.h"

namespace quantora {

namespace {

namespace id = converter_id;

constexpr int kUnitColumn = 0;
constexpr int kAbbreviationColumn = 1;
constexpr int kValueColumn = 2;
constexpr int kMaxClipboardChars = 255;
constexpr int kDialogWidth = 442;
constexpr int kDialogHeight = 334;
constexpr std::string_view kHelpPage = "index.htm";

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 100);

struct ButtonEntry {
    int id;
    const char* caption;
    DialogRect place;
    int bitmapId;
    const char* tip;
    void (CConverterDlg::*handler)();
};

constexpr int kTopBottomLeft = anchor::kTop | anchor::kBottom | anchor::kLeft;
constexpr int kTopLeftRight = anchor::kTop | anchor::kLeft | anchor::kRight;
constexpr int kAllEdges = anchor::kTop | anchor::kBottom | anchor::kLeft | anchor::kRight;
constexpr int kTopRight = anchor::kTop | anchor::kRight;
constexpr int kBottomRight = anchor::kBottom | anchor::kRight;

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

constexpr std::array<ControlTip, 11> kTips{{
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

QLabel* AddLabel(DialogLayout& layout, int controlId, const QString& text, const DialogRect& place,
                 const QColor& colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto& label = layout.Add<QLabel>(controlId, text, place);
    label.setAlignment(alignment);
    SetTextColour(label, colour);
    return &label;
}

QRadioButton* AddRadio(DialogLayout& layout, int controlId, const QString& text, const DialogRect& place,
                       QButtonGroup& group) {
    auto& radio = layout.AddChoice<QRadioButton>(controlId, text, place);
    group.addButton(&radio, controlId);
    return &radio;
}

void SetUpUnitList(QTreeWidget& list) {
    list.setColumnCount(3);
    list.setHeaderLabels({QStringLiteral("Unit"), QStringLiteral("Abbr."), QStringLiteral("Value")});
    list.headerItem()->setTextAlignment(kValueColumn, Qt::AlignRight | Qt::AlignVCenter);
    list.setColumnWidth(kUnitColumn, 120);
    list.setColumnWidth(kAbbreviationColumn, 80);
    list.setColumnWidth(kValueColumn, 160);
    SetUpReportList(list);
}

// Choices stacked edge to edge in dialog units can overlap by a pixel once rounded.
void KeepChoicesApart(const QList<QAbstractButton*>& choices) {
    for (qsizetype i = 1; i < choices.size(); ++i) {
        QAbstractButton& above = *choices[i - 1];
        const int room = choices[i]->y() - above.y();
        if (room > 0 && above.height() > room) above.resize(above.width(), room);
    }
}

// A caption wider than the layout allows (a larger font, another style) would run over the group's
// right border; the group grows to the left instead, and the list beside it gives way.
void FitGroupToChoices(QGroupBox& group, const QList<QAbstractButton*>& choices, QWidget& neighbour) {
    KeepChoicesApart(choices);
    if (choices.isEmpty()) return;
    const int inset = choices.first()->x() - group.x();
    int need = 0;
    for (const QAbstractButton* choice : choices) need = std::max(need, choice->sizeHint().width());
    const int width = inset + need + inset / 2;
    if (group.width() >= width) return;
    const int left = group.geometry().right() + 1 - width;
    group.setGeometry(left, group.y(), width, group.height());
    for (QAbstractButton* choice : choices) choice->setGeometry(left + inset, choice->y(), need, choice->height());
    const int gap = group.x() - 1 - neighbour.geometry().right();
    if (gap < inset / 2) neighbour.resize(neighbour.width() - (inset / 2 - gap), neighbour.height());
}

// `text` cut to `room` pixels with an ellipsis; the " = " after a unit name stays whole and only
// the name before it is shortened.
QString Shortened(const QFontMetrics& metrics, const QString& text, int room) {
    QString shown = metrics.elidedText(text, Qt::ElideRight, room);
    const QString equals = QStringLiteral(" = ");
    if (shown == text || !text.endsWith(equals)) return shown;
    return metrics.elidedText(text.chopped(equals.size()), Qt::ElideRight, room - metrics.horizontalAdvance(equals)) +
           equals;
}

}  // namespace

CConverterDlg::CConverterDlg(ProfileStore& profile, const std::filesystem::path& dataFolder, WindowLaunchers& launchers,
                             QWidget* parent)
    : QDialog(parent), profile_(profile), launchers_(launchers), model_(profile, dataFolder) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(kProgramName));
    DialogLayout layout(*this);
    // Smaller than its layout the window would pile its controls onto each other.
    const QSize layoutSize = layout.Map({0, 0, kDialogWidth, kDialogHeight}).size();
    setMinimumSize(layoutSize);
    resize(layoutSize);
    CreateCaptionsAndValue(layout);
    CreateLists(layout);
    CreateButtons(layout);
    CreateChoices(layout);
    // The choices may have pushed the lower list's edge in; the lists keep one width, so that
    // their columns line up.
    sourceList_->resize(destinationList_->width(), sourceList_->height());
    CreateHiddenControls();
    SetTabOrder();
    ConnectImportCommands();
    CreateShortcuts();
    SetTooltips(*this, kTips);
    SetUpAnchors();
    value_->setText(QString::fromStdString(InitialValueText(profile_)));
    QFont systemFont(QStringLiteral("System"));
    systemFont.setPixelSize(12);
    for (int controlId : {id::kExit, id::kValueLabel, id::kCategoriesLabel}) {
        Control<QWidget>(*this, controlId).setFont(systemFont);
    }
    value_->setFocus();
}

CConverterDlg::~CConverterDlg() {
    SaveValueText(profile_, value_->text().toStdString());
    SaveWindowPlacement(profile_, placement_entry::kMainWindow, *this);
}

void CConverterDlg::CreateCaptionsAndValue(DialogLayout& layout) {
    AddLabel(layout, id::kCategoriesLabel, QStringLiteral("Categories:"), {4, 3, 61, 12}, kBlue);
    auto* valueLabel = AddLabel(layout, id::kValueLabel, QStringLiteral("&Value:"), {110, 3, 26, 9}, kBlue);
    value_ = &layout.Add<QLineEdit>(id::kValue, {140, 1, 118, 14});
    valueLabel->setBuddy(value_);
    connect(value_, &QLineEdit::textChanged, this, &CConverterDlg::OnValueChanged);

    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    sourceValue_ = AddLabel(layout, id::kSourceValueLabel, QStringLiteral("Val1:"), {110, 165, 56, 10}, kRed, right);
    sourceUnit_ = AddLabel(layout, id::kSourceUnitLabel, QStringLiteral("Unit1"), {172, 165, 71, 10}, kDarkBlue);
    destinationValue_ =
        AddLabel(layout, id::kDestinationValueLabel, QStringLiteral("Val2"), {252, 165, 56, 10}, kRed, right);
    destinationUnit_ =
        AddLabel(layout, id::kDestinationUnitLabel, QStringLiteral("Unit2"), {313, 165, 61, 8}, kDarkBlue);
    resultLabels_ = {sourceValue_, sourceUnit_, destinationValue_, destinationUnit_};
    for (std::size_t i = 0; i < resultLabels_.size(); ++i) resultBoxes_[i] = resultLabels_[i]->geometry();
}

void CConverterDlg::CreateLists(DialogLayout& layout) {
    categories_ = &layout.Add<QListWidget>(id::kCategories, {2, 17, 105, 316});
    KeepSelectionVisible(*categories_);
    categories_->setItemDelegate(new ElidedTipDelegate(categories_));
    // A name longer than the list is wide wraps onto a second line, so it reads whole without
    // scrolling sideways.
    categories_->setWordWrap(true);
    categories_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    categories_->setResizeMode(QListView::Adjust);
    // The row comes with the change: on a click the list reports the new current row before it
    // selects it, so reading the selection there would still find none.
    connect(categories_, &QListWidget::currentRowChanged, this, &CConverterDlg::OnCategoryChanged);

    sourceList_ = &layout.Add<QTreeWidget>(id::kSourceList, {110, 17, 259, 147});
    destinationList_ = &layout.Add<QTreeWidget>(id::kDestinationList, {110, 175, 259, 158});
    for (QTreeWidget* list : {sourceList_, destinationList_}) SetUpUnitList(*list);
    connect(sourceList_, &QTreeWidget::itemSelectionChanged, this, &CConverterDlg::OnSourceSelectionChanged);
    connect(sourceList_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OnSourceActivated(sourceList_->indexOfTopLevelItem(item)); });
    connect(destinationList_, &QTreeWidget::itemSelectionChanged, this, &CConverterDlg::OnDestinationSelectionChanged);
    for (QTreeWidget* list : {sourceList_, destinationList_}) {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
    }
}

void CConverterDlg::CreateButtons(DialogLayout& layout) {
    static const std::array<ButtonEntry, 10> kButtons{{
        {id::kSwap,
         "&Swap",
         {310, 1, 59, 16},
         194,
         "Swap selected units between Source and destination",
         &CConverterDlg::OnSwap},
        {id::kFormula, "&Formula", {382, 1, 59, 19}, 193, "Open the Expressa Application", &CConverterDlg::OpenFormula},
        {id::kOptions, "&Options", {382, 22, 59, 19}, 188, "Open Options Window", &CConverterDlg::OpenOptions},
        {id::kUpdate,
         "&Update",
         {382, 43, 59, 19},
         189,
         "Update data files using internet",
         &CConverterDlg::OpenUpdate},
        {id::kFind, "F&ind", {382, 64, 59, 19}, 196, "Find Unit or Category", &CConverterDlg::OnFind},
        {id::kConstants,
         "&Constants",
         {382, 85, 59, 19},
         203,
         "View Physical Constants",
         &CConverterDlg::OpenConstants},
        {id::kElements, "&Elements", {382, 106, 59, 19}, 204, "View Chemical Elements", &CConverterDlg::OpenElements},
        {id::kHelp, "&Help", {382, 183, 59, 19}, 187, "Open Help", &CConverterDlg::OpenHelp},
        {id::kExit, "E&xit", {382, 204, 59, 19}, 186, "Exit Application", &CConverterDlg::reject},
        {id::kAbout, "Abou&t", {382, 315, 43, 18}, 195, "Open the About Quantora Box", &CConverterDlg::OpenAbout},
    }};
    for (const ButtonEntry& entry : kButtons) {
        auto& button = layout.Add<CFxButton>(entry.id, entry.place);
        button.setAutoDefault(false);
        ConfigureSkinnedButton(button, entry.bitmapId, QString::fromUtf8(entry.caption), QString::fromUtf8(entry.tip));
        connect(&button, &QPushButton::clicked, this, entry.handler);
    }
}

void CConverterDlg::CreateChoices(DialogLayout& layout) {
    layout.Add<QGroupBox>(id::kShowGroup, QStringLiteral("Show :"), {371, 226, 70, 42});
    unitsChoice_ = new QButtonGroup(this);
    allUnits_ = AddRadio(layout, id::kAllUnits, QStringLiteral("&All Units"), {377, 238, 41, 10}, *unitsChoice_);
    commonUnits_ =
        AddRadio(layout, id::kCommonUnits, QStringLiteral("Com&mon  Units"), {377, 250, 61, 10}, *unitsChoice_);
    FitGroupToChoices(Control<QGroupBox>(*this, id::kShowGroup), unitsChoice_->buttons(), *destinationList_);
    (model_.CommonUnitsSetting() ? commonUnits_ : allUnits_)->setChecked(true);
    connect(allUnits_, &QRadioButton::clicked, this, &CConverterDlg::OnAllUnits);
    connect(commonUnits_, &QRadioButton::clicked, this, &CConverterDlg::OnCommonUnits);

    angleGroup_ = &layout.Add<QGroupBox>(id::kAngleGroup, QStringLiteral("Angle type:"), {371, 269, 70, 42});
    angleGroup_->hide();
    angleChoice_ = new QButtonGroup(this);
    struct AngleChoice {
        int id;
        const char* text;
        DialogRect place;
    };
    const std::array<AngleChoice, 3> angles{{{id::kDegrees, "&Degrees", {377, 278, 43, 10}},
                                             {id::kRadians, "&Radians", {377, 288, 53, 10}},
                                             {id::kGrads, "&Grads", {377, 298, 53, 10}}}};
    for (std::size_t i = 0; i < angles.size(); ++i) {
        auto* radio = AddRadio(layout, angles[i].id, QString::fromUtf8(angles[i].text), angles[i].place, *angleChoice_);
        radio->hide();
        const AngleUnit mode = std::array{AngleUnit::kDegrees, AngleUnit::kRadians, AngleUnit::kGrads}[i];
        connect(radio, &QRadioButton::clicked, this, [this, mode] { OnAngleChosen(mode); });
    }
    FitGroupToChoices(*angleGroup_, angleChoice_->buttons(), *destinationList_);
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

void CConverterDlg::SetUpAnchors() {
    anchors_.Register(kAnchors);
    anchors_.SetUp(*this, true);
}

void CConverterDlg::LoadCatalogue() { ShowCatalogue(model_.Reload(std::nullopt)); }

void CConverterDlg::ReloadCatalogue() { ShowCatalogue(model_.Reload(SelectedCategoryLine())); }

void CConverterDlg::ShowCatalogue(const CatalogueReload& reload) {
    if (!reload.report.complete) QtUserPrompts(this).Message(reload.report.error, kProgramName);
    ShowLoadWarnings(reload.report.warnings);
    FillCategoryList();
    if (reload.lineToSelect) {
        const QSignalBlocker blocker(categories_);
        categories_->setCurrentRow(static_cast<int>(*reload.lineToSelect));
        categories_->scrollToItem(categories_->currentItem());
    }
    RunCategorySelection(SelectedCategoryLine());
}

// Once for what the files lack: every reload of unchanged files would find the same again.
void CConverterDlg::ShowLoadWarnings(const std::vector<std::string>& warnings) {
    std::string text;
    for (const std::string& warning : warnings) text += (text.empty() ? "" : "\n") + warning;
    if (text.empty() || text == shownWarnings_) return;
    shownWarnings_ = text;
    QtUserPrompts(this).Message(text, kProgramName);
}

void CConverterDlg::FillCategoryList() {
    const QSignalBlocker blocker(categories_);
    categories_->clear();
    for (const CategoryRecord& category : model_.Units().Categories()) {
        auto* item = new QListWidgetItem(FromRecordText(category.name.Text()), categories_);
        item->setData(Qt::UserRole, category.categoryId);
    }
}

void CConverterDlg::RunCategorySelection(std::optional<std::size_t> line) {
    const CategorySelection selection = model_.SelectCategory(line);
    if (selection.line) {
        const QSignalBlocker blocker(categories_);
        categories_->setCurrentRow(static_cast<int>(*selection.line));
        categories_->scrollToItem(categories_->currentItem());
    }
    ShowAngleChoices(selection);
    FillUnitLists();
    MeasureColumns();
    SelectRow(*sourceList_, selection.sourceRow);
    SelectRow(*destinationList_, selection.destinationRow);
    ConvertFrom(model_.SourceRow());
    SizeColumns();
}

void CConverterDlg::ShowAngleChoices(const CategorySelection& selection) {
    angleGroup_->setVisible(selection.angleChoicesShown);
    for (QAbstractButton* radio : angleChoice_->buttons()) radio->setVisible(selection.angleChoicesShown);
    if (!selection.angleChoicesShown) return;
    // An unknown mode checks none.
    CheckOnly(*angleChoice_,
              selection.checkedAngle == 0 ? std::nullopt : std::optional(id::kDegrees + selection.checkedAngle - 1));
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

void CConverterDlg::OnCategoryChanged(int row) {
    RunCategorySelection(row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row)));
}

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

void CConverterDlg::OnAllUnits() { ShowCatalogue(model_.ShowAllUnits(SelectedCategoryLine())); }

void CConverterDlg::OnCommonUnits() { ShowCatalogue(model_.ShowCommonUnits(SelectedCategoryLine())); }

void CConverterDlg::OnAngleChosen(AngleUnit mode) {
    model_.StoreAngleMode(mode);
    RunCategorySelection(SelectedCategoryLine());
}

void CConverterDlg::OnDestinationDoubleClicked() { CopyValue(*destinationList_); }

void CConverterDlg::CopyValue(const QTreeWidget& list) {
    const auto row = SelectedRow(list);
    const QString text = row ? list.topLevelItem(static_cast<int>(*row))->text(kValueColumn) : QString();
    QGuiApplication::clipboard()->setText(text.left(kMaxClipboardChars));
}

// The find window searches every unit, so the lists switch to all units before it opens.
void CConverterDlg::OnFind() {
    if (!allUnits_->isChecked()) {
        allUnits_->setChecked(true);
        OnAllUnits();
    }
    const FindResult result = launchers_.RunFind(*this, model_.Units());
    if (result.positionCode) SelectFound(DecodeFindCode(*result.positionCode));
}

// Selecting the row converts from it, as a user's selection does.
void CConverterDlg::SelectFound(const FindTarget& found) {
    {
        const QSignalBlocker blocker(categories_);
        categories_->setCurrentRow(static_cast<int>(found.line));
    }
    RunCategorySelection(SelectedCategoryLine());
    SelectRow(*sourceList_, found.row);
}

void CConverterDlg::OpenHelp() { launchers_.ShowHelp(*this, kHelpPage); }

void CConverterDlg::OpenAbout() { launchers_.RunAbout(*this); }

void CConverterDlg::OpenOptions() {
    if (launchers_.RunOptions(*this).accepted) ReloadCatalogue();
}

void CConverterDlg::OpenUpdate() {
    if (launchers_.RunUpdate(*this, UpdateMode::kByHand).filesReplaced) ReloadCatalogue();
}

void CConverterDlg::OpenFormula() { launchers_.RunFormula(*this, std::nullopt); }

void CConverterDlg::OpenConstants() { launchers_.RunConstants(*this); }

void CConverterDlg::OpenElements() { launchers_.RunElements(*this); }

void CConverterDlg::OpenCustomUnits() { launchers_.RunCustomUnits(*this); }

void CConverterDlg::ConvertFrom(std::optional<std::size_t> row) {
    if (model_.Convert(value_->text().toStdString(), row, EnvironmentNumberLocale())) ShowValues();
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
            const RowFailure& failure = model_.Failures()[static_cast<std::size_t>(row)];
            item->setToolTip(kValueColumn, failure.failed ? QString::fromStdString(failure.reason) : QString());
        }
    }
}

void CConverterDlg::ShowResultLine() {
    const ResultLine line = model_.CurrentResultLine();
    PlaceResultLine({QString::fromStdString(line.sourceValue), QString::fromStdString(line.sourceUnit),
                     QString::fromStdString(line.destinationValue), QString::fromStdString(line.destinationUnit)});
    // Currency values are only as good as the day of their rates: the result line's tip names it.
    const QString note = QString::fromStdString(model_.CurrentRatesNote());
    if (note.isEmpty()) return;
    for (QLabel* label : resultLabels_) {
        label->setToolTip(label->toolTip().isEmpty() ? note : label->toolTip() + QStringLiteral("\n") + note);
    }
}

// Texts that outgrow their labels would be clipped at the label's edge, losing the "=" or the
// value's end; the labels share the line instead and the unit names are shortened first.
void CConverterDlg::PlaceResultLine(const std::array<QString, 4>& texts) {
    // Widths are measured in whole pixels and text is laid out in fractions of one; the slack keeps
    // a text that fits from being shortened.
    constexpr int kSlack = 4;
    std::array<int, 4> needs{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        needs[i] = resultLabels_[i]->fontMetrics().horizontalAdvance(texts[i]) + kSlack;
    }
    const auto widthsOf = [](const auto& w) { return ResultLineWidths{w[0], w[1], w[2], w[3]}; };
    const std::array<int, 4> boxWidths{resultBoxes_[0].width(), resultBoxes_[1].width(), resultBoxes_[2].width(),
                                       resultBoxes_[3].width()};
    int gaps = 0;
    for (std::size_t i = 1; i < resultBoxes_.size(); ++i)
        gaps += resultBoxes_[i].left() - resultBoxes_[i - 1].right() - 1;
    const int room = resultBoxes_[3].right() - resultBoxes_[0].left() + 1 - gaps;
    const int unitMinimum = sourceUnit_->fontMetrics().horizontalAdvance(QStringLiteral(" = W\u2026")) + kSlack;
    const ResultLineWidths fit = FitResultLine(widthsOf(needs), widthsOf(boxWidths), room, unitMinimum);
    const std::array<int, 4> widths{fit.sourceValue, fit.sourceUnit, fit.destinationValue, fit.destinationUnit};
    // One height for the line, short of the list below, which dialog units rounded apart can touch.
    int height = 0;
    for (const QRect& box : resultBoxes_) height = std::max(height, box.height());
    height = std::min(height, destinationList_->y() - resultBoxes_[0].top());
    int x = resultBoxes_[0].left();
    for (std::size_t i = 0; i < resultLabels_.size(); ++i) {
        QLabel& label = *resultLabels_[i];
        label.setGeometry(x, resultBoxes_[i].top(), widths[i], height);
        if (i + 1 < resultLabels_.size()) x += widths[i] + resultBoxes_[i + 1].left() - resultBoxes_[i].right() - 1;
        const QString shown = Shortened(label.fontMetrics(), texts[i], widths[i] - kSlack / 2);
        label.setText(shown);
        label.setToolTip(shown == texts[i] ? QString() : texts[i]);
    }
}

// Both lists show the same texts in the same font, so one of them is measured for both.
int CConverterDlg::ColumnNeed(int column) const {
    const QAbstractItemView& view = *sourceList_;  // where the contents' width is public
    return std::max(view.sizeHintForColumn(column), sourceList_->header()->sectionSizeHint(column));
}

// The layout's order, so Tab walks the window as it reads.
void CConverterDlg::SetTabOrder() {
    constexpr std::array kOrder{id::kCategories, id::kValue,   id::kSwap,   id::kSourceList, id::kDestinationList,
                                id::kFormula,    id::kOptions, id::kUpdate, id::kFind,       id::kConstants,
                                id::kElements,   id::kHelp,    id::kExit,   id::kAllUnits,   id::kCommonUnits,
                                id::kDegrees,    id::kRadians, id::kGrads,  id::kAbout};
    for (std::size_t i = 1; i < kOrder.size(); ++i) {
        setTabOrder(&Control<QWidget>(*this, kOrder[i - 1]), &Control<QWidget>(*this, kOrder[i]));
    }
}

// The names change only with the rows, and the room kept for the values only with the options,
// which a reload of the catalogue follows; a keystroke measures nothing.
void CConverterDlg::MeasureColumns() {
    const QHeaderView& header = *sourceList_->header();
    const QFontMetrics metrics = sourceList_->fontMetrics();
    // The cell's margins: the header's hint is its text and what the style adds around it.
    const int margins = header.sectionSizeHint(kValueColumn) - metrics.horizontalAdvance(QStringLiteral("Value"));
    int value = header.sectionSizeHint(kValueColumn);
    for (const std::string& text : WidestResultTexts(ReadFormatSettings(profile_), EnvironmentNumberLocale())) {
        value = std::max(value, metrics.horizontalAdvance(QString::fromStdString(text)) + margins);
    }
    needs_ = {.unit = ColumnNeed(kUnitColumn),
              .abbreviation = ColumnNeed(kAbbreviationColumn),
              .value = value,
              .unitLeast = header.sectionSizeHint(kUnitColumn),
              .abbreviationLeast = header.sectionSizeHint(kAbbreviationColumn)};
}

// One set of widths for both lists, from the narrower one, so their columns line up.
void CConverterDlg::SizeColumns() {
    const int available = std::min(sourceList_->viewport()->width(), destinationList_->viewport()->width());
    const ColumnWidths widths = FitColumns(needs_, available);
    for (QTreeWidget* list : {sourceList_, destinationList_}) {
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
    // The list itself would copy the unit's name; what the user reads there is the value.
    if ((watched == sourceList_ || watched == destinationList_) && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyValue(*static_cast<QTreeWidget*>(watched));
        return true;
    }
    // A scroll bar coming or going changes the room for the columns without resizing the window.
    if (event->type() == QEvent::Resize) SizeColumns();
    return QDialog::eventFilter(watched, event);
}

}  // namespace quantora
