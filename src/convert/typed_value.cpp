#include "convert/typed_value.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace quantora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsNameCharacter(char c) { return IsNameStart(c) || IsDigit(c); }

// Group marks people type for one another: a locale's narrow no-break space is typed as a blank,
// its typographic apostrophe as the straight one.
constexpr std::array<std::string_view, 4> kSpaces = {" ", "\u00A0", "\u202F", "\u2009"};
constexpr std::array<std::string_view, 2> kApostrophes = {"'", "\u2019"};
constexpr std::array<std::string_view, 1> kPoint = {"."};
constexpr std::array<std::string_view, 1> kComma = {","};

using Marks = std::span<const std::string_view>;

bool Contains(Marks marks, std::string_view mark) { return std::ranges::find(marks, mark) != marks.end(); }

// A number's digit runs and the marks between them; the first run is empty when the number starts
// with its decimal mark (".5").
struct Mantissa {
    std::vector<std::string_view> runs;
    std::vector<std::string_view> marks;
};

// One way of writing numbers: which marks are decimal marks, which group marks, and the group size.
struct Form {
    Marks decimal;
    Marks group;
    std::size_t groupSize = 0;
};

class Reader {
public:
    Reader(std::string_view typed, const NumberLocale& locale) : typed_(typed), locale_(locale) {
        decimal_ = {locale.decimalSeparator};
        if (!locale.thousandsSeparator.empty() && locale.groupingSize > 0) {
            const std::string_view group = locale.thousandsSeparator;
            if (Contains(kSpaces, group)) {
                group_ = kSpaces;
            } else if (Contains(kApostrophes, group)) {
                group_ = kApostrophes;
            } else {
                ownGroup_ = {group};
                group_ = ownGroup_;
            }
        }
    }

    TypedValue Read() {
        std::string text;
        std::size_t i = 0;
        while (i < typed_.size()) {
            if (IsNameStart(typed_[i])) {
                const std::size_t start = i;
                while (i < typed_.size() && IsNameCharacter(typed_[i])) ++i;
                text.append(typed_.substr(start, i - start));
            } else if (IsDigit(typed_[i]) || MarkBeforeDigit(i, false) > 0) {
                const std::size_t start = i;
                const Mantissa mantissa = ScanMantissa(i);
                std::string error;
                const std::optional<std::string> number =
                    Number(mantissa, typed_.substr(start, i - start), ExponentLength(i) > 0, error);
                if (!number) return {{}, error};
                text += *number;
                i = CopyExponent(i, text);
            } else {
                text += typed_[i++];
            }
        }
        return {text, {}};
    }

private:
    // The length of a mark that stands at `at` and is followed by a digit; 0 when there is none. A
    // number may start with a decimal mark (".5") but not with a group mark.
    std::size_t MarkBeforeDigit(std::size_t at, bool groups = true) const {
        const auto fits = [&](std::string_view mark) {
            const std::size_t end = at + mark.size();
            return !mark.empty() && typed_.substr(at).starts_with(mark) && end < typed_.size() && IsDigit(typed_[end]);
        };
        std::size_t longest = 0;
        for (Marks marks : {Marks(kPoint), Marks(kComma), Marks(decimal_), groups ? group_ : Marks()}) {
            for (std::string_view mark : marks) {
                if (fits(mark)) longest = std::max(longest, mark.size());
            }
        }
        return longest;
    }

    Mantissa ScanMantissa(std::size_t& i) const {
        Mantissa mantissa;
        while (true) {
            const std::size_t start = i;
            while (i < typed_.size() && IsDigit(typed_[i])) ++i;
            mantissa.runs.push_back(typed_.substr(start, i - start));
            const std::size_t mark = MarkBeforeDigit(i);
            if (mark == 0) return mantissa;
            mantissa.marks.push_back(typed_.substr(i, mark));
            i += mark;
        }
    }

    // The length of an exponent at `i`: e or E, an optional sign, digits; 0 when there is none.
    std::size_t ExponentLength(std::size_t i) const {
        if (i >= typed_.size() || (typed_[i] != 'e' && typed_[i] != 'E')) return 0;
        std::size_t end = i + 1;
        if (end < typed_.size() && (typed_[end] == '+' || typed_[end] == '-')) ++end;
        if (end >= typed_.size() || !IsDigit(typed_[end])) return 0;
        while (end < typed_.size() && IsDigit(typed_[end])) ++end;
        return end - i;
    }

    // An exponent stays as typed.
    std::size_t CopyExponent(std::size_t i, std::string& text) const {
        const std::size_t length = ExponentLength(i);
        text.append(typed_.substr(i, length));
        return i + length;
    }

    // A mantissa before an exponent is never grouped, so "1.500e+015" is 1.5e15 even where "." groups
    // thousands.
    std::optional<std::string> Number(const Mantissa& mantissa, std::string_view written, bool scientific,
                                      std::string& error) const {
        const Form local = scientific
                               ? Form{decimal_, {}, 0}
                               : Form{decimal_, group_, static_cast<std::size_t>(std::max(locale_.groupingSize, 0))};
        if (std::optional<std::string> read = ReadAs(mantissa, local)) return read;
        if (std::optional<std::string> plain = ReadAs(mantissa, {kPoint, {}, 0})) return plain;
        if (std::optional<std::string> comma = ReadAs(mantissa, {kComma, {}, 0})) return comma;
        const std::string example = LocaleExample();
        error = std::string(written) + " is not a number in the form " +
                (example == kPlain ? example : example + " or " + kPlain);
        return std::nullopt;
    }

    static std::optional<std::string> ReadAs(const Mantissa& mantissa, const Form& form) {
        std::optional<std::size_t> decimalAt;
        std::size_t groups = 0;
        for (std::size_t i = 0; i < mantissa.marks.size(); ++i) {
            if (decimalAt) return std::nullopt;  // nothing follows the decimal mark but digits
            if (Contains(form.decimal, mantissa.marks[i])) {
                decimalAt = i;
            } else if (Contains(form.group, mantissa.marks[i])) {
                ++groups;
            } else {
                return std::nullopt;
            }
        }
        const std::size_t integerRuns = decimalAt ? *decimalAt + 1 : mantissa.runs.size();
        if (groups > 0) {
            const std::string_view head = mantissa.runs[0];
            if (head.empty() || head.size() > form.groupSize || head[0] == '0') return std::nullopt;
            for (std::size_t i = 1; i < integerRuns; ++i) {
                if (mantissa.runs[i].size() != form.groupSize) return std::nullopt;
            }
        }
        std::string text;
        for (std::size_t i = 0; i < integerRuns; ++i) text.append(mantissa.runs[i]);
        if (decimalAt) text.append(".").append(mantissa.runs.back());
        return text;
    }

    static constexpr const char* kPlain = "1234.5";

    std::string LocaleExample() const {
        const std::string group = group_.empty() ? "" : locale_.thousandsSeparator;
        return "1" + group + "234" + locale_.decimalSeparator + "5";
    }

    std::string_view typed_;
    const NumberLocale& locale_;
    std::array<std::string_view, 1> decimal_{};
    std::array<std::string_view, 1> ownGroup_{};
    Marks group_{};
};

}  // namespace

TypedValue ReadTypedValue(std::string_view typed, const NumberLocale& locale) { return Reader(typed, locale).Read(); }

}  // namespace quantora
