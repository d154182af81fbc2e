#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "calc/formula_calculation.h"
#include "calc/formula_editing.h"
#include "calc/formula_files.h"
#include "calc/formula_parser.h"

namespace quantora {

class FormulaFileDialogs;
class ProfileStore;
class UserPrompts;

// The formula window's fields in the order of the file record: x, the formula, F, J, K, M, U, V, Z.
enum class FormulaField : std::size_t { kX, kFormula, kF, kJ, kK, kM, kU, kV, kZ };
inline constexpr std::size_t kFormulaFieldCount = 9;

// The most characters a field takes: one less than its place in the file record, for the terminator.
std::size_t FieldCapacity(FormulaField field);

inline constexpr std::string_view kExpressa = "Expressa";

// Everything the formula window decides, without the window: its texts (Windows-1252 bytes), the
// formula file it shows, the unsaved flag, the angle choice and the recent files. The window shows
// what this holds after every command and hands each change of a field back to it.
class FormulaWindowModel {
public:
    FormulaWindowModel(ProfileStore& profile, UserPrompts& prompts, FormulaFileDialogs& dialogs,
                       UndoSnapshot& undo = ProgramUndoSnapshot());

    // The state the window opens with: the fields as the profile keeps them, the angle choice of
    // "Deg", a first calculation, then `file` loaded when given.
    CalculationOutcome Open(const std::optional<std::filesystem::path>& file);
    // The fields go back to the profile, for the next opening.
    void WriteState() const;

    const std::string& Text(FormulaField field) const { return texts_[static_cast<std::size_t>(field)]; }
    // A change of a field the window reports; only a direct edit of the formula sets the unsaved flag.
    void SetText(FormulaField field, std::string text);
    void EditFormula(std::string text);
    const std::string& Result() const { return result_; }

    CalculationOutcome Calculate();
    FieldEdit InsertCharacter(const FieldEdit& formula, char character);
    FieldEdit InsertFunction(const FieldEdit& formula, std::string_view entry);
    FieldEdit Undo();
    FieldEdit Backspace(const FieldEdit& formula);
    FieldEdit DeleteAfterCaret(const FieldEdit& formula);
    void ClearAll();

    // 0 when no angle choice is checked, else 1 degrees, 2 radians, 3 grads.
    int CheckedAngle() const { return checkedAngle_; }
    void ChooseAngle(AngleUnit unit);

    // Asks whether to save unsaved changes; false when the user cancels, or answered Yes and the
    // formula was not saved after all.
    bool ConfirmSaveChanges();
    // Asks at closing with unsaved changes; false keeps the window open.
    bool ConfirmClose();
    void New();
    // Each gives the calculation of the file it loaded, or nothing when none was loaded.
    std::optional<CalculationOutcome> OpenFile();
    std::optional<CalculationOutcome> Save();
    std::optional<CalculationOutcome> LoadFormulaFile(const std::filesystem::path& path);
    std::optional<CalculationOutcome> OpenRecentFile(std::size_t index);
    RecentFiles Recent() const;

    bool Unsaved() const { return unsaved_; }
    const std::string& FileName() const { return fileName_; }
    const std::string& Caption() const { return caption_; }

private:
    std::optional<std::string> BuildRecord(FormulaRecord& record) const;
    void ApplyRecord(const FormulaRecord& record);
    FormulaInputs Inputs() const;
    std::string& TextOf(FormulaField field) { return texts_[static_cast<std::size_t>(field)]; }
    FieldEdit EditFormulaBy(const FieldEdit& edited, const FieldEdit& current);

    ProfileStore& profile_;
    UserPrompts& prompts_;
    FormulaFileDialogs& dialogs_;
    UndoSnapshot& undo_;
    FormulaParser parser_;
    std::array<std::string, kFormulaFieldCount> texts_;
    // Fields read from the profile with characters Windows-1252 has no place for.
    std::array<bool, kFormulaFieldCount> lossy_{};
    std::string result_;
    std::string fileName_{kNewFormulaName};
    std::string caption_{kExpressa};
    bool unsaved_ = false;
    int checkedAngle_ = 1;
};

}  // namespace quantora
