#pragma once

#include <QString>
#include <string_view>

#include "ui/record_text.h"

class QWidget;

namespace quantora {

class WindowLaunchers;

inline constexpr std::string_view kCustomUnitsHelpPage = "customunits.htm";

// F1 opens `page` of the help over `window`.
void AddHelpKey(QWidget& window, WindowLaunchers& launchers, std::string_view page);

// A refusal in a message box over `window`, so the user learns why the text was not taken.
void ShowRefusal(QWidget& window, const std::string& refusal);

}  // namespace quantora
