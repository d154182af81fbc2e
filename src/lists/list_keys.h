#pragma once

#include <QObject>
#include <functional>

class QAbstractItemView;
class QKeyEvent;
class QLineEdit;

namespace quantora {

// Gives keyboard users of a filtered list what a double-click gives mouse users: Enter on the list
// runs `activate` (and does not also press the window's default button), Ctrl+C on the list runs
// `copy` when one is given, and the arrow and page keys in the filter edit move into the list.
class ListKeys : public QObject {
    Q_OBJECT

public:
    ListKeys(QLineEdit& filter, QAbstractItemView& list, std::function<void()> activate,
             std::function<void()> copy = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnListKey(const QKeyEvent& key);
    bool OnFilterKey(QKeyEvent& key);

    QLineEdit& filter_;
    QAbstractItemView& list_;
    std::function<void()> activate_;
    std::function<void()> copy_;
};

}  // namespace quantora
