#include "masters/data_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "calc/formula_parser.h"
#include "catalogue/cp1252.h"
#include "catalogue/rates_stamp.h"
#include "convert/trim_blanks.h"
#include "masters/category_import.h"
#include "masters/temperature_import.h"

namespace quantora {

namespace {

constexpr std::size_t kCategoryLimit = 100;
constexpr std::array<std::string_view, 5> kNumberSystems{"Binary", "Decimal", "Hexadecimal", "Octal", "Roman"};

class Checker {
public:
    Checker(const FaultPlace& place, const UnitDataImport& data) : place_(place), data_(data) {}

    std::vector<std::string> Run() {
        CheckCategoryIds();
        CheckUniqueIds();
        CheckDistinctAbbreviations();
        CheckUnitCategories();
        CheckUnitRuns();
        CheckBaseUnits();
        CheckReciprocalMarkers();
        CheckTemperaturePairs();
        CheckNumberSystems();
        CheckConversionTexts();
        return std::move(errors_);
    }

private:
    void Fault(std::size_t line, const std::string& reason) { errors_.push_back(place_(line, reason)); }

    std::optional<std::size_t> CategoryLine(std::int32_t categoryId) const {
        const auto& records = data_.categories.records;
        const auto found = std::ranges::find(records, categoryId, &CategoryRecord::categoryId);
        if (found == records.end()) return std::nullopt;
        return data_.categories.lines[static_cast<std::size_t>(found - records.begin())];
    }

    std::size_t UnitLine(std::size_t index) const { return data_.units.lines[index]; }
    std::size_t ConversionLine(std::size_t index) const {
        return data_.units.conversionLines[index].value_or(UnitLine(index));
    }

    std::vector<std::size_t> UnitsOf(std::int32_t categoryId) const {
        std::vector<std::size_t> indexes;
        for (std::size_t i = 0; i < data_.units.records.size(); ++i) {
            if (data_.units.records[i].categoryId == categoryId) indexes.push_back(i);
        }
        return indexes;
    }

    // The category list is addressed by id from 0 to the number of categories, and the update and
    // the custom units start their own ids above it.
    void CheckCategoryIds() {
        const auto& categories = data_.categories;
        const auto count = static_cast<std::int32_t>(categories.records.size());
        for (std::size_t i = 0; i < categories.records.size(); ++i) {
            const std::int32_t id = categories.records[i].categoryId;
            if (id < 0 || id > count) {
                Fault(categories.lines[i], "category id " + std::to_string(id) + " lies outside 0 to " +
                                               std::to_string(count) + ", the number of categories");
            }
        }
        if (categories.records.size() >= kCategoryLimit) {
            Fault(categories.lines[kCategoryLimit - 1],
                  "there must be fewer than " + std::to_string(kCategoryLimit) + " categories");
        }
    }

    // A category id selects one unit table, and a unit id one row of it.
    void CheckUniqueIds() {
        std::set<std::int32_t> categories;
        for (std::size_t i = 0; i < data_.categories.records.size(); ++i) {
            const std::int32_t id = data_.categories.records[i].categoryId;
            if (!categories.insert(id).second) {
                Fault(data_.categories.lines[i], "category id " + std::to_string(id) + " given twice");
            }
        }
        std::set<std::pair<std::int32_t, std::int32_t>> units;
        for (std::size_t i = 0; i < data_.units.records.size(); ++i) {
            const UnitRecord& unit = data_.units.records[i];
            if (!units.emplace(unit.categoryId, unit.unitId).second) {
                Fault(UnitLine(i), "unit id " + std::to_string(unit.unitId) + " given twice in category " +
                                       std::to_string(unit.categoryId));
            }
        }
    }

    // The command line finds a unit by its abbreviation and refuses one that two units of the
    // category share.
    void CheckDistinctAbbreviations() {
        std::map<std::pair<std::int32_t, std::string>, std::int32_t> owners;
        for (std::size_t i = 0; i < data_.units.records.size(); ++i) {
            const UnitRecord& unit = data_.units.records[i];
            const std::string abbreviation = unit.abbreviation.Text();
            if (abbreviation.empty()) continue;
            const auto [owner, added] = owners.try_emplace({unit.categoryId, abbreviation}, unit.unitId);
            if (added) continue;
            Fault(UnitLine(i), "abbreviation \"" + Cp1252ToUtf8(abbreviation) + "\" of unit " +
                                   std::to_string(unit.unitId) + " in category " + std::to_string(unit.categoryId) +
                                   " is already unit " + std::to_string(owner->second) + "'s");
        }
    }

    void CheckUnitCategories() {
        for (std::size_t i = 0; i < data_.units.records.size(); ++i) {
            const UnitRecord& unit = data_.units.records[i];
            if (!CategoryLine(unit.categoryId)) {
                Fault(UnitLine(i), "unit " + std::to_string(unit.unitId) + " is in category " +
                                       std::to_string(unit.categoryId) + ", which the category list lacks");
            }
        }
    }

    // The catalogue sorts the standard units of a category within one run of the file, so a
    // category whose units come apart would be shown in an order its rows do not follow.
    void CheckUnitRuns() {
        std::set<std::int32_t> ended;
        std::optional<std::int32_t> current;
        for (std::size_t i = 0; i < data_.units.records.size(); ++i) {
            const UnitRecord& unit = data_.units.records[i];
            if (current == unit.categoryId) continue;
            if (current) ended.insert(*current);
            current = unit.categoryId;
            if (!ended.contains(unit.categoryId)) continue;
            Fault(UnitLine(i), "unit " + std::to_string(unit.unitId) + " of category " +
                                   std::to_string(unit.categoryId) +
                                   " stands apart from the category's other units, which must follow each other");
        }
    }

    void CheckBaseUnits() {
        std::map<std::int32_t, std::size_t> firstUnit;
        std::set<std::int32_t> withBase;
        for (std::size_t i = 0; i < data_.units.records.size(); ++i) {
            const UnitRecord& unit = data_.units.records[i];
            firstUnit.emplace(unit.categoryId, i);
            if (unit.unitId == kBaseUnitId) withBase.insert(unit.categoryId);
        }
        for (const auto& [categoryId, index] : firstUnit) {
            if (withBase.contains(categoryId)) continue;
            Fault(CategoryLine(categoryId).value_or(UnitLine(index)), "category " + std::to_string(categoryId) +
                                                                          " has units but no base unit " +
                                                                          std::to_string(kBaseUnitId));
        }
    }

    void CheckReciprocalMarkers() {
        for (std::size_t i = 0; i < data_.units.records.size(); ++i) {
            const UnitRecord& unit = data_.units.records[i];
            if (!unit.IsReciprocal() || unit.conversionText.Text().ends_with('R')) continue;
            Fault(ConversionLine(i), "unit " + std::to_string(unit.unitId) +
                                         " holds \"R\", so it is reciprocal, but its conversion text does not end "
                                         "with \"R\"");
        }
    }

    void CheckTemperaturePairs() {
        const std::vector<std::size_t> units = UnitsOf(category_id::kTemperature);
        std::set<std::pair<std::int32_t, std::int32_t>> pairs;
        std::set<std::int32_t> ids;
        for (const std::size_t i : units) ids.insert(data_.units.records[i].unitId);
        const auto& formulas = data_.temperatures;
        for (std::size_t k = 0; k < formulas.records.size(); ++k) {
            const TemperatureRecord& formula = formulas.records[k];
            pairs.emplace(formula.fromUnitId, formula.toUnitId);
            if (!ids.contains(formula.fromUnitId) || !ids.contains(formula.toUnitId)) {
                Fault(formulas.lines[k], "temperature formula from unit " + std::to_string(formula.fromUnitId) +
                                             " to unit " + std::to_string(formula.toUnitId) +
                                             ", which are not both units of category 19");
            }
        }
        for (const std::size_t from : units) {
            for (const std::size_t to : units) {
                const std::int32_t fromId = data_.units.records[from].unitId;
                const std::int32_t toId = data_.units.records[to].unitId;
                if (pairs.contains({fromId, toId})) continue;
                Fault(UnitLine(from), "no temperature formula from unit " + std::to_string(fromId) + " to unit " +
                                          std::to_string(toId));
            }
        }
    }

    void CheckNumberSystems() {
        std::vector<std::string> names;
        for (const std::size_t i : UnitsOf(category_id::kNumberSystems)) {
            names.push_back(data_.units.records[i].name.Text());
        }
        std::ranges::sort(names);
        if (std::ranges::equal(names, kNumberSystems)) return;
        std::string found;
        for (const std::string& name : names) found += (found.empty() ? "" : ", ") + Cp1252ToUtf8(name);
        Fault(CategoryLine(category_id::kNumberSystems).value_or(0),
              "category 17 must hold exactly the units Binary, Decimal, Hexadecimal, Octal and Roman, not: " + found);
    }

    // The conversion appends a unit's text to a number and evaluates it; a text the evaluator
    // refuses would show "Error" in every row of its category.
    void CheckConversionTexts() {
        FormulaParser parser;
        for (std::size_t i = 0; i < data_.units.records.size(); ++i) {
            const UnitRecord& unit = data_.units.records[i];
            if (IsExpressionCategory(unit.categoryId)) continue;
            std::string text = unit.conversionText.Text();
            if (unit.IsReciprocal() && text.ends_with('R')) text.pop_back();
            std::string error;
            parser.Evaluate("1" + text, 1.0, error, 1);
            if (error.empty()) continue;
            Fault(ConversionLine(i), "conversion text \"" + Cp1252ToUtf8(unit.conversionText.Text()) + "\" of unit " +
                                         std::to_string(unit.unitId) + " in category " +
                                         std::to_string(unit.categoryId) + ": " + error);
        }
    }

    const FaultPlace& place_;
    const UnitDataImport& data_;
    std::vector<std::string> errors_;
};

}  // namespace

UnitDataImport ImportUnitData(const MasterText& master) {
    return {ImportCategories(master), ImportUnits(master), ImportTemperatures(master)};
}

std::vector<std::string> CheckUnitData(const MasterText& master, const UnitDataImport& data) {
    return Checker([&](std::size_t line, std::string_view reason) { return master.Fault(line, reason); }, data).Run();
}

std::vector<std::string> CheckUnitData(const UnitDataImport& data, const FaultPlace& place) {
    return Checker(place, data).Run();
}

std::vector<std::string> CheckCurrencyRates(const UnitImport& units, std::span<const CurrencyRecord> rates,
                                            std::span<const std::size_t> rateLines, const FaultPlace& place) {
    std::set<std::string> names;
    std::vector<std::string> errors;
    for (std::size_t i = 0; i < rates.size(); ++i) {
        const CurrencyRecord& rate = rates[i];
        if (IsRatesStamp(rate)) continue;
        names.insert(std::string(TrimBlanks(rate.name.Text())));
        if (rate.IsVisible() && !(std::isfinite(rate.rate) && rate.rate > 0)) {
            errors.push_back(
                place(rateLines[i], "the rate of \"" + Cp1252ToUtf8(rate.name.Text()) + "\" is not a positive number"));
        }
    }
    for (std::size_t i = 0; i < units.records.size(); ++i) {
        const UnitRecord& unit = units.records[i];
        if (unit.categoryId != category_id::kCurrency) continue;
        const std::string name = std::string(TrimBlanks(unit.name.Text()));
        if (names.contains(name)) continue;
        errors.push_back(place(units.lines[i], "currency \"" + Cp1252ToUtf8(name) + "\" has no exchange rate"));
    }
    return errors;
}

std::vector<std::string> CheckCurrencyRates(const MasterText& master, const UnitImport& units,
                                            const ImportResult<CurrencyRecord>& rates) {
    return CheckCurrencyRates(units, rates.records, rates.lines,
                              [&](std::size_t line, std::string_view reason) { return master.Fault(line, reason); });
}

}  // namespace quantora
