#include "cli/unit_lookup.h"

#include <algorithm>
#include <vector>

#include "catalogue/name_order.h"

namespace quantora {

namespace {

// Most candidates an error lists; more would bury the message.
constexpr std::size_t kMaxCandidates = 20;

std::string Folded(std::string_view text) {
    std::string folded;
    for (char c : text) folded += static_cast<char>(CaseFold(static_cast<unsigned char>(c)));
    return folded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return CaseFold(static_cast<unsigned char>(x)) == CaseFold(static_cast<unsigned char>(y));
    });
}

// A field's text in place: the lookup runs over every unit of every category, so it copies none.
template <std::size_t N>
std::string_view TextIn(const TextField<N>& field) {
    const auto bytes = field.Bytes();
    const auto end = std::ranges::find(bytes, std::uint8_t{0});
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(end - bytes.begin())};
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return Folded(text).find(Folded(part)) != std::string::npos;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string UnitText(const UnitRecord& unit) {
    std::string text = unit.name.Text();
    text.append(" (").append(unit.abbreviation.Text()).append(")");
    return text;
}

std::string UnitLabel(const Catalogue& catalogue, std::size_t line, std::size_t row) {
    const CategoryRecord& category = catalogue.CategoryAt(line);
    std::string label = category.name.Text();
    label.append(": ").append(UnitText(catalogue.Units(category.categoryId)[row]));
    return label;
}

void AppendCandidates(std::string& text, const std::vector<std::string>& candidates) {
    if (candidates.empty()) return;
    text += "; candidates:";
    for (std::size_t i = 0; i < candidates.size() && i < kMaxCandidates; ++i) text.append("\n  ").append(candidates[i]);
    if (candidates.size() > kMaxCandidates) text += "\n  ...";
}

// Rows of the table that `text` names: the exact matches when there are any, else those that
// differ only in letter case.
std::vector<std::size_t> MatchingRows(std::span<const UnitRecord> units, std::string_view text) {
    std::vector<std::size_t> exact;
    std::vector<std::size_t> folded;
    for (std::size_t row = 0; row < units.size(); ++row) {
        const std::string_view name = TextIn(units[row].name);
        const std::string_view abbreviation = TextIn(units[row].abbreviation);
        if (name == text || abbreviation == text) exact.push_back(row);
        if (EqualsIgnoringCase(name, text) || EqualsIgnoringCase(abbreviation, text)) folded.push_back(row);
    }
    return exact.empty() ? folded : exact;
}

class Finder {
public:
    Finder(const Catalogue& catalogue, std::optional<std::size_t> category, std::string_view from,
           std::optional<std::string_view> to)
        : catalogue_(catalogue), category_(category), from_(from), to_(to) {}

    UnitLookup Run() {
        for (std::size_t line = 0; line < catalogue_.CategoryCount(); ++line) {
            if (!category_ || *category_ == line) Collect(line);
        }
        if (choices_.size() == 1) return {choices_.front(), ""};
        if (choices_.size() > 1) return {std::nullopt, Ambiguous()};
        return {std::nullopt, Unknown()};
    }

private:
    void Collect(std::size_t line) {
        const auto units = catalogue_.Units(catalogue_.CategoryAt(line).categoryId);
        const std::vector<std::size_t> fromRows = MatchingRows(units, from_);
        if (!fromRows.empty()) fromFound_ = true;
        if (!to_) {
            for (std::size_t row : fromRows) choices_.push_back({line, row, std::nullopt});
            return;
        }
        const std::vector<std::size_t> toRows = MatchingRows(units, *to_);
        if (!toRows.empty()) toFound_ = true;
        for (std::size_t source : fromRows) {
            for (std::size_t destination : toRows) choices_.push_back({line, source, destination});
        }
    }

    std::string Label(const UnitChoice& choice) const {
        std::string label = UnitLabel(catalogue_, choice.categoryLine, choice.sourceRow);
        if (choice.destinationRow) {
            const UnitRecord& unit =
                catalogue_.Units(catalogue_.CategoryAt(choice.categoryLine).categoryId)[*choice.destinationRow];
            label.append(" -> ").append(UnitText(unit));
        }
        return label;
    }

    std::string Ambiguous() const {
        std::vector<std::string> candidates;
        for (const UnitChoice& choice : choices_) candidates.push_back(Label(choice));
        std::string text = "ambiguous units";
        AppendCandidates(text, candidates);
        return text;
    }

    // Units whose name or abbreviation contains the text: what the user may have meant.
    std::string Unknown() const {
        if (fromFound_ && to_ && toFound_) {
            std::string text = "no category holds both ";
            return text.append(Quoted(from_)).append(" and ").append(Quoted(*to_));
        }
        const std::string_view missing = fromFound_ ? *to_ : from_;
        std::string text = "unknown unit ";
        text += Quoted(missing);
        std::vector<std::string> candidates;
        for (std::size_t line = 0; line < catalogue_.CategoryCount(); ++line) {
            if (category_ && *category_ != line) continue;
            const auto units = catalogue_.Units(catalogue_.CategoryAt(line).categoryId);
            for (std::size_t row = 0; row < units.size(); ++row) {
                if (ContainsIgnoringCase(units[row].name.Text(), missing) ||
                    ContainsIgnoringCase(units[row].abbreviation.Text(), missing)) {
                    candidates.push_back(UnitLabel(catalogue_, line, row));
                }
            }
        }
        AppendCandidates(text, candidates);
        return text;
    }

    const Catalogue& catalogue_;
    std::optional<std::size_t> category_;
    std::string_view from_;
    std::optional<std::string_view> to_;
    std::vector<UnitChoice> choices_;
    bool fromFound_ = false;
    bool toFound_ = false;
};

}  // namespace

CategoryLookup FindCategory(const Catalogue& catalogue, std::string_view name) {
    std::optional<std::size_t> folded;
    for (std::size_t line = 0; line < catalogue.CategoryCount(); ++line) {
        const std::string categoryName = catalogue.CategoryAt(line).name.Text();
        if (categoryName == name) return {line, ""};
        if (!folded && EqualsIgnoringCase(categoryName, name)) folded = line;
    }
    if (folded) return {folded, ""};
    std::string error = "unknown category ";
    error += Quoted(name);
    std::vector<std::string> candidates;
    for (std::size_t line = 0; line < catalogue.CategoryCount(); ++line) {
        std::string categoryName = catalogue.CategoryAt(line).name.Text();
        if (ContainsIgnoringCase(categoryName, name)) candidates.push_back(std::move(categoryName));
    }
    AppendCandidates(error, candidates);
    return {std::nullopt, error};
}

UnitLookup FindUnits(const Catalogue& catalogue, std::optional<std::size_t> category, std::string_view from,
                     std::optional<std::string_view> to) {
    return Finder(catalogue, category, from, to).Run();
}

}  // namespace quantora
