#include "calc/formula_editing.h"

#include <gtest/gtest.h>

namespace quantora {
namespace {

enum class Command { kInsertPlus, kInsertSin, kBackspace, kDelete };

FieldEdit RunCommand(Command command, const FieldEdit& field, UndoSnapshot& undo) {
    switch (command) {
        case Command::kInsertPlus: return InsertCharacter(field, '+', undo);
        case Command::kInsertSin: return InsertFunction(field, "sin(x)");
        case Command::kBackspace: return Backspace(field, undo);
        case Command::kDelete: return DeleteAfterCaret(field, undo);
    }
    return field;
}

TEST(FormulaEditing, CommandsLeaveTheTextAndCaretAsTheFieldShowsThem) {
    struct Case {
        const char* what;
        Command command;
        FieldEdit before;
        FieldEdit after;
        bool snapshot;
    };
    const Case cases[] = {
        {"insert at the start", Command::kInsertPlus, {"23", 0, 0}, {"+23", 1, 1}, true},
        {"insert at the end", Command::kInsertPlus, {"23", 2, 2}, {"23+", 3, 3}, true},
        // The caret goes one past the selection's end, which stops at the shorter text's end.
        {"insert over a selection", Command::kInsertPlus, {"2345", 1, 3}, {"2+5", 3, 3}, true},
        {"function at the end", Command::kInsertSin, {"2*", 2, 2}, {"2*sin(x)", 8, 8}, false},
        {"function over a selection", Command::kInsertSin, {"2*y+1", 2, 3}, {"2*sin(x)+1", 9, 9}, false},
        {"backspace at the start", Command::kBackspace, {"23", 0, 0}, {"23", 0, 0}, true},
        {"backspace at the end", Command::kBackspace, {"23", 2, 2}, {"2", 1, 1}, true},
        {"backspace over a selection", Command::kBackspace, {"2345", 1, 3}, {"25", 1, 1}, true},
        {"delete at the start", Command::kDelete, {"23", 0, 0}, {"3", 0, 0}, true},
        {"delete at the end", Command::kDelete, {"23", 2, 2}, {"23", 2, 2}, true},
        {"delete over a selection", Command::kDelete, {"2345", 1, 3}, {"25", 1, 1}, true},
    };
    for (const Case& c : cases) {
        UndoSnapshot undo{"earlier", 1, 1};
        EXPECT_EQ(RunCommand(c.command, c.before, undo), c.after) << c.what;
        const UndoSnapshot expected = c.snapshot ? c.before : UndoSnapshot{"earlier", 1, 1};
        EXPECT_EQ(undo, expected) << c.what;
    }
}

TEST(FormulaEditing, GroupHeadersOfTheFunctionsListInsertNothing) {
    const FieldEdit field{"2*", 2, 2};
    EXPECT_EQ(InsertFunction(field, "------Hyperbolic------"), field);
    EXPECT_EQ(InsertFunction(field, "-Inverse trigonometric-"), field);
}

// Typing 2, "+" and 3 and then Undo gives back the field as it was before the 3.
TEST(FormulaEditing, UndoGoesBackOneCommandOnly) {
    UndoSnapshot undo;
    EXPECT_EQ(Undo(undo), (FieldEdit{"", 0, 0}));
    FieldEdit field = InsertCharacter({"2", 1, 1}, '+', undo);
    field = InsertCharacter(field, '3', undo);
    EXPECT_EQ(field, (FieldEdit{"2+3", 3, 3}));
    field = Undo(undo);
    EXPECT_EQ(field, (FieldEdit{"2+", 2, 2}));
    EXPECT_EQ(Undo(undo), field);
}

}  // namespace
}  // namespace quantora
