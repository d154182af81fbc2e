#include "lists/list_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

#include "catalogue/cp1252.h"
#include "ui/dialog_layout.h"
#include "ui/report_list.h"

namespace quantora {

namespace {

constexpr int kMaxClipboardChars = 255;

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
    SetUpReportList(list);
    list.header()->setSectionsClickable(false);
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
