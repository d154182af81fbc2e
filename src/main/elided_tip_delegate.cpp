#include "main/elided_tip_delegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace quantora {

bool ElidedTipDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    // A cell's own tip (why its value failed) says more than its text.
    const QString own = index.data(Qt::ToolTipRole).toString();
    if (!own.isEmpty()) {
        QToolTip::showText(event->globalPos(), own, view->viewport(), option.rect);
        return true;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty() && sizeHint(option, index).width() > option.rect.width()) {
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
        return true;
    }
    // Not cut off: the list's own tip explains what the list is, over its rows as well. The view
    // would not pass the event on to itself, so the tip is shown here.
    if (view->toolTip().isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(event->globalPos(), view->toolTip(), view->viewport(), option.rect);
    return true;
}

}  // namespace quantora
