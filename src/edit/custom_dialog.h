#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>

#include "edit/custom_units_model.h"

class QListWidget;

namespace quantora {

class WindowLaunchers;

// Control ids of the Custom Units window.
namespace custom_id {
inline constexpr int kClose = 2;
inline constexpr int kAddCategory = 1002;
inline constexpr int kCategories = 1115;
inline constexpr int kUnits = 1119;
inline constexpr int kRemoveCategory = 1120;
inline constexpr int kAddUnit = 1121;
inline constexpr int kRemoveUnit = 1122;
inline constexpr int kRenameCategory = 57675;
inline constexpr int kModifyUnit = 57676;
}  // namespace custom_id

// The Custom Units window: the user's own categories, and units of their own in any category.
// It writes "catcust.dat" and "itemcust.dat" when it closes.
class dlgCustom : public QDialog {
    Q_OBJECT

public:
    dlgCustom(const std::filesystem::path& dataFolder, WindowLaunchers& launchers, QWidget* parent = nullptr);

    // Why the files could not be read; such a window must not be shown, since closing it would
    // write the user's files from what it failed to read.
    const std::optional<std::string>& LoadError() const { return loadError_; }
    const CustomUnitsModel& Model() const { return model_; }

    void done(int result) override;

private:
    void CreateControls();
    void FillCategories(std::optional<std::size_t> lineToSelect);
    void FillUnits(std::optional<std::size_t> rowToSelect);
    std::optional<std::int32_t> SelectedUnitId() const;
    std::optional<QString> AskCategoryName(const QString& title, const QString& value);
    bool SureToDelete();

    void OnCategorySelected();
    void OnAddCategory();
    void OnRenameCategory();
    void OnRemoveCategory();
    void OnAddUnit();
    void OnModifyUnit();
    void OnRemoveUnit();

    std::filesystem::path dataFolder_;
    WindowLaunchers& launchers_;
    CustomUnitsModel model_;
    std::optional<std::string> loadError_;
    QListWidget* categories_ = nullptr;
    QListWidget* units_ = nullptr;
};

}  // namespace quantora
