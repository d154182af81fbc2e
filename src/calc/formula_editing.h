#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quantora {

// The formula field as the editing commands see it: its text and its selection (start <= end;
// the caret is at end when nothing is selected).
struct FieldEdit {
    std::string text;
    std::size_t start = 0;
    std::size_t end = 0;

    bool operator==(const FieldEdit&) const = default;
};

// The one level of undo. The formula window keeps one for the whole program, so a window opened
// again undoes what the last one did.
using UndoSnapshot = FieldEdit;
UndoSnapshot& ProgramUndoSnapshot();

// Each command returns the field after it. Insert, Backspace and Delete first store the field as the
// snapshot; inserting a function and Undo do not. A caret past the text stops at its end, as the
// edit control puts it.
FieldEdit InsertCharacter(const FieldEdit& field, char character, UndoSnapshot& undo);
// Entries that begin with "-" head a group of the functions list and insert nothing.
FieldEdit InsertFunction(const FieldEdit& field, std::string_view entry);
FieldEdit Undo(const UndoSnapshot& undo);
FieldEdit Backspace(const FieldEdit& field, UndoSnapshot& undo);
FieldEdit DeleteAfterCaret(const FieldEdit& field, UndoSnapshot& undo);

}  // namespace quantora
