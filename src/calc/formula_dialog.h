#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>

#include "calc/formula_window_model.h"

class QAction;
class QButtonGroup;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QToolBar;

namespace quantora {

class DialogLayout;
class WindowLaunchers;

// Control ids of the formula window's layout; each control carries its id as its objectName.
namespace formula_id {
inline constexpr int kCalculate = 1;
inline constexpr int kClose = 2;
inline constexpr int kPlus = 1036;
inline constexpr int kMinus = 1037;
inline constexpr int kMultiply = 1038;
inline constexpr int kDivide = 1039;
inline constexpr int kPower = 1040;
inline constexpr int kFunctions = 1049;
inline constexpr int kAngleGroup = 1066;
inline constexpr int kX = 1085;
inline constexpr int kFormula = 1086;
inline constexpr int kResult = 1087;
inline constexpr int kFunctionsList = 1088;
inline constexpr int kDegrees = 1098;
inline constexpr int kRadians = 1099;
inline constexpr int kGrads = 1100;
inline constexpr int kConstantsGroup = 1114;
inline constexpr int kFirstRecentFile = 111;
}  // namespace formula_id

// Where the formula window asks its questions and chooses its files; null ones are the platform's.
struct FormulaWindowSeams {
    UserPrompts* prompts = nullptr;
    FormulaFileDialogs* fileDialogs = nullptr;
};

// The formula calculator "Expressa": shows what FormulaWindowModel holds and hands every command
// and every change of a field to it.
class CFormulaDlg : public QDialog {
    Q_OBJECT

public:
    CFormulaDlg(ProfileStore& profile, WindowLaunchers& launchers, const std::optional<std::filesystem::path>& file,
                QWidget* parent = nullptr, FormulaWindowSeams seams = {});
    ~CFormulaDlg() override;

    const FormulaWindowModel& Model() const { return *model_; }
    QMenu& FileMenu() { return *fileMenu_; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenusAndToolbar(QWidget& body);
    void CreateFields(DialogLayout& layout);
    void CreateVariables(DialogLayout& layout);
    void CreateKeypad(DialogLayout& layout);
    void CreateAngleChoices(DialogLayout& layout);
    void CreateFunctionsList(DialogLayout& layout);
    void CreateButtons(DialogLayout& layout);
    void CreateHiddenButtons();
    QAction* AddCommand(QMenu& menu, const char* text, const char* tip, const char* icon,
                        void (CFormulaDlg::*handler)());

    FieldEdit FormulaEdit() const;
    void ShowFormula(const FieldEdit& formula);
    void ShowFields();
    void ShowAngle();
    void ShowCalculation(const CalculationOutcome& outcome);
    void ShowLoaded(const std::optional<CalculationOutcome>& outcome);
    void RebuildRecentFiles();
    void OnFormulaChanged();

    void OnCalculate();
    void Insert(char character);
    void OnFunctionActivated();
    void OnUndo();
    void OnBackspace();
    void OnDelete();
    void OnClearAll();
    void OnNew();
    void OnOpen();
    void OnSave();
    void OnRecentFile(std::size_t index);
    void OnHelp();

    ProfileStore& profile_;
    WindowLaunchers& launchers_;
    std::unique_ptr<UserPrompts> ownPrompts_;
    std::unique_ptr<FormulaFileDialogs> ownFileDialogs_;
    std::unique_ptr<FormulaWindowModel> model_;
    QMenuBar* menuBar_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QPlainTextEdit* formula_ = nullptr;
    QLineEdit* result_ = nullptr;
    std::array<QLineEdit*, kFormulaFieldCount> fields_{};
    QListWidget* functions_ = nullptr;
    QButtonGroup* angleChoice_ = nullptr;
    // Set while the window writes its own fields, whose change signals are then not the user's.
    bool showing_ = false;
};

}  // namespace quantora
