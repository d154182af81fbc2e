#include "main/converter_model.h"

#include <utility>

#include "app/settings.h"
#include "catalogue/cp1252.h"
#include "convert/format_settings.h"
#include "convert/unit_conversion.h"

namespace quantora {

FindTarget DecodeFindCode(int code) {
    return {static_cast<std::size_t>(code % 1000), static_cast<std::size_t>(code / 1000)};
}

std::string InitialValueText(const ProfileStore& store) {
    std::string saved = ReadSetting(store, Setting::kSavedX);
    return saved.empty() ? "1" : saved;
}

void SaveValueText(ProfileStore& store, std::string_view text) { WriteSetting(store, Setting::kSavedX, text); }

ConverterModel::ConverterModel(ProfileStore& store, std::filesystem::path dataFolder)
    : store_(store), dataFolder_(std::move(dataFolder)) {}

CatalogueReload ConverterModel::Reload(std::optional<std::size_t> selectedLine) {
    return ReloadCatalogue(catalogue_, store_, dataFolder_, selectedLine);
}

CatalogueReload ConverterModel::ShowAllUnits(std::optional<std::size_t> selectedLine) {
    return quantora::ShowAllUnits(catalogue_, store_, dataFolder_, selectedLine);
}

CatalogueReload ConverterModel::ShowCommonUnits(std::optional<std::size_t> selectedLine) {
    return quantora::ShowCommonUnits(catalogue_, store_, dataFolder_, selectedLine);
}

bool ConverterModel::CommonUnitsSetting() const { return ReadSettingFlag(store_, Setting::kCommonUnits); }

CategorySelection ConverterModel::SelectCategory(std::optional<std::size_t> selectedLine) {
    rows_.clear();
    failures_.clear();
    sourceRow_.reset();
    destinationRow_.reset();
    CategorySelection selection;
    if (!selectedLine) {
        const int firstCategory = ReadSettingInteger(store_, Setting::kFirstCat);
        if (firstCategory >= 0) selectedLine = static_cast<std::size_t>(firstCategory);
    }
    if (!selectedLine || *selectedLine >= catalogue_.CategoryCount()) {
        line_.reset();
        return selection;
    }
    line_ = selection.line = selectedLine;
    const CategoryRecord& category = catalogue_.CategoryAt(*selectedLine);
    categoryId_ = category.categoryId;
    ChooseAngle(selection);
    WriteSetting(store_, Setting::kFirstCat, std::to_string(*selectedLine));
    FillRows();
    ChooseRows(category, selection);
    return selection;
}

void ConverterModel::ChooseAngle(CategorySelection& selection) {
    selection.angleChoicesShown = UsesAngleMode(categoryId_);
    if (!selection.angleChoicesShown) {
        angleMode_ = AngleUnit::kDegrees;
        return;
    }
    angleMode_ = ReadAngleSetting(store_, Setting::kDegree);
    selection.checkedAngle = IsKnownAngleUnit(angleMode_) ? static_cast<int>(angleMode_) : 0;
}

void ConverterModel::FillRows() {
    for (const UnitRecord& unit : catalogue_.Units(categoryId_)) {
        rows_.push_back({Cp1252ToUtf8(unit.name.Text()), Cp1252ToUtf8(unit.abbreviation.Text()), {}});
    }
    failures_.assign(rows_.size(), {});
}

// A saved unit that is gone sends both lists back to the category's defaults, so the pair stays
// one the data intends.
void ConverterModel::ChooseRows(const CategoryRecord& category, CategorySelection& selection) const {
    selection.sourceRow = LastRowWithUnitId(store_.ReadInt(kSelectionSection, SelectionEntry('1'), -1));
    selection.destinationRow = LastRowWithUnitId(store_.ReadInt(kSelectionSection, SelectionEntry('2'), -1));
    if (selection.sourceRow && selection.destinationRow) return;
    if (auto row = LastRowWithUnitId(category.defaultSourceUnitId)) selection.sourceRow = row;
    if (auto row = LastRowWithUnitId(category.defaultTargetUnitId)) selection.destinationRow = row;
}

std::optional<std::size_t> ConverterModel::LastRowWithUnitId(std::int32_t unitId) const {
    const auto units = catalogue_.Units(categoryId_);
    for (std::size_t row = units.size(); row-- > 0;) {
        if (units[row].unitId == unitId) return row;
    }
    return std::nullopt;
}

// Profile entry names are UTF-8; the category name is a record text.
std::string ConverterModel::SelectionEntry(char which) const {
    std::string entry = Cp1252ToUtf8(catalogue_.CategoryAt(*line_).name.Text());
    entry += which;
    return entry;
}

void ConverterModel::StoreAngleMode(AngleUnit mode) { WriteAngleSetting(store_, Setting::kDegree, mode); }

void ConverterModel::SelectSource(std::size_t row) {
    const UnitRecord* unit = catalogue_.UnitAt(categoryId_, row);
    if (!line_ || !unit) return;
    store_.WriteInt(kSelectionSection, SelectionEntry('1'), unit->unitId);
    sourceRow_ = row;
}

void ConverterModel::SelectDestination(std::size_t row) {
    const UnitRecord* unit = catalogue_.UnitAt(categoryId_, row);
    if (!line_ || !unit) return;
    store_.WriteInt(kSelectionSection, SelectionEntry('2'), unit->unitId);
    destinationRow_ = row;
}

bool ConverterModel::Convert(std::string_view typed, std::optional<std::size_t> sourceRow, const NumberLocale& locale) {
    if (!line_ || !sourceRow || *sourceRow >= rows_.size()) return false;
    ConversionInput input{typed,
                          categoryId_,
                          catalogue_.Units(categoryId_),
                          sourceRow,
                          angleMode_,
                          catalogue_.Temperatures(),
                          catalogue_.Currencies()};
    const ConversionResult result = ConvertUnits(input, ReadFormatSettings(store_), locale, parser_);
    if (!result.ran) return false;
    for (std::size_t row = 0; row < rows_.size() && row < result.rows.size(); ++row) {
        if (!result.rows[row]) continue;
        rows_[row].value = *result.rows[row];
        failures_[row] = result.failures[row];
    }
    return true;
}

ResultLine ConverterModel::CurrentResultLine() const {
    return BuildResultLine(categoryId_, rows_, sourceRow_, destinationRow_);
}

std::string ConverterModel::CurrentRatesNote() const {
    if (categoryId_ != category_id::kCurrency) return "";
    const std::span<const UnitRecord> units = catalogue_.Units(categoryId_);
    std::vector<std::string> names;
    for (const std::optional<std::size_t>& row : {sourceRow_, destinationRow_}) {
        if (row && *row < units.size()) names.push_back(units[*row].name.Text());
    }
    return Cp1252ToUtf8(catalogue_.CurrencyNote(names));
}

}  // namespace quantora
