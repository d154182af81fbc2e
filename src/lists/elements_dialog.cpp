#include "lists/elements_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <array>
#include <string>

#include "app/widget_placement.h"
#include "catalogue/cp1252.h"
#include "lists/list_keys.h"
#include "lists/list_table.h"
#include "lists/list_window.h"
#include "ui/control_lookup.h"
#include "ui/dialog_layout.h"
#include "ui/standard_ids.h"
#include "ui/tooltip_table.h"

namespace quantora {

namespace {

namespace id {
inline constexpr int kDensity = 1105;
inline constexpr int kMeltingPoint = 1106;
inline constexpr int kBoilingPoint = 1107;
inline constexpr int kOxidationStates = 1108;
inline constexpr int kAtomicNumber = 1137;
inline constexpr int kAtomicWeight = 1138;
inline constexpr int kDescription = 1140;
}  // namespace id

constexpr int kNameColumn = 0;
constexpr int kSymbolColumn = 1;

constexpr std::array<ListColumn, 2> kColumns{{
    {"Element", 100, Qt::AlignLeft},
    {"Abbr.", 40, Qt::AlignLeft},
}};

constexpr std::array<ControlTip, 2> kTips{{
    {list_id::kFilter, "Type an element or any part of an Element"},
    {list_id::kList, "Elements List"},
}};

// The one-line fields of the pane, top to bottom: id, label, and the text a record shows there.
struct DetailLine {
    int controlId;
    const char* label;  // UTF-8
    std::string (*text)(const ElementRecord&);
};

const std::array<DetailLine, 5> kDetailLines{{
    {id::kAtomicNumber, "Atomic Number:", [](const ElementRecord& r) { return std::to_string(r.atomicNumber); }},
    {id::kAtomicWeight, "Atomic Weight:", [](const ElementRecord& r) { return r.atomicWeight.Text(); }},
    {id::kDensity, "Density (in g/cm³ at 20 °C) :", [](const ElementRecord& r) { return r.density.Text(); }},
    {id::kMeltingPoint, "Melting Point  in  °C :", [](const ElementRecord& r) { return r.meltingPoint.Text(); }},
    {id::kBoilingPoint, "Boiling Point  in  °C :", [](const ElementRecord& r) { return r.boilingPoint.Text(); }},
}};

constexpr int kPaneX = 150;
constexpr int kLineStep = 24;

}  // namespace

dlgElements::dlgElements(ProfileStore& profile, const std::filesystem::path& elementsFile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    setWindowTitle(QStringLiteral("Elements"));
    DialogLayout layout(*this);
    resize(layout.Map({0, 0, 360, 268}).size());
    layout.Add<QGroupBox>(standard_id::kStatic, QStringLiteral("Type a part of an Element :"), {7, 4, 134, 226});
    filter_ = &layout.Add<QLineEdit>(list_id::kFilter, {14, 17, 120, 13});
    list_ = &AddReportList(layout, {14, 34, 120, 189}, kColumns);
    CreateDetailPane(layout);
    fileError_ = &AddFileErrorLine(layout, {7, 233, 280, 30});
    auto& ok = layout.Add<QPushButton>(standard_id::kOk, QStringLiteral("OK"), {293, 244, 60, 16});
    ok.setDefault(true);
    connect(&ok, &QPushButton::clicked, this, &QDialog::accept);

    RecordFile<ElementRecord> file = LoadElements(elementsFile);
    table_ = std::move(file.records);
    std::vector<QStringList> texts;
    std::vector<std::string> names;
    for (const ElementRecord& record : table_) {
        texts.push_back({FromRecordText(record.name.Text()), FromRecordText(record.symbol.Text())});
        names.push_back(record.name.Text());
    }
    rows_.emplace(*list_, texts, names, kColumns);
    ShowFileError(*fileError_, file.error);
    Fill();
    FitColumnsToTexts(*list_, kNameColumn);
    connect(filter_, &QLineEdit::textChanged, this, &dlgElements::Fill);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](const QTreeWidgetItem* row) { ShowDetails(row); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { ShowDetails(list_->currentItem()); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &dlgElements::CopySymbol);
    new ListKeys(
        *filter_, *list_, [this] { CopySymbol(); }, [this] { CopySymbol(); });
    SetTooltips(*this, kTips);
    RestoreWindowPlacement(profile_, placement_entry::kElementsWindow, *this);
    filter_->setFocus();
}

dlgElements::~dlgElements() { SaveWindowPlacement(profile_, placement_entry::kElementsWindow, *this); }

void dlgElements::CreateDetailPane(DialogLayout& layout) {
    int y = 8;
    for (const DetailLine& line : kDetailLines) {
        layout.Add<QLabel>(standard_id::kStatic, QString::fromUtf8(line.label), {kPaneX, y, 200, 9});
        layout.Add<QLineEdit>(line.controlId, {kPaneX, y + 9, 100, 12}).setReadOnly(true);
        y += kLineStep;
    }
    layout.Add<QLabel>(standard_id::kStatic, QStringLiteral("Oxidation State :"), {kPaneX, y, 200, 9});
    layout.Add<QPlainTextEdit>(id::kOxidationStates, {kPaneX, y + 9, 100, 22}).setReadOnly(true);
    y += 34;
    layout.Add<QLabel>(standard_id::kStatic, QStringLiteral("Description :"), {kPaneX, y, 200, 9});
    auto& description = layout.Add<QPlainTextEdit>(id::kDescription, {kPaneX, y + 9, 203, 230 - (y + 9)});
    description.setReadOnly(true);
    description.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void dlgElements::Fill() {
    // Refilling moves the current row away; the pane keeps what it showed until a row is chosen.
    const QSignalBlocker blocker(list_);
    rows_->ShowMatching(filter_->text());
}

// Equal names show the first record of that name, as the name is all a row carries.
void dlgElements::ShowDetails(const QTreeWidgetItem* row) {
    if (row == nullptr) return;
    const ElementRecord* record = FindElementByName(table_, Utf8ToCp1252(row->text(kNameColumn).toStdString()));
    if (record == nullptr) return;
    for (const DetailLine& line : kDetailLines) {
        Control<QLineEdit>(*this, line.controlId).setText(FromRecordText(line.text(*record)));
    }
    Control<QPlainTextEdit>(*this, id::kOxidationStates).setPlainText(FromRecordText(record->oxidationStates.Text()));
    Control<QPlainTextEdit>(*this, id::kDescription).setPlainText(FromRecordText(record->description.Text()));
}

void dlgElements::CopySymbol() {
    const auto selected = list_->selectedItems();
    if (!selected.isEmpty()) CopyListText(selected.first()->text(kSymbolColumn));
}

}  // namespace quantora
