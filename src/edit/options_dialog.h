#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "edit/options_model.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;

namespace quantora {

class DialogLayout;
class ProfileStore;
class WindowLaunchers;

// Control ids of the Options window.
namespace options_id {
inline constexpr int kDefaults = 3;
inline constexpr int kMin = 1103;
inline constexpr int kMax = 1104;
inline constexpr int kExpMin = 1105;
inline constexpr int kExpMax = 1106;
inline constexpr int kDecimal = 1107;
inline constexpr int kSeparator = 1108;
inline constexpr int kSmallSymbol = 1109;
inline constexpr int kBigSymbol = 1110;
inline constexpr int kCategories = 1115;
inline constexpr int kUnits = 1116;
inline constexpr int kSelectAllCategories = 1117;
inline constexpr int kCustomUnits = 1122;
inline constexpr int kClearAllCategories = 57674;
inline constexpr int kSelectAllUnits = 57675;
inline constexpr int kClearAllUnits = 57676;
}  // namespace options_id

// The Options window: the number display settings, and which standard categories and units the
// converter shows. The accepted flag (closed with OK) tells the main window to reload.
class dlgOptions : public QDialog {
    Q_OBJECT

public:
    dlgOptions(ProfileStore& profile, const std::filesystem::path& dataFolder, WindowLaunchers& launchers,
               QWidget* parent = nullptr);
    ~dlgOptions() override;

    // Why the visibility choices cannot be saved; the lists are then shown but not editable.
    const std::string& LoadProblem() const { return load_.problem; }
    bool WasAccepted() const { return accepted_; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateSettings(DialogLayout& layout);
    void CreateLists(DialogLayout& layout);
    void CreateButtons(DialogLayout& layout);
    void ShowSettings(const OptionSettings& settings);
    OptionSettings TypedSettings() const;
    void FillCategories();
    void FillUnits();
    void SaveWorkingCopy();

    void OnCategorySelected();
    void OnUnitSelected();
    void OnDefaults();
    void OnOk();

    ProfileStore& profile_;
    std::filesystem::path dataFolder_;
    WindowLaunchers& launchers_;
    OptionsModel model_;
    OptionsLoad load_;
    bool accepted_ = false;
    std::array<QLineEdit*, kOptionTextSettings.size()> edits_{};
    QCheckBox* separator_ = nullptr;
    QGroupBox* display_ = nullptr;
    QListWidget* categories_ = nullptr;
    QListWidget* units_ = nullptr;
};

}  // namespace quantora
