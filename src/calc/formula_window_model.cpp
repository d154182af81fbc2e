#include "calc/formula_window_model.h"

#include <algorithm>

#include "app/settings.h"
#include "app/user_prompts.h"
#include "calc/formula_file_dialogs.h"
#include "catalogue/cp1252.h"
#include "catalogue/path_text.h"
#include "catalogue/record_file.h"

namespace quantora {

namespace {

constexpr std::string_view kQuestion = "Question";
constexpr std::array<std::string_view, kFormulaFieldCount> kCaptions{"x", "f(x)", "F", "J", "K", "M", "U", "V", "Z"};

Setting ProfileEntry(std::size_t field) {
    return static_cast<Setting>(static_cast<int>(Setting::kFormulaX) + static_cast<int>(field));
}

// "Deg" as Calculate reads it: the leading integer, below 1 counting as degrees.
int AngleUnitSetting(const ProfileStore& profile) {
    return std::max(LeadingInteger(ReadSetting(profile, Setting::kDeg)), 1);
}

}  // namespace

std::size_t FieldCapacity(FormulaField field) {
    switch (field) {
        case FormulaField::kX: return decltype(FormulaRecord::x)::kWidth - 1;
        case FormulaField::kFormula: return decltype(FormulaRecord::formula)::kWidth - 1;
        default: return decltype(FormulaRecord::variables)::value_type::kWidth - 1;
    }
}

FormulaWindowModel::FormulaWindowModel(ProfileStore& profile, UserPrompts& prompts, FormulaFileDialogs& dialogs,
                                       UndoSnapshot& undo)
    : profile_(profile), prompts_(prompts), dialogs_(dialogs), undo_(undo), parser_(&prompts) {}

CalculationOutcome FormulaWindowModel::Open(const std::optional<std::filesystem::path>& file) {
    unsaved_ = false;
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        bool lossless = true;
        texts_[i] = Utf8ToCp1252(ReadSetting(profile_, ProfileEntry(i)), &lossless);
        lossy_[i] = !lossless;
    }
    const int unit = LeadingInteger(ReadSetting(profile_, Setting::kDeg));
    checkedAngle_ = unit == 0 ? 1 : (IsKnownAngleUnit(static_cast<AngleUnit>(unit)) ? unit : 0);
    CalculationOutcome outcome = Calculate();
    fileName_ = std::string(kNewFormulaName);
    if (file) {
        if (auto loaded = LoadFormulaFile(*file)) outcome = std::move(*loaded);
    }
    return outcome;
}

void FormulaWindowModel::WriteState() const {
    for (std::size_t i = 0; i < texts_.size(); ++i) WriteSetting(profile_, ProfileEntry(i), Cp1252ToUtf8(texts_[i]));
}

void FormulaWindowModel::SetText(FormulaField field, std::string text) {
    lossy_[static_cast<std::size_t>(field)] = false;
    TextOf(field) = std::move(text);
}

void FormulaWindowModel::EditFormula(std::string text) {
    if (text == Text(FormulaField::kFormula)) return;
    SetText(FormulaField::kFormula, std::move(text));
    unsaved_ = true;
}

FormulaInputs FormulaWindowModel::Inputs() const {
    FormulaInputs inputs{Text(FormulaField::kX), Text(FormulaField::kFormula), {}};
    for (std::size_t i = 0; i < inputs.variables.size(); ++i) {
        inputs.variables[i] = texts_[static_cast<std::size_t>(FormulaField::kF) + i];
    }
    return inputs;
}

CalculationOutcome FormulaWindowModel::Calculate() {
    CalculationOutcome outcome = CalculateFormula(parser_, Inputs(), AngleUnitSetting(profile_));
    result_ = outcome.result;
    if (outcome.failed) SetText(FormulaField::kFormula, outcome.marked.text);
    return outcome;
}

// The window's commands keep the formula within its field, as typing into it does.
FieldEdit FormulaWindowModel::EditFormulaBy(const FieldEdit& edited, const FieldEdit& current) {
    if (edited.text.size() > FieldCapacity(FormulaField::kFormula) && edited.text.size() > current.text.size()) {
        prompts_.Beep();
        return current;
    }
    SetText(FormulaField::kFormula, edited.text);
    return edited;
}

FieldEdit FormulaWindowModel::InsertCharacter(const FieldEdit& formula, char character) {
    const UndoSnapshot before = undo_;
    const FieldEdit edited = quantora::InsertCharacter(formula, character, undo_);
    FieldEdit shown = EditFormulaBy(edited, formula);
    if (shown != edited) undo_ = before;
    return shown;
}

FieldEdit FormulaWindowModel::InsertFunction(const FieldEdit& formula, std::string_view entry) {
    return EditFormulaBy(quantora::InsertFunction(formula, entry), formula);
}

FieldEdit FormulaWindowModel::Undo() {
    FieldEdit restored = quantora::Undo(undo_);
    SetText(FormulaField::kFormula, restored.text);
    return restored;
}

FieldEdit FormulaWindowModel::Backspace(const FieldEdit& formula) {
    return EditFormulaBy(quantora::Backspace(formula, undo_), formula);
}

FieldEdit FormulaWindowModel::DeleteAfterCaret(const FieldEdit& formula) {
    return EditFormulaBy(quantora::DeleteAfterCaret(formula, undo_), formula);
}

void FormulaWindowModel::ClearAll() {
    for (std::size_t i = 0; i < texts_.size(); ++i) SetText(static_cast<FormulaField>(i), {});
    result_.clear();
}

void FormulaWindowModel::ChooseAngle(AngleUnit unit) {
    checkedAngle_ = static_cast<int>(unit);
    WriteAngleSetting(profile_, Setting::kDeg, unit);
}

bool FormulaWindowModel::ConfirmSaveChanges() {
    if (!unsaved_) return true;
    const std::string question = "Do you want to save the changes to :" + fileName_ + "  ?";
    switch (prompts_.Question(question, kQuestion, UserPrompts::Buttons::YesNoCancel)) {
        case UserPrompts::Answer::Yes:
            // Going on without the file would throw away the formula the user asked to keep.
            if (!Save()) return false;
            unsaved_ = false;
            return true;
        case UserPrompts::Answer::No: unsaved_ = false; return true;
        default: return false;
    }
}

bool FormulaWindowModel::ConfirmClose() {
    if (!unsaved_) return true;
    switch (prompts_.Question("File not Saved , Save?", kQuestion, UserPrompts::Buttons::YesNoCancel)) {
        case UserPrompts::Answer::Yes: return Save().has_value();
        case UserPrompts::Answer::No: return true;
        default: return false;
    }
}

void FormulaWindowModel::New() {
    if (!ConfirmSaveChanges()) return;
    ClearAll();
    fileName_ = std::string(kNewFormulaName);
    unsaved_ = false;
}

std::optional<CalculationOutcome> FormulaWindowModel::OpenFile() {
    if (!ConfirmSaveChanges()) return std::nullopt;
    const auto path = dialogs_.AskOpenPath();
    if (!path) return std::nullopt;
    return LoadFormulaFile(*path);
}

// Every field must arrive in the file as the window shows it, so a text that would be cut or
// changed refuses the save instead.
std::optional<std::string> FormulaWindowModel::BuildRecord(FormulaRecord& record) const {
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        if (lossy_[i]) {
            return std::string(kCaptions[i]) + ": the text holds characters a formula file cannot keep";
        }
    }
    std::optional<std::string> refusal = record.x.Assign(Text(FormulaField::kX), kCaptions[0]);
    if (!refusal) refusal = record.formula.Assign(Text(FormulaField::kFormula), kCaptions[1]);
    for (std::size_t i = 0; i < record.variables.size() && !refusal; ++i) {
        refusal = record.variables[i].Assign(texts_[2 + i], kCaptions[2 + i]);
    }
    record.angleUnit = LeadingInteger(ReadSetting(profile_, Setting::kDeg));
    return refusal;
}

std::optional<CalculationOutcome> FormulaWindowModel::Save() {
    FormulaRecord record;
    if (const auto refusal = BuildRecord(record)) {
        prompts_.Message("The formula is not saved. " + *refusal + ".", kExpressa);
        return std::nullopt;
    }
    const auto chosen = dialogs_.AskSavePath(fileName_ + std::string(kFormulaFileExtension));
    if (!chosen) return std::nullopt;
    const std::filesystem::path path = FormulaSavePath(*chosen);
    if (const auto error = WriteFormulaFile(path, record)) {
        prompts_.Message(*error, kExpressa);
        return std::nullopt;
    }
    unsaved_ = false;
    fileName_ = FormulaFileTitle(path);
    caption_ = fileName_ + " - " + std::string(kExpressa);
    if (auto reloaded = LoadFormulaFile(path)) return reloaded;
    return Calculate();
}

std::optional<CalculationOutcome> FormulaWindowModel::LoadFormulaFile(const std::filesystem::path& path) {
    if (!ConfirmSaveChanges()) return std::nullopt;
    const RecordFile<FormulaRecord> file = ReadRecordFile<FormulaRecord>(path);
    if (!file.opened) {
        prompts_.Message(file.error, kExpressa);
        return std::nullopt;
    }
    if (file.records.empty()) {
        prompts_.Message(PathText(path) + " is not a formula file", kExpressa);
        return std::nullopt;
    }
    AddRecentFile(profile_, PathText(path));
    for (const FormulaRecord& record : file.records) ApplyRecord(record);
    fileName_ = FormulaFileTitle(path);
    caption_ = fileName_ + " - " + std::string(kExpressa);
    CalculationOutcome outcome = Calculate();
    unsaved_ = false;
    return outcome;
}

// The file's angle unit becomes the one Calculate uses too, so the choice shown and the unit used agree.
void FormulaWindowModel::ApplyRecord(const FormulaRecord& record) {
    SetText(FormulaField::kX, record.x.Text());
    SetText(FormulaField::kFormula, record.formula.Text());
    for (std::size_t i = 0; i < record.variables.size(); ++i) {
        SetText(static_cast<FormulaField>(static_cast<std::size_t>(FormulaField::kF) + i), record.variables[i].Text());
    }
    const auto unit = static_cast<AngleUnit>(record.angleUnit);
    if (IsKnownAngleUnit(unit)) ChooseAngle(unit);
}

std::optional<CalculationOutcome> FormulaWindowModel::OpenRecentFile(std::size_t index) {
    const RecentFiles files = Recent();
    if (index >= files.size() || files[index].empty()) return std::nullopt;
    return LoadFormulaFile(PathFromUtf8(files[index]));
}

RecentFiles FormulaWindowModel::Recent() const { return ReadRecentFiles(profile_); }

}  // namespace quantora
