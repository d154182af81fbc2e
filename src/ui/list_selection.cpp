#include "ui/list_selection.h"

#include <QListWidget>
#include <QTreeWidget>

namespace quantora {

std::optional<std::size_t> SelectedRow(const QListWidget& list) {
    const auto items = list.selectedItems();
    if (items.isEmpty()) return std::nullopt;
    return static_cast<std::size_t>(list.row(items.first()));
}

std::optional<std::size_t> SelectedRow(const QTreeWidget& list) {
    const auto items = list.selectedItems();
    if (items.isEmpty()) return std::nullopt;
    const int row = list.indexOfTopLevelItem(items.first());
    return row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
}

}  // namespace quantora
