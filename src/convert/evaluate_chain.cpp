#include "convert/evaluate_chain.h"

#include "convert/leading_number.h"

namespace quantora {

namespace {

std::string_view TrimWhiteSpace(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
    return text;
}

double Apply(char op, double accumulator, double term) {
    switch (op) {
        case '*': return accumulator * term;
        case '/': return accumulator / term;
        case '+': return accumulator + term;
        case '-': return accumulator - term;
        default: return accumulator;
    }
}

}  // namespace

double EvaluateChain(std::string_view text) {
    // The first term multiplies the starting 1, so the chain starts at its value.
    char op = '*';
    double accumulator = 1.0;
    std::string_view rest = TrimWhiteSpace(text);
    while (true) {
        const LeadingNumber term = ReadLeadingNumber(rest);
        accumulator = Apply(op, accumulator, term.value);
        rest = TrimWhiteSpace(rest.substr(term.length));
        if (rest.empty()) return accumulator;
        op = rest.front();
        rest = TrimWhiteSpace(rest.substr(1));
    }
}

}  // namespace quantora
