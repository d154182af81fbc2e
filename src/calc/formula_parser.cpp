#include "calc/formula_parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <limits>

#include "app/user_prompts.h"
#include "calc/name_table.h"
#include "quantora_version.h"

namespace quantora {
namespace {

constexpr const char* kDivideByZero = " Divide by zero!";
constexpr const char* kNegativeRoot = " No SQRT from neg. values!";
constexpr const char* kOutsideDomain = "General Parser Error blocked!";
constexpr std::size_t kSystemMessageLimit = 254;

// An x of exactly 0 is replaced by the smallest normal float, so 1/x stays finite and x^p takes the
// positive-base branch of the power rule.
constexpr double kZeroX = 0x1p-126;

constexpr bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// The longest prefix of a run of digits and points that is a decimal number (one point at most).
double ReadDecimal(std::string_view run) {
    const std::size_t firstPoint = run.find('.');
    const std::size_t secondPoint = firstPoint == std::string_view::npos ? firstPoint : run.find('.', firstPoint + 1);
    const std::string_view number = run.substr(0, secondPoint);
    double value = 0.0;
    const auto [end, status] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (status == std::errc::result_out_of_range) {
        // Too many digits before the point overflow; a fraction too small to represent is 0.
        const std::string_view whole = number.substr(0, firstPoint);
        const bool large = whole.find_first_not_of('0') != std::string_view::npos;
        return large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return status == std::errc() ? value : 0.0;
}

}  // namespace

FormulaParser::FormulaParser(UserPrompts* prompts) : prompts_(prompts) { NameTable::Instance(); }

void FormulaParser::SetFunctConst(int index, double value) {
    if (index < 1 || index > 9) {
        if (prompts_ != nullptr) prompts_->Message("ProgrammError in SetFunctConst()", kProgramName);
        return;
    }
    slots_[static_cast<std::size_t>(index)] = value;
}

double FormulaParser::Evaluate(const std::string& formula, double x, std::string& error, int angleUnit) {
    error.clear();
    if (formula.empty()) return 0.0;
    try {
        fault_ = nullptr;
        text_ = preprocessor_.Run(formula);
        x_ = x == 0.0 ? kZeroX : x;
        angle_ = AngleScaleFor(angleUnit);
        depth_ = 0;
        position_ = 0;
        NextToken();
        const double value = Expression();
        if (token_ != kEnd) {
            error = "Error found on position " + std::to_string(position_) + "!";
        }
        if (fault_ != nullptr) error += fault_;
        text_ = {};
        preprocessor_.ReleaseLargeBuffers();
        return value;
    } catch (const std::exception& failure) {
        text_ = {};
        try {
            const std::string_view message = failure.what();
            error = "System Error: ";
            error.append(message.substr(0, kSystemMessageLimit));
        } catch (const std::exception&) {
            // Short enough to need no memory of its own.
            error = "System Error: ";
        }
        return 0.0;
    }
}

// Blanks never survive preprocessing, so the next token is simply the next character.
void FormulaParser::NextToken() {
    ++position_;
    token_ = position_ > text_.size() ? kEnd : static_cast<unsigned char>(text_[position_ - 1]);
}

double FormulaParser::Expression() {
    double value = Term();
    while (token_ == '+' || token_ == '-') {
        const int op = token_;
        NextToken();
        const double term = Term();
        value = op == '+' ? value + term : value - term;
    }
    return value;
}

double FormulaParser::Term() {
    double value = Power();
    while (token_ == '*' || token_ == '/') {
        const int op = token_;
        NextToken();
        const double factor = Power();
        if (op == '*') {
            value *= factor;
        } else if (factor == 0.0) {
            fault_ = kDivideByZero;
        } else {
            value /= factor;
        }
    }
    return value;
}

double FormulaParser::Power() {
    double base = Unary();
    while (token_ == '^') {
        NextToken();
        const double exponent = Unary();
        base = RaisePower(base, exponent);
    }
    return base;
}

double FormulaParser::RaisePower(double base, double exponent) {
    if (base > 0.0) return std::pow(base, exponent);
    const bool whole = exponent == TruncateToInt32(exponent);
    if (std::fabs(exponent) <= 1.0 || !whole) {
        fault_ = kNegativeRoot;
        return base;
    }
    return std::pow(base, exponent);
}

double FormulaParser::Unary() {
    if (token_ != '-') return Primary();
    NextToken();
    return -Primary();
}

double FormulaParser::Primary() {
    if (token_ == kEnd) return 0.0;
    if (IsDigit(token_) || token_ == '.') return Number();
    if (token_ == '(') return Parenthesised();
    if (token_ == 'x' || token_ == 'X') {
        NextToken();
        return x_;
    }
    return NameOrSlot();
}

double FormulaParser::Number() {
    const std::size_t start = position_ - 1;
    while (IsDigit(token_) || token_ == '.') NextToken();
    return ReadDecimal(text_.substr(start, position_ - 1 - start));
}

double FormulaParser::Parenthesised() {
    if (depth_ >= kMaxNesting) return 0.0;
    ++depth_;
    NextToken();
    const double value = Expression();
    if (token_ == ')') NextToken();
    --depth_;
    return value;
}

double FormulaParser::NameOrSlot() {
    const NameTable::Entry* entry = NameTable::Instance().Match(text_, position_ - 1);
    if (entry == nullptr) {
        const int letter = token_ & ~0x20;
        if (letter < 'A' || letter > 'H') return 0.0;
        NextToken();
        return slots_[static_cast<std::size_t>(letter - 'A') + 1];
    }
    if (depth_ >= kMaxNesting) return 0.0;
    position_ += entry->upperName.size() - 1;
    NextToken();
    ++depth_;
    const double argument = Primary();
    --depth_;
    if (entry->isConstant) return entry->constantValue != 0.0 ? entry->constantValue : argument;
    const std::optional<double> value = ApplyFunction(entry->function, argument, angle_);
    if (!value) {
        fault_ = kOutsideDomain;
        return argument;
    }
    return *value;
}

}  // namespace quantora
