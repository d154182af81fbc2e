#pragma once

#include <cstddef>
#include <string_view>

namespace quantora {

struct LeadingNumber {
    double value = 0.0;
    std::size_t length = 0;  // characters consumed; 0 when the text does not start with a number
};

// The longest prefix of the form: optional sign, digits with an optional decimal point (at least
// one digit), optional exponent (e or E, optional sign, digits). Always read with "." as the
// decimal mark, whatever the process locale. A number too large for a double reads as an infinity,
// one too small as zero.
LeadingNumber ReadLeadingNumber(std::string_view text);

// Blank, tab, the line ends, vertical tab and form feed: what the number readers skip.
bool IsWhiteSpace(char c);

// The leading decimal number of a text after its leading white space; 0 when there is none.
// This is how a typed value and the numeric settings are read.
double LeadingDecimal(std::string_view text);

}  // namespace quantora
