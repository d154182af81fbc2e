#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "masters/version_stamps.h"

namespace quantora {

// What one developer import hands back to the main window, in UTF-8: the message boxes to show, in
// order, and the lines to add to its hidden list box.
struct ImportOutcome {
    std::vector<std::string> messages;
    std::vector<std::string> listLines;
};

// Each import reads the master file the developer picked (none when the file dialog was
// cancelled) and writes its data file anew in `dataFolder`. A file that cannot be read or
// written, or a text too long for its field, is reported and nothing is written. The category
// import answers a cancel with "No File Selected"; the others end with "done" whatever happened.
ImportOutcome ImportCategoriesFile(const std::optional<std::filesystem::path>& master,
                                   const std::filesystem::path& dataFolder);
ImportOutcome ImportUnitsFile(const std::optional<std::filesystem::path>& master,
                              const std::filesystem::path& dataFolder);
ImportOutcome ImportTemperaturesFile(const std::optional<std::filesystem::path>& master,
                                     const std::filesystem::path& dataFolder);
ImportOutcome ImportCurrenciesFile(const std::optional<std::filesystem::path>& rates,
                                   const std::filesystem::path& dataFolder);

// Writes "list.dat" anew with a fixed set of version texts.
ImportOutcome WriteVersionStampsFile(StampSet set, const std::filesystem::path& dataFolder);

}  // namespace quantora
