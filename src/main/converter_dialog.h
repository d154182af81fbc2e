#pragma once

#include <QDialog>
#include <QRect>
#include <QString>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "main/column_widths.h"
#include "main/converter_model.h"
#include "ui/widget_anchors.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTreeWidget;

namespace quantora {

class DialogLayout;
struct ImportOutcome;
class ProfileStore;
class WindowLaunchers;

// Control ids of the main window's layout; each control carries its id as its objectName.
namespace converter_id {
inline constexpr int kExit = 2;
inline constexpr int kImportList = 1000;
inline constexpr int kSaveMainItems = 1008;
inline constexpr int kCategories = 1010;
inline constexpr int kSaveItems = 1011;
inline constexpr int kSaveTemps = 1012;
inline constexpr int kSaveCurrencies = 1014;
inline constexpr int kSourceList = 1020;
inline constexpr int kDestinationList = 1021;
inline constexpr int kValue = 1022;
inline constexpr int kButton1 = 1025;
inline constexpr int kAllUnits = 1026;
inline constexpr int kCommonUnits = 1027;
inline constexpr int kSwap = 1028;
inline constexpr int kShowGroup = 1066;
inline constexpr int kAngleGroup = 1068;
inline constexpr int kDegrees = 1098;
inline constexpr int kRadians = 1099;
inline constexpr int kGrads = 1100;
inline constexpr int kCategoriesLabel = 1102;
inline constexpr int kSourceUnitLabel = 1103;
inline constexpr int kDestinationUnitLabel = 1104;
inline constexpr int kSourceValueLabel = 1105;
inline constexpr int kDestinationValueLabel = 1106;
inline constexpr int kValueLabel = 1109;
inline constexpr int kCustomUnits = 1122;
inline constexpr int kHelp = 57670;
inline constexpr int kUpdate = 57671;
inline constexpr int kFormula = 57672;
inline constexpr int kOptions = 57673;
inline constexpr int kAbout = 57674;
inline constexpr int kFind = 57675;
inline constexpr int kConstants = 57676;
inline constexpr int kElements = 57677;
}  // namespace converter_id

// The main converter window: runs modally from start-up until the program ends. It shows what
// ConverterModel decides and reports the user's choices back to it; the other windows it opens
// through `launchers` and acts on what they hand back.
class CConverterDlg : public QDialog {
    Q_OBJECT

public:
    CConverterDlg(ProfileStore& profile, const std::filesystem::path& dataFolder, WindowLaunchers& launchers,
                  QWidget* parent = nullptr);
    ~CConverterDlg() override;

    // Reads the catalogue and selects the category "First Cat" names. Start-up does this once, after
    // an automatic update has had its chance to replace the data files.
    void LoadCatalogue();

    const ConverterModel& Model() const { return model_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateCaptionsAndValue(DialogLayout& layout);
    void CreateLists(DialogLayout& layout);
    void CreateButtons(DialogLayout& layout);
    void CreateChoices(DialogLayout& layout);
    void CreateHiddenControls();
    void SetTabOrder();
    void CreateShortcuts();
    void SetUpAnchors();

    void ShowCatalogue(const CatalogueReload& reload);
    void ShowLoadWarnings(const std::vector<std::string>& warnings);
    void ReloadCatalogue();
    void FillCategoryList();
    void RunCategorySelection(std::optional<std::size_t> line);
    void FillUnitLists();
    void SelectRow(QTreeWidget& list, std::optional<std::size_t> row);
    void ShowAngleChoices(const CategorySelection& selection);

    void OnCategoryChanged(int row);
    void OnSourceSelectionChanged();
    void OnDestinationSelectionChanged();
    void OnSourceActivated(int row);
    void OnValueChanged();
    void OnSwap();
    void OnAllUnits();
    void OnCommonUnits();
    void OnAngleChosen(AngleUnit mode);
    void OnDestinationDoubleClicked();
    void CopyValue(const QTreeWidget& list);
    void OnFind();
    void SelectFound(const FindTarget& found);

    void OpenHelp();
    void OpenAbout();
    void OpenOptions();
    void OpenUpdate();
    void OpenFormula();
    void OpenConstants();
    void OpenElements();
    void OpenCustomUnits();

    void ConnectImportCommands();
    std::optional<std::filesystem::path> AskMasterFile(const QString& filter);
    void ShowImportOutcome(const ImportOutcome& outcome);
    void ImportCategories();
    void ImportUnits();
    void ImportTemperatures();
    void ImportCurrencies();
    void StampFirstVersions();
    void StampSecondVersions();

    void ConvertFrom(std::optional<std::size_t> row);
    void ShowValues();
    void ShowResultLine();
    void PlaceResultLine(const std::array<QString, 4>& texts);
    int ColumnNeed(int column) const;
    void MeasureColumns();
    void SizeColumns();
    std::optional<std::size_t> SelectedCategoryLine() const;

    ProfileStore& profile_;
    WindowLaunchers& launchers_;
    ConverterModel model_;
    QListWidget* categories_ = nullptr;
    QLineEdit* value_ = nullptr;
    QTreeWidget* sourceList_ = nullptr;
    QTreeWidget* destinationList_ = nullptr;
    QLabel* sourceValue_ = nullptr;
    QLabel* sourceUnit_ = nullptr;
    QLabel* destinationValue_ = nullptr;
    QLabel* destinationUnit_ = nullptr;
    QButtonGroup* unitsChoice_ = nullptr;
    QButtonGroup* angleChoice_ = nullptr;
    QRadioButton* allUnits_ = nullptr;
    QRadioButton* commonUnits_ = nullptr;
    QGroupBox* angleGroup_ = nullptr;
    WidgetAnchors anchors_;
    std::string shownWarnings_;
    std::array<QLabel*, 4> resultLabels_{};
    std::array<QRect, 4> resultBoxes_{};  // the labels' places in the layout
    ColumnNeeds needs_;
};

}  // namespace quantora
