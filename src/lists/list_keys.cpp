#include "lists/list_keys.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace quantora {

ListKeys::ListKeys(QLineEdit& filter, QAbstractItemView& list, std::function<void()> activate,
                   std::function<void()> copy)
    : QObject(&list), filter_(filter), list_(list), activate_(std::move(activate)), copy_(std::move(copy)) {
    filter_.installEventFilter(this);
    list_.installEventFilter(this);
}

bool ListKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    if (watched == &list_) return OnListKey(key);
    if (watched == &filter_) return OnFilterKey(key);
    return false;
}

bool ListKeys::OnListKey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        activate_();
        return true;
    }
    if (copy_ && key.matches(QKeySequence::Copy)) {
        copy_();
        return true;
    }
    return false;
}

bool ListKeys::OnFilterKey(QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp: break;
        default: return false;
    }
    // An arrow pressed in the filter goes into the list and lands on the chosen row, or selects the
    // first when none is chosen; the arrows move on from there inside the list. Taking the focus
    // would make the first row current without selecting it, so the question is asked before.
    const bool onARow = list_.currentIndex().isValid();
    list_.setFocus(Qt::OtherFocusReason);
    if (!onARow && list_.model()->rowCount() > 0) list_.setCurrentIndex(list_.model()->index(0, 0));
    return true;
}

}  // namespace quantora
