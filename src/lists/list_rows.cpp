#include "lists/list_rows.h"

#include <QTreeWidget>

#include "catalogue/cp1252.h"

namespace quantora {

ListRows::ListRows(QTreeWidget& list, const std::vector<QStringList>& texts, const std::vector<std::string>& names,
                   std::span<const ListColumn> columns)
    : list_(list), matcher_(names) {
    rows_.reserve(texts.size());
    for (const QStringList& rowTexts : texts) {
        auto row = std::make_unique<QTreeWidgetItem>(rowTexts);
        for (std::size_t column = 0; column < columns.size(); ++column) {
            row->setTextAlignment(static_cast<int>(column), columns[column].alignment | Qt::AlignVCenter);
        }
        rows_.push_back(std::move(row));
    }
}

// The list deletes the rows it holds when it goes, so they are taken back before: they are ours.
// The window around the list is being torn down, so it must not hear of the selection going.
ListRows::~ListRows() {
    const QSignalBlocker blocker(&list_);
    list_.invisibleRootItem()->takeChildren();
}

void ListRows::ShowMatching(const QString& filter) {
    const std::vector<std::size_t> indices = matcher_.Rows(Utf8ToCp1252(filter.toStdString()));
    QList<QTreeWidgetItem*> shown;
    shown.reserve(static_cast<qsizetype>(indices.size()));
    for (std::size_t index : indices) shown << rows_[index].get();
    list_.setUpdatesEnabled(false);
    list_.invisibleRootItem()->takeChildren();
    list_.addTopLevelItems(shown);
    list_.setUpdatesEnabled(true);
}

}  // namespace quantora
