#include "lists/list_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

#include "catalogue/cp1252.h"
#include "main/elided_tip_delegate.h"
#include "ui/dialog_layout.h"

namespace quantora {

namespace {

constexpr int kMaxClipboardChars = 255;

void KeepSelectionVisible(QWidget& list) {
    QPalette palette = list.palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    list.setPalette(palette);
}

}  // namespace

QTreeWidget& AddReportList(DialogLayout& layout, const DialogRect& place, std::span<const ListColumn> columns) {
    auto& list = layout.Add<QTreeWidget>(list_id::kList, place);
    list.setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const ListColumn& column : columns) titles << QString::fromUtf8(column.title);
    list.setHeaderLabels(titles);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        list.setColumnWidth(i, columns[static_cast<std::size_t>(i)].width);
        list.headerItem()->setTextAlignment(i, columns[static_cast<std::size_t>(i)].alignment | Qt::AlignVCenter);
    }
    list.header()->setStretchLastSection(false);
    list.header()->setSectionsMovable(false);
    list.header()->setSectionsClickable(false);
    list.setRootIsDecorated(false);
    list.setUniformRowHeights(true);
    list.setSortingEnabled(false);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setAllColumnsShowFocus(true);
    list.setItemDelegate(new ElidedTipDelegate(&list));
    KeepSelectionVisible(list);
    return list;
}

QLabel& AddFileErrorLine(DialogLayout& layout, const DialogRect& place) {
    auto& line = layout.Add<QLabel>(list_id::kFileError, QString(), place);
    line.setWordWrap(true);
    SetTextColour(line, Qt::red);
    line.hide();
    return line;
}

void ShowFileError(QLabel& line, const std::string& error) {
    line.setText(QString::fromStdString(error));
    line.setToolTip(line.text());
    line.setVisible(!error.empty());
}

void CopyListText(const QString& text) { QGuiApplication::clipboard()->setText(text.left(kMaxClipboardChars)); }

}  // namespace quantora
