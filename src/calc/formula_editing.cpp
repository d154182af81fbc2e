#include "calc/formula_editing.h"

#include <algorithm>

namespace quantora {

namespace {

// Selections come from the window's field and may run past a text the window has since changed.
FieldEdit Bounded(const FieldEdit& field) {
    const std::size_t end = std::min(field.end, field.text.size());
    return {field.text, std::min(field.start, end), end};
}

FieldEdit WithCaret(std::string text, std::size_t caret) {
    caret = std::min(caret, text.size());
    return {std::move(text), caret, caret};
}

FieldEdit Replace(const FieldEdit& field, std::string_view inserted, std::size_t caret) {
    std::string text = field.text.substr(0, field.start);
    text.append(inserted).append(field.text, field.end);
    return WithCaret(std::move(text), caret);
}

}  // namespace

UndoSnapshot& ProgramUndoSnapshot() {
    static UndoSnapshot snapshot;
    return snapshot;
}

FieldEdit InsertCharacter(const FieldEdit& field, char character, UndoSnapshot& undo) {
    FieldEdit bounded = Bounded(field);
    undo = bounded;
    return Replace(bounded, std::string_view(&character, 1), bounded.end + 1);
}

FieldEdit InsertFunction(const FieldEdit& field, std::string_view entry) {
    FieldEdit bounded = Bounded(field);
    if (entry.empty() || entry.front() == '-') return bounded;
    return Replace(bounded, entry, bounded.end + entry.size());
}

FieldEdit Undo(const UndoSnapshot& undo) { return Bounded(undo); }

FieldEdit Backspace(const FieldEdit& field, UndoSnapshot& undo) {
    FieldEdit bounded = Bounded(field);
    undo = bounded;
    if (bounded.start < bounded.end) return Replace(bounded, "", bounded.start);
    if (bounded.start == 0) return bounded;
    return Replace({bounded.text, bounded.start - 1, bounded.end}, "", bounded.start - 1);
}

FieldEdit DeleteAfterCaret(const FieldEdit& field, UndoSnapshot& undo) {
    FieldEdit bounded = Bounded(field);
    undo = bounded;
    if (bounded.start < bounded.end) return Replace(bounded, "", bounded.start);
    const std::size_t next = std::min(bounded.end + 1, bounded.text.size());
    return Replace({bounded.text, bounded.start, next}, "", bounded.start);
}

}  // namespace quantora
