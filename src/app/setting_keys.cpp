#include "app/setting_keys.h"

#include <array>
#include <cstddef>

namespace quantora {

namespace {

constexpr std::string_view kSettings = "Settings";
constexpr std::string_view kFormulas = "Formulas";

// Entries with an empty default read as empty, as off or as 0 when missing; the readers of the
// angle settings and "First Cat" give those their meaning.
constexpr std::array kKeys{
    SettingKey{Setting::kAutoDownload, kSettings, "Auto Download", ""},
    SettingKey{Setting::kSavedX, kSettings, "Saved X", ""},
    SettingKey{Setting::kCommonUnits, kSettings, "Common Units", ""},
    SettingKey{Setting::kFirstCat, kSettings, "First Cat", ""},
    SettingKey{Setting::kDegree, kSettings, "Degree", ""},
    SettingKey{Setting::kDeg, kSettings, "Deg", ""},
    SettingKey{Setting::kMru1, kSettings, "MRU1", ""},
    SettingKey{Setting::kMru2, kSettings, "MRU2", ""},
    SettingKey{Setting::kMru3, kSettings, "MRU3", ""},
    SettingKey{Setting::kMru4, kSettings, "MRU4", ""},
    // The data update asks this server; empty until a maintainer or the user names one, so that no
    // copy of the program contacts a host nobody runs.
    SettingKey{Setting::kUpdateServer, kSettings, "Update Server", ""},
    SettingKey{Setting::kMin, kSettings, "Min", "1e-9"},
    SettingKey{Setting::kMax, kSettings, "Max", "1e12"},
    SettingKey{Setting::kBigSymbol, kSettings, "BigSymbol", ">>"},
    SettingKey{Setting::kSmallSymbol, kSettings, "SmallSymbol", "<<"},
    SettingKey{Setting::kDecimal, kSettings, "Decimal", "6"},
    SettingKey{Setting::kExpMin, kSettings, "ExpMin", "1e-6"},
    SettingKey{Setting::kExpMax, kSettings, "ExpMax", "1e9"},
    SettingKey{Setting::kSeperator, kSettings, "Seperator", "1"},
    SettingKey{Setting::kFormulaX, kFormulas, "x", ""},
    SettingKey{Setting::kFormulaFx, kFormulas, "fx", ""},
    SettingKey{Setting::kFormulaF, kFormulas, "F", ""},
    SettingKey{Setting::kFormulaJ, kFormulas, "J", ""},
    SettingKey{Setting::kFormulaK, kFormulas, "K", ""},
    SettingKey{Setting::kFormulaM, kFormulas, "M", ""},
    SettingKey{Setting::kFormulaU, kFormulas, "U", ""},
    SettingKey{Setting::kFormulaV, kFormulas, "V", ""},
    SettingKey{Setting::kFormulaZ, kFormulas, "Z", ""},
    SettingKey{Setting::kUpdateCertificate, kSettings, "Update Certificate", ""},
    // The European Central Bank's daily reference rates: a public file every copy may fetch.
    SettingKey{Setting::kRatesSource, kSettings, "Rates Source",
               "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"},
};

constexpr bool EachEntrySitsAtItsIndex() {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (static_cast<std::size_t>(kKeys[i].setting) != i) return false;
    }
    return static_cast<std::size_t>(Setting::kRatesSource) + 1 == kKeys.size();
}
static_assert(EachEntrySitsAtItsIndex(), "every Setting needs its entry, in the enum's order");

}  // namespace

const SettingKey& KeyOf(Setting setting) { return kKeys[static_cast<std::size_t>(setting)]; }

}  // namespace quantora
