#include "update/reference_rates.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace quantora {

namespace {

constexpr std::string_view kRoot = "gesmes:Envelope";
constexpr std::string_view kSenderName = "gesmes:name";
constexpr std::size_t kMaxSenderName = 60;

struct Tag {
    std::string_view name;
    std::string_view attributes;
    bool closing = false;
    bool empty = false;  // <name ... />
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The value of name="..." or name='...' among a tag's attributes.
std::optional<std::string_view> Attribute(std::string_view attributes, std::string_view name) {
    std::size_t at = 0;
    while (at < attributes.size()) {
        while (at < attributes.size() && IsSpace(attributes[at])) ++at;
        const std::size_t equals = attributes.find('=', at);
        if (equals == std::string_view::npos || equals + 1 >= attributes.size()) return std::nullopt;
        std::string_view key = attributes.substr(at, equals - at);
        while (!key.empty() && IsSpace(key.back())) key.remove_suffix(1);
        const char quote = attributes[equals + 1];
        if (quote != '"' && quote != '\'') return std::nullopt;
        const std::size_t end = attributes.find(quote, equals + 2);
        if (end == std::string_view::npos) return std::nullopt;
        if (key == name) return attributes.substr(equals + 2, end - equals - 2);
        at = end + 1;
    }
    return std::nullopt;
}

bool IsDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    int parts[3] = {};
    const std::string_view fields[3] = {text.substr(0, 4), text.substr(5, 2), text.substr(8, 2)};
    for (int i = 0; i < 3; ++i) {
        const auto [end, error] = std::from_chars(fields[i].data(), fields[i].data() + fields[i].size(), parts[i]);
        if (error != std::errc() || end != fields[i].data() + fields[i].size()) return false;
    }
    const int year = parts[0];
    const int month = parts[1];
    const int day = parts[2];
    if (year < 1999 || month < 1 || month > 12 || day < 1) return false;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsCode(std::string_view text) {
    return text.size() == 3 && std::ranges::all_of(text, [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::optional<double> PositiveNumber(std::string_view text) {
    if (text.empty() || text.size() > 32 || text.find_first_not_of("0123456789.") != std::string_view::npos) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || !(value > 0)) {
        return std::nullopt;
    }
    return value;
}

bool IsPrintable(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c >= ' ' && c <= '~' && c != '|'; });
}

class Reader {
public:
    explicit Reader(std::string_view xml) : xml_(xml) {}

    std::variant<ReferenceRates, std::string> Run() {
        std::size_t at = 0;
        while (true) {
            const std::size_t open = xml_.find('<', at);
            if (open == std::string_view::npos) break;
            if (!open_.empty() && open_.back() == kSenderName) sender_ += xml_.substr(at, open - at);
            if (xml_.substr(open).starts_with("<?") || xml_.substr(open).starts_with("<!--")) {
                const std::string_view end = xml_.substr(open).starts_with("<?") ? "?>" : "-->";
                const std::size_t close = xml_.find(end, open);
                if (close == std::string_view::npos) return Cut();
                at = close + end.size();
                continue;
            }
            const std::size_t close = xml_.find('>', open);
            if (close == std::string_view::npos) return Cut();
            if (auto fault = Take(ParseTag(xml_.substr(open + 1, close - open - 1)))) return *fault;
            at = close + 1;
            if (rootClosed_) break;
        }
        if (!rootSeen_) return std::string("the file is not the bank's reference rates: no root element");
        if (!rootClosed_) return Cut();
        if (rates_.date.empty()) return std::string("the file gives no day for its rates");
        if (!rates_.perEuro.contains("USD")) {
            return std::string("the file gives no rate for USD, through which every rate is reckoned");
        }
        const std::size_t first = sender_.find_first_not_of(" \t\r\n");
        const std::string sender =
            first == std::string::npos ? "" : sender_.substr(first, sender_.find_last_not_of(" \t\r\n") - first + 1);
        rates_.sender = sender.size() <= kMaxSenderName && IsPrintable(sender) ? sender : "";
        return std::move(rates_);
    }

private:
    static std::string Cut() { return "the file ends before its last element is closed"; }

    static Tag ParseTag(std::string_view inside) {
        Tag tag;
        if (inside.starts_with('/')) {
            tag.closing = true;
            inside.remove_prefix(1);
        }
        if (inside.ends_with('/')) {
            tag.empty = true;
            inside.remove_suffix(1);
        }
        std::size_t nameEnd = 0;
        while (nameEnd < inside.size() && !IsSpace(inside[nameEnd])) ++nameEnd;
        tag.name = inside.substr(0, nameEnd);
        tag.attributes = inside.substr(nameEnd);
        return tag;
    }

    std::optional<std::string> Take(const Tag& tag) {
        if (!rootSeen_) {
            if (tag.closing || tag.name != kRoot) {
                return "the root element is <" + std::string(tag.name.substr(0, 40)) + ">, not <" + std::string(kRoot) +
                       ">";
            }
            rootSeen_ = true;
        }
        if (tag.closing) {
            if (open_.empty() || open_.back() != tag.name)
                return "the element <" + std::string(tag.name.substr(0, 40)) + "> closes out of order";
            open_.pop_back();
            rootClosed_ = open_.empty();
            return std::nullopt;
        }
        if (tag.name == "Cube") {
            if (auto fault = TakeCube(tag.attributes)) return fault;
        }
        if (!tag.empty) open_.push_back(tag.name);
        return std::nullopt;
    }

    std::optional<std::string> TakeCube(std::string_view attributes) {
        if (const auto time = Attribute(attributes, "time")) {
            if (!IsDate(*time)) return "the day \"" + std::string(time->substr(0, 20)) + "\" is no calendar date";
            if (!rates_.date.empty() && rates_.date != *time)
                return std::string("the file gives rates of more than one day");
            rates_.date = *time;
        }
        const auto currency = Attribute(attributes, "currency");
        const auto rate = Attribute(attributes, "rate");
        if (!currency && !rate) return std::nullopt;
        if (!currency || !IsCode(*currency)) return std::string("a rate names no three-letter currency code");
        if (rates_.date.empty()) return "the rate of " + std::string(*currency) + " comes before the day it is of";
        const std::optional<double> value = rate ? PositiveNumber(*rate) : std::nullopt;
        if (!value) {
            return "the rate \"" + std::string(rate.value_or("").substr(0, 20)) + "\" of " + std::string(*currency) +
                   " is not a positive number";
        }
        if (!rates_.perEuro.emplace(*currency, *value).second) return std::string(*currency) + " is given twice";
        return std::nullopt;
    }

    std::string_view xml_;
    std::vector<std::string_view> open_;
    std::string sender_;
    ReferenceRates rates_;
    bool rootSeen_ = false;
    bool rootClosed_ = false;
};

}  // namespace

std::variant<ReferenceRates, std::string> ReadReferenceRates(std::string_view xml) { return Reader(xml).Run(); }

}  // namespace quantora
