#include "lists/constants_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

#include "app/widget_placement.h"
#include "lists/list_keys.h"
#include "lists/list_table.h"
#include "lists/list_window.h"
#include "ui/dialog_layout.h"
#include "ui/standard_ids.h"
#include "ui/tooltip_table.h"
#include "ui/widget_anchors.h"

namespace quantora {

namespace {

constexpr int kValueColumn = 1;
constexpr int kGroupId = -1;

constexpr std::array<ListColumn, 3> kColumns{{
    {"Constant", 220, Qt::AlignLeft},
    {"Value", 200, Qt::AlignRight},
    {"Uncertainity", 120, Qt::AlignRight},
}};

constexpr int kTopLeftRight = anchor::kTop | anchor::kLeft | anchor::kRight;
constexpr int kAllEdges = anchor::kTop | anchor::kBottom | anchor::kLeft | anchor::kRight;
constexpr int kBottomLeft = anchor::kBottom | anchor::kLeft;
constexpr int kBottomRight = anchor::kBottom | anchor::kRight;

constexpr std::array<AnchorEntry, 5> kAnchors{{
    {kGroupId, kAllEdges},
    {list_id::kFilter, kTopLeftRight},
    {list_id::kList, kAllEdges},
    {list_id::kFileError, kBottomLeft},
    {standard_id::kOk, kBottomRight},
}};

constexpr std::array<ControlTip, 2> kTips{{
    {list_id::kFilter, "Type a Constant or any part of a Constant"},
    {list_id::kList, "Constants List,Double-click to copy selected value to clipboard"},
}};

}  // namespace

dlgConstants::dlgConstants(ProfileStore& profile, const std::filesystem::path& constantsFile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    setWindowTitle(QStringLiteral("Constants"));
    DialogLayout layout(*this);
    resize(layout.Map({0, 0, 380, 232}).size());
    layout.Add<QGroupBox>(kGroupId, QStringLiteral("Type a part of a Constant :"), {7, 4, 366, 190});
    filter_ = &layout.Add<QLineEdit>(list_id::kFilter, {14, 17, 352, 13});
    list_ = &AddReportList(layout, {14, 34, 352, 153}, kColumns);
    fileError_ = &AddFileErrorLine(layout, {7, 197, 290, 30});
    auto& ok = layout.Add<QPushButton>(standard_id::kOk, QStringLiteral("OK"), {313, 208, 60, 16});
    ok.setDefault(true);
    connect(&ok, &QPushButton::clicked, this, &QDialog::accept);

    const RecordFile<ConstantRecord> file = LoadConstants(constantsFile);
    std::vector<QStringList> texts;
    std::vector<std::string> names;
    for (const ConstantRecord& record : file.records) {
        texts.push_back({FromRecordText(record.name.Text()), FromRecordText(record.value.Text()),
                         FromRecordText(record.uncertainty.Text())});
        names.push_back(record.name.Text());
    }
    rows_.emplace(*list_, texts, names, kColumns);
    ShowFileError(*fileError_, file.error);
    Fill();
    // Measured over every constant, so that narrowing the list never moves its columns.
    FitColumnsToTexts(*list_, 0);
    connect(filter_, &QLineEdit::textChanged, this, &dlgConstants::Fill);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &dlgConstants::CopyValue);
    new ListKeys(
        *filter_, *list_, [this] { CopyValue(); }, [this] { CopyValue(); });
    SetTooltips(*this, kTips);
    anchors_.Register(kAnchors);
    anchors_.SetUp(*this, true);
    RestoreWindowPlacement(profile_, placement_entry::kConstantsWindow, *this);
    filter_->setFocus();
}

// The anchors follow the window's screen edges, so a move counts as well as a resize.
void dlgConstants::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    anchors_.Apply();
}

void dlgConstants::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    anchors_.Apply();
}

dlgConstants::~dlgConstants() { SaveWindowPlacement(profile_, placement_entry::kConstantsWindow, *this); }

void dlgConstants::Fill() { rows_->ShowMatching(filter_->text()); }

void dlgConstants::CopyValue() {
    const auto selected = list_->selectedItems();
    if (!selected.isEmpty()) CopyListText(selected.first()->text(kValueColumn));
}

}  // namespace quantora
