#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace quantora::test {

// A window's control by the id its layout gave it. A missing one fails the test that asked,
// naming the id, where a null control would end the whole test program.
template <class W>
W& Get(QWidget& window, int controlId) {
    auto* control = window.findChild<W*>(QString::number(controlId));
    if (control == nullptr) throw std::runtime_error("no control " + std::to_string(controlId));
    return *control;
}

// The texts a list shows, top to bottom.
inline QStringList Lines(const QListWidget& list) {
    QStringList lines;
    for (int row = 0; row < list.count(); ++row) lines << list.item(row)->text();
    return lines;
}

inline QStringList Column(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row) texts << list.topLevelItem(row)->text(column);
    return texts;
}

}  // namespace quantora::test
