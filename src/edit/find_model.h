#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

class Catalogue;

// One line of the find window: "category>unit" in Windows-1252 and the position code the main
// window selects it by (unit row * 1000 + category line).
struct FindLine {
    std::string text;
    int positionCode = 0;
};

// The code of a unit row of a category line; the main window splits it again with the modulo and
// the quotient of 1000.
int FindPositionCode(std::size_t categoryLine, std::size_t unitRow);

// Every unit of every category a catalogue holds, as the find window lists them. The model keeps
// one unit table per category, however many there are, so user-defined categories beyond the
// shipped ones are listed and coded like the others; the code is exact below 1000 categories.
class FindModel {
public:
    explicit FindModel(const Catalogue& catalogue);

    std::size_t LineCount() const { return lines_.size(); }
    const FindLine& Line(std::size_t index) const { return lines_[index]; }

    // The lines whose lower-cased text contains the lower-cased filter, as indices in the order of
    // the sorted list (alphabetical without regard to case); an empty filter keeps every line.
    std::vector<std::size_t> Filter(std::string_view filter) const;

private:
    std::vector<FindLine> lines_;       // sorted
    std::vector<std::string> lowered_;  // lines_[i].text in lower case, matched on every keystroke
};

}  // namespace quantora
