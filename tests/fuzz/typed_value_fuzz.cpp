// Feeds arbitrary bytes to the reading of a typed value: the first byte picks the user's locale, the
// rest is the typed text. The reading must never crash, give a text or a reason but not both,
// never lengthen the text (marks become at most a "."), and give numbers that read as themselves
// again in the plain C form, so the evaluator sees each number once and whole.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "convert/typed_value.h"

namespace {

using quantora::NegativePattern;
using quantora::NumberLocale;

const std::array<NumberLocale, 8> kLocales{{
    {".", "", 0, true, NegativePattern::kLeadingMinus},             // C
    {".", ",", 3, true, NegativePattern::kLeadingMinus},            // English
    {",", ".", 3, true, NegativePattern::kLeadingMinus},            // German
    {",", "\u202F", 3, true, NegativePattern::kLeadingMinus},       // French
    {".", "\u2019", 3, true, NegativePattern::kLeadingMinus},       // Swiss
    {"\u066B", "\u066C", 3, true, NegativePattern::kLeadingMinus},  // Arabic marks
    {",", ",", 2, true, NegativePattern::kLeadingMinus},            // a broken locale: one mark for both
    {"", " ", 1, true, NegativePattern::kLeadingMinus},             // a broken locale: no decimal mark
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const NumberLocale& locale = kLocales[data[0] % kLocales.size()];
    const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);
    const quantora::TypedValue read = quantora::ReadTypedValue(typed, locale);
    if (!read.error.empty() && !read.text.empty()) std::abort();
    if (read.error.empty() && read.text.size() > typed.size()) std::abort();
    if (read.error.empty() && typed.empty() != read.text.empty()) std::abort();
    if (read.error.empty()) {
        const quantora::TypedValue again = quantora::ReadTypedValue(read.text, kLocales[0]);
        if (!again.error.empty() || again.text != read.text) std::abort();
    }
    return 0;
}
