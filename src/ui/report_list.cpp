#include "ui/report_list.h"

#include <QHeaderView>
#include <QPalette>
#include <QTreeWidget>

#include "main/elided_tip_delegate.h"

namespace quantora {

void KeepSelectionVisible(QWidget& list) {
    QPalette palette = list.palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    list.setPalette(palette);
}

void SetUpReportList(QTreeWidget& list) {
    list.header()->setStretchLastSection(false);
    list.header()->setSectionsMovable(false);
    list.setRootIsDecorated(false);
    list.setUniformRowHeights(true);
    list.setSortingEnabled(false);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setAllColumnsShowFocus(true);
    list.setItemDelegate(new ElidedTipDelegate(&list));
    KeepSelectionVisible(list);
}

}  // namespace quantora
