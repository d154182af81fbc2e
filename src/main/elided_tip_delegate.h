#pragma once

#include <QStyledItemDelegate>

namespace quantora {

// Shows a cell's own tip when it has one, else its whole text when the column is too narrow for
// it, and the list's own tip over a cell that shows its text whole.
class ElidedTipDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace quantora
