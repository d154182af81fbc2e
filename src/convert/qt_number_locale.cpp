#include "convert/qt_number_locale.h"

namespace quantora {

namespace {

// Qt has no call for the grouping size, so it is read off a formatted number: the digits after
// the last group separator.
int GroupingSize(const QLocale& locale) {
    const QString digits = locale.toString(1234567890LL);
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty()) return 0;
    const qsizetype last = digits.lastIndexOf(separator);
    if (last < 0) return 0;
    return static_cast<int>(digits.size() - last - separator.size());
}

NegativePattern NegativePatternOf(const QLocale& locale) {
    const QString text = locale.toString(-1);
    const QString sign = locale.negativeSign();
    if (text.startsWith(QLatin1Char('('))) return NegativePattern::kParentheses;
    if (text.startsWith(sign + QLatin1Char(' '))) return NegativePattern::kLeadingMinusSpace;
    if (text.startsWith(sign)) return NegativePattern::kLeadingMinus;
    if (text.endsWith(QLatin1Char(' ') + sign)) return NegativePattern::kTrailingMinusSpace;
    if (text.endsWith(sign)) return NegativePattern::kTrailingMinus;
    return NegativePattern::kLeadingMinus;
}

}  // namespace

NumberLocale NumberLocaleFrom(const QLocale& locale) {
    NumberLocale result;
    result.decimalSeparator = locale.decimalPoint().toStdString();
    result.thousandsSeparator = locale.groupSeparator().toStdString();
    result.groupingSize = GroupingSize(locale);
    result.leadingZero = true;
    result.negativePattern = NegativePatternOf(locale);
    return result;
}

NumberLocale UserNumberLocale() { return NumberLocaleFrom(QLocale::system()); }

}  // namespace quantora
