#pragma once

#include <string_view>

namespace quantora {

// Every profile text entry the program reads or writes. Nothing else spells an entry's name.
enum class Setting {
    // Section "Settings": remembered state.
    kAutoDownload,
    kSavedX,
    kCommonUnits,
    kFirstCat,
    kDegree,
    kDeg,
    kMru1,
    kMru2,
    kMru3,
    kMru4,
    kUpdateServer,
    // Section "Settings": number formatting.
    kMin,
    kMax,
    kBigSymbol,
    kSmallSymbol,
    kDecimal,
    kExpMin,
    kExpMax,
    kSeperator,
    // Section "Formulas": the formula window's fields.
    kFormulaX,
    kFormulaFx,
    kFormulaF,
    kFormulaJ,
    kFormulaK,
    kFormulaM,
    kFormulaU,
    kFormulaV,
    kFormulaZ,
    // Section "Settings": a certificate the update trusts besides the system's (a test server's).
    kUpdateCertificate,
    // Section "Settings": the file of the day's exchange rates the update fetches.
    kRatesSource,
};

// Where an entry lives, its stored name and the text a missing entry reads as.
struct SettingKey {
    Setting setting;
    std::string_view section;
    std::string_view name;
    std::string_view defaultText;
};

const SettingKey& KeyOf(Setting setting);

}  // namespace quantora
