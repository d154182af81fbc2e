#pragma once

#include <cstddef>
#include <optional>

class QListWidget;
class QTreeWidget;

namespace quantora {

// The row of a list's first selected line, or nothing when no line is selected. The models count
// rows from 0 as the lists show them.
std::optional<std::size_t> SelectedRow(const QListWidget& list);
std::optional<std::size_t> SelectedRow(const QTreeWidget& list);

}  // namespace quantora
