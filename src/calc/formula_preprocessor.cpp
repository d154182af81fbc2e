#include "calc/formula_preprocessor.h"

#include <algorithm>
#include <array>
#include <limits>

namespace quantora {
namespace {

constexpr std::size_t kUnmatched = std::numeric_limits<std::size_t>::max();
constexpr std::size_t kRemoved = kUnmatched - 1;
constexpr std::size_t kLargeBuffer = 1 << 16;

struct Fragment {
    std::string_view find;
    std::string_view replace;
};

// Applied one after the other, each once over the output of the one before, left to right and
// without overlap.
constexpr std::array<Fragment, 14> kFragments{{
    {"*(1)", ""},
    {"(1)*", ""},
    {"*(x)", "*x"},
    {"((x)*", "(x*"},
    {"+(x)*", "+x*"},
    {"-(x)*", "-x*"},
    {"*(x)*", "*x*"},
    {"(sin(x))", "sin(x)"},
    {"(cos(x))", "cos(x)"},
    {"(cot(x))", "cot(x)"},
    {"(tan(x))", "tan(x)"},
    {"(exp(x))", "exp(x)"},
    {"(log(x))", "log(x)"},
    {"(ln(x))", "ln(x)"},
}};

constexpr std::size_t kLongestFragment = 8;

constexpr char MapCharacter(char c) {
    switch (c) {
        case ',': return '.';
        case '[':
        case '{': return '(';
        case ']':
        case '}': return ')';
        default: return c;
    }
}

// The fourteen replacements as a chain of streaming stages: stage K holds back only the characters
// that could still start its fragment and hands everything else to stage K + 1, so the chain sees
// each character once and gives exactly what the replacements applied in turn would give.
class FragmentChain {
public:
    explicit FragmentChain(std::string& out) : out_(out) {}

    template <std::size_t K = 0>
    void Push(char c) {
        if constexpr (K == kFragments.size()) {
            out_.push_back(c);
        } else {
            constexpr std::string_view find = kFragments[K].find;
            std::size_t& count = held_[K].count;
            char* held = held_[K].chars.data();
            if (count == 0 && c != find[0]) {
                Push<K + 1>(c);
                return;
            }
            held[count++] = c;
            while (count > 0) {
                const std::string_view seen(held, count);
                if (seen == find) {
                    for (char r : kFragments[K].replace) Push<K + 1>(r);
                    count = 0;
                } else if (find.starts_with(seen)) {
                    return;
                } else {
                    Push<K + 1>(held[0]);
                    std::copy(held + 1, held + count, held);
                    --count;
                }
            }
        }
    }

    template <std::size_t K = 0>
    void Finish() {
        if constexpr (K < kFragments.size()) {
            // Fewer characters than the fragment are held, so none of them can still match here.
            for (std::size_t i = 0; i < held_[K].count; ++i) Push<K + 1>(held_[K].chars[i]);
            held_[K].count = 0;
            Finish<K + 1>();
        }
    }

private:
    struct Held {
        std::array<char, kLongestFragment> chars{};
        std::size_t count = 0;
    };
    std::array<Held, kFragments.size()> held_{};
    std::string& out_;
};

}  // namespace

std::string_view FormulaPreprocessor::Run(std::string_view formula) {
    ReplaceFragments(formula);
    const bool hasParenthesis = text_.find('(') != std::string::npos;
    if (hasParenthesis) RemoveEnclosingParentheses();
    DropLeadingPlusAndTrim();
    if (hasParenthesis) {
        ReduceDoubledParenthesesAndBars();
    } else {
        std::erase(text_, '|');
    }
    return text_;
}

void FormulaPreprocessor::ReleaseLargeBuffers() {
    if (text_.capacity() > kLargeBuffer) std::string().swap(text_);
    if (replaced_.capacity() > kLargeBuffer) std::string().swap(replaced_);
    if (match_.capacity() > kLargeBuffer) std::vector<std::size_t>().swap(match_);
    if (open_.capacity() > kLargeBuffer) std::vector<std::size_t>().swap(open_);
}

void FormulaPreprocessor::ReplaceFragments(std::string_view formula) {
    text_.clear();
    text_.reserve(formula.size());
    for (char c : formula) {
        if (c != ' ') text_.push_back(MapCharacter(c));
    }
    // Every fragment holds "(1)" or "(x)", and a replacement needs a fragment to start from, so a
    // text with neither comes through all fourteen unchanged.
    if (text_.find("(1)") == std::string::npos && text_.find("(x)") == std::string::npos) return;
    replaced_.clear();
    replaced_.reserve(text_.size());
    FragmentChain chain(replaced_);
    for (char c : text_) chain.Push(c);
    chain.Finish();
    text_.swap(replaced_);
}

void FormulaPreprocessor::MatchParentheses() {
    match_.assign(text_.size(), kUnmatched);
    open_.clear();
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '(') {
            open_.push_back(i);
        } else if (text_[i] == ')' && !open_.empty()) {
            match_[open_.back()] = i;
            open_.pop_back();
        }
    }
}

// The text is enclosed while it begins with "(", ends with ")", and the running depth does not
// come back to zero before the last character, i.e. the first "(" closes at the end or never.
void FormulaPreprocessor::RemoveEnclosingParentheses() {
    const std::size_t n = text_.size();
    if (n < 2 || text_.front() != '(' || text_.back() != ')') return;
    MatchParentheses();
    std::size_t layers = 0;
    while (n - 2 * layers >= 2) {
        const std::size_t first = layers;
        const std::size_t last = n - 1 - layers;
        if (text_[first] != '(' || text_[last] != ')') break;
        if (match_[first] != kUnmatched && match_[first] < last) break;
        ++layers;
    }
    if (layers == 0) return;
    text_.erase(n - layers);
    text_.erase(0, layers);
}

void FormulaPreprocessor::DropLeadingPlusAndTrim() {
    const std::size_t lead = text_.find_first_not_of("+ ");
    if (lead == std::string::npos) {
        text_.clear();
        return;
    }
    constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
    const std::size_t first = text_.find_first_not_of(kWhiteSpace, lead);
    if (first == std::string::npos) {
        text_.clear();
        return;
    }
    text_.erase(text_.find_last_not_of(kWhiteSpace) + 1);
    text_.erase(0, first);
}

// A pair directly inside another pair, with nothing between the two openings and nothing between
// the two closings, is dropped. Matching once on the whole text finds every such pair at once:
// dropping one never makes a new one, so this equals reducing until nothing changes.
void FormulaPreprocessor::ReduceDoubledParenthesesAndBars() {
    MatchParentheses();
    const std::size_t n = text_.size();
    // Walking backwards, a mark only lands on positions already passed or on ")" positions, so the
    // matches read here are still the original ones.
    for (std::size_t next = n; next-- > 1;) {
        const std::size_t i = next - 1;
        if (text_[i] != '(' || text_[i + 1] != '(') continue;
        const std::size_t outer = match_[i];
        const std::size_t inner = match_[i + 1];
        if (outer == kUnmatched || inner == kUnmatched || inner + 1 != outer) continue;
        match_[i + 1] = kRemoved;
        match_[inner] = kRemoved;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (match_[i] == kRemoved || text_[i] == '|') continue;
        text_[kept++] = text_[i];
    }
    text_.resize(kept);
}

}  // namespace quantora
