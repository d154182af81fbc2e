#pragma once

#include <QStringList>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "lists/list_filter.h"
#include "lists/list_window.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace quantora {

// Every row a filtered list can show, made once. A keystroke in the filter then only takes the
// rows out of the list and puts the matching ones back, instead of deleting and remaking them all:
// that was most of what a keystroke cost besides the painting.
class ListRows {
public:
    // Each row's texts are aligned as their column's header. `names` are the rows' names as the file
    // holds them (Windows-1252): what the filter searches.
    ListRows(QTreeWidget& list, const std::vector<QStringList>& texts, const std::vector<std::string>& names,
             std::span<const ListColumn> columns);
    ~ListRows();
    ListRows(const ListRows&) = delete;
    ListRows& operator=(const ListRows&) = delete;

    // Makes the list hold exactly the rows whose names match the filter as typed, in table order.
    void ShowMatching(const QString& filter);

private:
    QTreeWidget& list_;
    std::vector<std::unique_ptr<QTreeWidgetItem>> rows_;
    ListMatcher matcher_;
};

}  // namespace quantora
