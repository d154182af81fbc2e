#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/profile_store.h"
#include "calc/angle_unit.h"
#include "calc/formula_parser.h"
#include "catalogue/catalogue.h"
#include "convert/number_locale.h"
#include "convert/unit_conversion.h"
#include "main/catalogue_reload.h"
#include "main/result_line.h"

namespace quantora {

// What the window shows after a category selection.
struct CategorySelection {
    std::optional<std::size_t> line;  // none: no usable line, the lists stay empty
    bool angleChoicesShown = false;
    int checkedAngle = 0;  // the angle choice to check, 0 for none
    std::optional<std::size_t> sourceRow;
    std::optional<std::size_t> destinationRow;
};

// A result of the find window: the category line and the unit row to select.
struct FindTarget {
    std::size_t line = 0;
    std::size_t row = 0;
    bool operator==(const FindTarget&) const = default;
};
FindTarget DecodeFindCode(int code);

// The value box at start: the saved text, or "1" when there is none.
std::string InitialValueText(const ProfileStore& store);
void SaveValueText(ProfileStore& store, std::string_view text);

// The main window's state and rules: the catalogue, the current category, the source and
// destination rows, the angle mode and the texts both unit lists show.
class ConverterModel {
public:
    ConverterModel(ProfileStore& store, std::filesystem::path dataFolder);

    CatalogueReload Reload(std::optional<std::size_t> selectedLine);
    CatalogueReload ShowAllUnits(std::optional<std::size_t> selectedLine);
    CatalogueReload ShowCommonUnits(std::optional<std::size_t> selectedLine);
    bool CommonUnitsSetting() const;

    // Rebuilds the rows for the selected category line (none: the line "First Cat" names) and
    // finds the rows to select. The window selects them and reports each through SelectSource
    // and SelectDestination, as a user's selection would.
    CategorySelection SelectCategory(std::optional<std::size_t> selectedLine);
    void StoreAngleMode(AngleUnit mode);

    void SelectSource(std::size_t row);
    void SelectDestination(std::size_t row);

    // Converts the typed value from `sourceRow` into the "Value" texts of every row; false when
    // nothing was computed and the rows keep their texts.
    bool Convert(std::string_view typed, std::optional<std::size_t> sourceRow, const NumberLocale& locale);

    ResultLine CurrentResultLine() const;
    // In the currency category, the day and source of the rates and which of the two chosen
    // currencies kept an older rate (UTF-8); empty in every other category.
    std::string CurrentRatesNote() const;

    const Catalogue& Units() const { return catalogue_; }
    const std::filesystem::path& DataFolder() const { return dataFolder_; }
    const std::vector<UnitRowTexts>& Rows() const { return rows_; }
    // Per row: whether its value shown could not be computed, and why.
    const std::vector<RowFailure>& Failures() const { return failures_; }
    std::int32_t CategoryId() const { return categoryId_; }
    std::optional<std::size_t> SourceRow() const { return sourceRow_; }
    std::optional<std::size_t> DestinationRow() const { return destinationRow_; }
    AngleUnit AngleMode() const { return angleMode_; }

private:
    std::string SelectionEntry(char which) const;
    std::optional<std::size_t> LastRowWithUnitId(std::int32_t unitId) const;
    void ChooseAngle(CategorySelection& selection);
    void ChooseRows(const CategoryRecord& category, CategorySelection& selection) const;
    void FillRows();

    ProfileStore& store_;
    std::filesystem::path dataFolder_;
    Catalogue catalogue_;
    FormulaParser parser_;
    std::optional<std::size_t> line_;
    std::int32_t categoryId_ = 0;
    std::optional<std::size_t> sourceRow_;
    std::optional<std::size_t> destinationRow_;
    AngleUnit angleMode_ = AngleUnit::kDegrees;
    std::vector<UnitRowTexts> rows_;
    std::vector<RowFailure> failures_;
};

}  // namespace quantora
