#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

class QWidget;

namespace quantora {

class Catalogue;

struct OptionsResult {
    bool accepted = false;  // closed with OK: the catalogue is read again
};

struct UpdateResult {
    bool filesReplaced = false;  // data files were put in place: the catalogue is read again
};

struct FindResult {
    std::optional<int> positionCode;  // unit row * 1000 + category line; none when cancelled
};

enum class UpdateMode {
    kByHand,     // from the Update button
    kAutomatic,  // at start-up, counting down before it starts by itself
};

// Opens the windows the main window reaches, each modal over `parent`, and hands back what the
// main window acts on. The main window knows no other window than through this.
class WindowLaunchers {
public:
    virtual ~WindowLaunchers() = default;

    virtual OptionsResult RunOptions(QWidget& parent) = 0;
    virtual UpdateResult RunUpdate(QWidget& parent, UpdateMode mode) = 0;
    // The find window searches the categories and units `catalogue` holds, in its order.
    virtual FindResult RunFind(QWidget& parent, const Catalogue& catalogue) = 0;
    // With a file, the formula window opens that formula file as it starts.
    virtual void RunFormula(QWidget& parent, const std::optional<std::filesystem::path>& file) = 0;
    virtual void RunConstants(QWidget& parent) = 0;
    virtual void RunElements(QWidget& parent) = 0;
    virtual void RunCustomUnits(QWidget& parent) = 0;
    virtual void RunAbout(QWidget& parent) = 0;
    // Shows a page of the help beside the program; the help window stays open beside `parent`.
    virtual void ShowHelp(QWidget& parent, std::string_view page) = 0;
};

}  // namespace quantora
