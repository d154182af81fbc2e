#include "lists/list_window.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <algorithm>
#include <vector>

#include "catalogue/cp1252.h"
#include "ui/dialog_layout.h"
#include "ui/report_list.h"

namespace quantora {

namespace {

constexpr int kMaxClipboardChars = 255;

class ColumnFitter : public QObject {
public:
    ColumnFitter(QTreeWidget& list, int yielding) : QObject(&list), list_(list), yielding_(yielding) {
        const QAbstractItemView& view = list;  // where the contents' width is public
        for (int column = 0; column < list.columnCount(); ++column)
            needs_.push_back(std::max(view.sizeHintForColumn(column), list.header()->sectionSizeHint(column)));
        list.viewport()->installEventFilter(this);
        Fit();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) Fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void Fit() {
        int rest = list_.viewport()->width();
        for (int column = 0; column < static_cast<int>(needs_.size()); ++column) {
            if (column == yielding_) continue;
            list_.setColumnWidth(column, needs_[static_cast<std::size_t>(column)]);
            rest -= needs_[static_cast<std::size_t>(column)];
        }
        list_.setColumnWidth(yielding_, std::max(rest, list_.header()->sectionSizeHint(yielding_)));
    }

    QTreeWidget& list_;
    int yielding_;
    std::vector<int> needs_;
};

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

void FitColumnsToTexts(QTreeWidget& list, int yielding) { new ColumnFitter(list, yielding); }

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
