#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "ui/dialog_units.h"

namespace quantora {

// A control's place as a window's layout gives it: x, y, width and height in dialog units.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Creates a window's controls at their places in dialog units of the window's font, each with its
// numeric id as objectName, so that the window, its anchors and its tests find it by that id.
class DialogLayout {
public:
    explicit DialogLayout(QWidget& window);

    // A control built from its parent alone (edits, lists, skinned buttons).
    template <class W>
    W& Add(int controlId, const DialogRect& place) {
        auto* control = new W(&window_);
        Place(*control, controlId, place);
        return *control;
    }

    // A control built from its text and its parent (labels, buttons, group boxes).
    template <class W>
    W& Add(int controlId, const QString& text, const DialogRect& place) {
        auto* control = new W(text, &window_);
        Place(*control, controlId, place);
        return *control;
    }

    // A radio button or check box. Layout widths leave room for a small check mark only; a style
    // with a larger one would cut the caption, so the caption's own width wins.
    template <class W>
    W& AddChoice(int controlId, const QString& text, const DialogRect& place) {
        W& choice = Add<W>(controlId, text, place);
        WidenToCaption(choice);
        return choice;
    }

    QRect Map(const DialogRect& place) const;
    const DialogUnits& Units() const { return units_; }

private:
    void Place(QWidget& control, int controlId, const DialogRect& place) const;
    static void WidenToCaption(QWidget& choice);

    QWidget& window_;
    DialogUnits units_;
};

// The colour of a control's own text, as the layouts colour captions and result labels.
void SetTextColour(QWidget& control, const QColor& colour);

}  // namespace quantora
