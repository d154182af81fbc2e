#pragma once

#include <QString>
#include <Qt>
#include <span>
#include <string>

#include "ui/record_text.h"

class QLabel;
class QTreeWidget;

namespace quantora {

class DialogLayout;
struct DialogRect;

// Control ids the reference lists share.
namespace list_id {
inline constexpr int kFilter = 1124;
inline constexpr int kList = 1136;
inline constexpr int kFileError = 1141;
}  // namespace list_id

struct ListColumn {
    const char* title;
    int width;  // pixels
    Qt::Alignment alignment;
};

// A report list with single, full-row selection that stays visible without focus, tips for texts
// cut by their column, and rows kept in the order the window fills them (the table's name order).
QTreeWidget& AddReportList(DialogLayout& layout, const DialogRect& place, std::span<const ListColumn> columns);

// Keeps every column but `yielding` as wide as its widest text, measured over the rows the list
// holds now, and gives `yielding` the rest of the list's width, at least its header, whenever the
// list changes size. A text still too wide for its column shows whole in its tip.
void FitColumnsToTexts(QTreeWidget& list, int yielding);

// Red text under the list naming the data file that could not be read, hidden when all is well.
QLabel& AddFileErrorLine(DialogLayout& layout, const DialogRect& place);
void ShowFileError(QLabel& line, const std::string& error);

// Replaces the clipboard's content by the text, cut to the 255 characters a copy holds.
void CopyListText(const QString& text);

}  // namespace quantora
