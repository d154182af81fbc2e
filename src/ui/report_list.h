#pragma once

class QTreeWidget;
class QWidget;

namespace quantora {

// A report list as every window shows one: whole rows, one at a time, in the order they are put
// in, cut-off texts whole in their tips, and the selection as plain without the focus as with it.
void SetUpReportList(QTreeWidget& list);

// The selection stays as visible as with focus, so the chosen row is always plain to see.
void KeepSelectionVisible(QWidget& list);

}  // namespace quantora
