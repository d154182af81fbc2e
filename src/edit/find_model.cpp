#include "edit/find_model.h"

#include <algorithm>

#include "catalogue/catalogue.h"
#include "catalogue/name_order.h"
#include "lists/list_filter.h"

namespace quantora {

int FindPositionCode(std::size_t categoryLine, std::size_t unitRow) {
    return static_cast<int>(unitRow * 1000 + categoryLine);
}

FindModel::FindModel(const Catalogue& catalogue) {
    const auto categories = catalogue.Categories();
    for (std::size_t line = 0; line < categories.size(); ++line) {
        const std::string prefix = categories[line].name.Text() + ">";
        const auto units = catalogue.Units(categories[line].categoryId);
        for (std::size_t row = 0; row < units.size(); ++row) {
            lines_.push_back({prefix + units[row].name.Text(), FindPositionCode(line, row)});
        }
    }
    std::ranges::stable_sort(lines_,
                             [](const FindLine& a, const FindLine& b) { return CompareNames(a.text, b.text) < 0; });
    lowered_.reserve(lines_.size());
    for (const FindLine& line : lines_) lowered_.push_back(LowerCp1252(line.text));
}

std::vector<std::size_t> FindModel::Filter(std::string_view filter) const {
    const std::string needle = LowerCp1252(filter);
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < lowered_.size(); ++i) {
        if (lowered_[i].find(needle) != std::string::npos) kept.push_back(i);
    }
    return kept;
}

}  // namespace quantora
