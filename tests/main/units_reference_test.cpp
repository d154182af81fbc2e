#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "calc/formula_parser.h"
#include "catalogue/catalogue.h"
#include "convert/evaluate_chain.h"
#include "convert/format_settings.h"
#include "convert/number_locale.h"
#include "convert/unit_conversion.h"
#include "main/catalogue_reload.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

// The shipped unit data against GNU units: every unit of a linear category that GNU units also knows
// must have the factor GNU units computes for it, to 1e-9 relative.

namespace quantora {
namespace {

const std::filesystem::path kDataFolder = QUANTORA_DATA_DIR;
constexpr std::string_view kGnuUnits = QUANTORA_GNU_UNITS;
constexpr double kTolerance = 1e-9;

// GNU units' expression of a category's base unit. Where the category has reciprocal units (the
// reciprocal-pair category), `reciprocalBase` is the unit whose reciprocal factor is 1: a reciprocal
// unit's factor is how many of it make one `reciprocalBase`.
struct BaseReference {
    std::int32_t categoryId;
    std::string_view base;
    std::string_view reciprocalBase;
};

struct UnitReference {
    std::int32_t categoryId;
    std::int32_t unitId;
    std::string_view expression;
};

struct UnitKey {
    std::int32_t categoryId;
    std::int32_t unitId;
};

// Number systems, temperature, the three expression categories and currency: no unit there is a
// factor of its base unit, so GNU units has nothing to say about them.
constexpr std::int32_t kNonLinearCategories[] = {17, 19, 25, 26, 27, 28};

constexpr BaseReference kBases[] = {
    {0, "m/s^2", ""},
    {1, "m", ""},
    {2, "m^2", ""},
    {3, "m^3", ""},
    {4, "kg", ""},
    {5, "s", ""},
    {6, "m/s", ""},
    {7, "N", ""},
    {8, "Pa", ""},
    {9, "J", ""},
    {10, "W", ""},
    {11, "kg/m^3", ""},
    {12, "degree", ""},
    {13, "Hz", ""},
    {14, "byte", ""},
    {15, "bit/s", ""},
    {16, "N m", ""},
    {18, "m^3/s", ""},
    {20, "kg/s", ""},
    {21, "Pa s", ""},
    {22, "m^2/s", ""},
    {23, "liter/(100 km)", "km/liter"},
    {24, "A", ""},
    {29, "C", ""},
    {30, "V", ""},
    {31, "ohm", ""},
    {32, "F", ""},
    {33, "H", ""},
    {34, "Wb", ""},
    {35, "T", ""},
    {36, "A/m", ""},
    {37, "S", ""},
    {38, "cd/m^2", ""},
    {39, "lux", ""},
    {40, "cd", ""},
    {41, "Bq", ""},
    {42, "Gy", ""},
    {43, "Sv", ""},
    {44, "C/kg", ""},
    {45, "mol/liter", ""},
    {46, "postscriptpoint", ""},
    {47, "ml", ""},
    {48, "J/(kg K)", ""},
    {49, "W/(m K)", ""},
    {50, "kg m/s", ""},
    {51, "N/m", ""},
    {52, "radian/s", ""},
    {53, "kg m^2", ""},
    {54, "W/m^2", ""},
    {55, "1", ""},
    {56, "mol", ""},
    {57, "W/(m^2 K)", ""},
    {58, "J/kg", ""},
    {59, "kg/m", ""},
    {60, "V/m", ""},
    {61, "kg/m^2", ""},
    {62, "m^3/kg", ""},
    {63, "J/m^3", ""},
    {64, "radian/s^2", ""},
    {65, "katal", ""},
    {66, "1/m", ""},
    {67, "1", ""},
    {68, "1", ""},
    {69, "Gy/s", ""},
    {70, "lumen", ""},
    {71, "sr", ""},
    {72, "kg/mol", ""},
    {73, "J/K", ""},
    {74, "J/mol", ""},
    {75, "A/m^2", ""},
    {76, "F/m", ""},
    {77, "H/m", ""},
};

constexpr UnitReference kUnits[] = {
    {0, 102, "gravity"},
    {0, 103, "galileo"},
    {0, 104, "milligalileo"},
    {0, 105, "ft/s^2"},
    {0, 106, "in/s^2"},
    {0, 107, "km/hr/s"},
    {0, 108, "mph/s"},
    {0, 109, "knot/s"},
    {0, 110, "cm/s^2"},
    {0, 111, "mm/s^2"},
    {0, 112, "km/s^2"},
    {0, 113, "ft/min/s"},
    {0, 114, "km/hr^2"},
    {0, 115, "milligravity"},
    {0, 116, "m/min^2"},
    {1, 102, "km"},
    {1, 103, "cm"},
    {1, 104, "mm"},
    {1, 105, "micrometer"},
    {1, 106, "nm"},
    {1, 107, "pm"},
    {1, 108, "dm"},
    {1, 109, "dam"},
    {1, 110, "hm"},
    {1, 111, "Mm"},
    {1, 112, "Gm"},
    {1, 113, "fm"},
    {1, 114, "am"},
    {1, 115, "angstrom"},
    {1, 116, "inch"},
    {1, 117, "ft"},
    {1, 118, "yd"},
    {1, 119, "mile"},
    {1, 120, "nauticalmile"},
    {1, 121, "mil"},
    {1, 122, "microinch"},
    {1, 123, "hand"},
    {1, 124, "link"},
    {1, 125, "chain"},
    {1, 126, "rod"},
    {1, 127, "furlong"},
    {1, 128, "league"},
    {1, 129, "fathom"},
    {1, 130, "cable"},
    {1, 131, "au"},
    {1, 132, "lightyear"},
    {1, 133, "parsec"},
    {1, 134, "kiloparsec"},
    {1, 135, "megaparsec"},
    {1, 136, "lightsecond"},
    {1, 137, "c min"},
    {1, 138, "c hr"},
    {1, 139, "c day"},
    {1, 140, "postscriptpoint"},
    {1, 141, "12 postscriptpoint"},
    {1, 142, "twip"},
    {1, 144, "9 inch"},
    {1, 145, "surveyfoot"},
    {1, 146, "surveymile"},
    {1, 147, "brnauticalmile"},
    {1, 149, "bohrradius"},
    {1, 150, "caliber"},
    {1, 151, "inch/3"},
    {1, 152, "U"},
    {1, 153, "verst"},
    {1, 154, "arshin"},
    {1, 155, "sazhen"},
    {1, 158, "shaku"},
    {1, 159, "ri"},
    {1, 160, "terameter"},
    {1, 161, "petameter"},
    {1, 162, "45 inch"},
    {1, 163, "kilofoot"},
    {2, 102, "km^2"},
    {2, 103, "cm^2"},
    {2, 104, "mm^2"},
    {2, 105, "micrometer^2"},
    {2, 106, "hectare"},
    {2, 107, "are"},
    {2, 108, "in^2"},
    {2, 109, "ft^2"},
    {2, 110, "yd^2"},
    {2, 111, "mile^2"},
    {2, 112, "acre"},
    {2, 113, "rod^2"},
    {2, 114, "rood"},
    {2, 115, "chain^2"},
    {2, 116, "circularmil"},
    {2, 117, "circularinch"},
    {2, 118, "barn"},
    {2, 119, "dm^2"},
    {2, 120, "1000 m^2"},
    {2, 122, "nauticalmile^2"},
    {2, 123, "tsubo"},
    {2, 124, "shed"},
    {2, 125, "mil^2"},
    {2, 126, "mile^2"},
    {2, 127, "hm^2"},
    {2, 128, "dam^2"},
    {2, 129, "acre/100"},
    {2, 130, "kilofoot^2"},
    {3, 102, "km^3"},
    {3, 103, "dm^3"},
    {3, 104, "cm^3"},
    {3, 105, "mm^3"},
    {3, 106, "liter"},
    {3, 107, "ml"},
    {3, 108, "cl"},
    {3, 109, "dl"},
    {3, 110, "hl"},
    {3, 111, "microliter"},
    {3, 112, "kl"},
    {3, 113, "megaliter"},
    {3, 114, "in^3"},
    {3, 115, "ft^3"},
    {3, 116, "yd^3"},
    {3, 117, "mile^3"},
    {3, 118, "acrefoot"},
    {3, 119, "usgallon"},
    {3, 120, "usquart"},
    {3, 121, "uspint"},
    {3, 122, "uscup"},
    {3, 123, "usfloz"},
    {3, 124, "ustablespoon"},
    {3, 125, "usteaspoon"},
    {3, 126, "usgill"},
    {3, 127, "fluiddram"},
    {3, 128, "minim"},
    {3, 129, "bbl"},
    {3, 130, "liquidbarrel"},
    {3, 131, "hogshead"},
    {3, 132, "drygallon"},
    {3, 133, "dryquart"},
    {3, 134, "drypint"},
    {3, 135, "peck"},
    {3, 136, "bushel"},
    {3, 137, "brgallon"},
    {3, 138, "brquart"},
    {3, 139, "brpint"},
    {3, 140, "brfloz"},
    {3, 141, "brgill"},
    {3, 142, "metriccup"},
    {3, 143, "15 ml"},
    {3, 144, "5 ml"},
    {3, 145, "brbushel"},
    {3, 146, "brpeck"},
    {3, 147, "brbarrel"},
    {3, 148, "cord"},
    {3, 149, "boardfoot"},
    {3, 150, "registerton"},
    {3, 151, "stere"},
    {3, 152, "fifth"},
    {3, 153, "shot"},
    {3, 154, "acre inch"},
    {3, 155, "teraliter"},
    {3, 156, "gigaliter"},
    {3, 157, "nauticalmile^3"},
    {3, 158, "drop"},
    {3, 159, "100 ft^3"},
    {3, 160, "1000 ft^3"},
    {3, 161, "metricquart"},
    {4, 102, "g"},
    {4, 103, "mg"},
    {4, 104, "microgram"},
    {4, 105, "ng"},
    {4, 106, "pg"},
    {4, 107, "tonne"},
    {4, 108, "kilotonne"},
    {4, 109, "megatonne"},
    {4, 110, "dag"},
    {4, 111, "hectogram"},
    {4, 112, "cg"},
    {4, 113, "dg"},
    {4, 114, "quintal"},
    {4, 115, "lb"},
    {4, 116, "oz"},
    {4, 117, "grain"},
    {4, 118, "dram"},
    {4, 119, "stone"},
    {4, 120, "shortton"},
    {4, 121, "longton"},
    {4, 122, "shorthundredweight"},
    {4, 123, "longhundredweight"},
    {4, 124, "troyounce"},
    {4, 125, "troypound"},
    {4, 126, "pennyweight"},
    {4, 127, "carat"},
    {4, 128, "0.01 carat"},
    {4, 129, "u"},
    {4, 130, "electronmass"},
    {4, 131, "protonmass"},
    {4, 132, "neutronmass"},
    {4, 133, "slug"},
    {4, 134, "scruple"},
    {4, 135, "apdram"},
    {4, 136, "tola"},
    {4, 137, "kan"},
    {4, 138, "momme"},
    {4, 139, "pood"},
    {4, 141, "pfund"},
    {4, 142, "Gg"},
    {4, 143, "fg"},
    {4, 144, "1000 lb"},
    {4, 145, "assayton"},
    {5, 102, "ms"},
    {5, 103, "microsecond"},
    {5, 104, "ns"},
    {5, 105, "ps"},
    {5, 106, "fs"},
    {5, 107, "attosecond"},
    {5, 108, "min"},
    {5, 109, "hr"},
    {5, 110, "day"},
    {5, 111, "week"},
    {5, 112, "fortnight"},
    {5, 113, "gregorianyear/12"},
    {5, 114, "gregorianyear"},
    {5, 115, "julianyear"},
    {5, 116, "365 day"},
    {5, 117, "366 day"},
    {5, 118, "10 gregorianyear"},
    {5, 119, "100 gregorianyear"},
    {5, 120, "1000 gregorianyear"},
    {5, 121, "shake"},
    {5, 122, "ks"},
    {5, 123, "megasecond"},
    {5, 124, "gigasecond"},
    {5, 125, "ds"},
    {5, 126, "cs"},
    {5, 127, "atomictime"},
    {5, 128, "svedberg"},
    {5, 129, "15 min"},
    {5, 132, "zs"},
    {6, 102, "km/hr"},
    {6, 103, "mph"},
    {6, 104, "knot"},
    {6, 105, "ft/s"},
    {6, 106, "ft/min"},
    {6, 107, "in/s"},
    {6, 108, "cm/s"},
    {6, 109, "mm/s"},
    {6, 110, "m/min"},
    {6, 111, "km/s"},
    {6, 112, "km/min"},
    {6, 113, "mile/s"},
    {6, 114, "mile/min"},
    {6, 115, "yd/s"},
    {6, 116, "c"},
    {6, 117, "furlong/fortnight"},
    {6, 118, "in/min"},
    {6, 119, "in/hr"},
    {6, 120, "ft/hr"},
    {6, 121, "m/hr"},
    {6, 122, "cm/min"},
    {6, 123, "brknot"},
    {6, 124, "mm/hr"},
    {6, 125, "yd/min"},
    {7, 102, "kN"},
    {7, 103, "MN"},
    {7, 104, "mN"},
    {7, 105, "micronewton"},
    {7, 106, "dyne"},
    {7, 107, "kgf"},
    {7, 108, "gram force"},
    {7, 109, "tonne force"},
    {7, 110, "lbf"},
    {7, 111, "ounce force"},
    {7, 112, "kip"},
    {7, 113, "poundal"},
    {7, 114, "shortton force"},
    {7, 115, "longton force"},
    {7, 116, "sthene"},
    {7, 117, "GN"},
    {7, 118, "daN"},
    {7, 119, "cN"},
    {7, 120, "nN"},
    {7, 121, "pond"},
    {7, 122, "kilopond"},
    {8, 102, "kPa"},
    {8, 103, "MPa"},
    {8, 104, "GPa"},
    {8, 105, "hPa"},
    {8, 106, "bar"},
    {8, 107, "millibar"},
    {8, 108, "microbar"},
    {8, 109, "atm"},
    {8, 110, "kgf/cm^2"},
    {8, 111, "torr"},
    {8, 112, "mmHg"},
    {8, 113, "inHg"},
    {8, 114, "mmH2O"},
    {8, 115, "inH2O"},
    {8, 116, "ft H2O"},
    {8, 117, "psi"},
    {8, 118, "ksi"},
    {8, 119, "lbf/ft^2"},
    {8, 120, "N/mm^2"},
    {8, 121, "kgf/cm^2"},
    {8, 122, "kgf/m^2"},
    {8, 123, "dyne/cm^2"},
    {8, 124, "m H2O"},
    {8, 125, "cm H2O"},
    {8, 126, "cm Hg"},
    {8, 127, "shortton force/in^2"},
    {8, 128, "millitorr"},
    {8, 129, "pieze"},
    {8, 130, "barye"},
    {8, 131, "kbar"},
    {8, 132, "decibar"},
    {8, 133, "poundal/ft^2"},
    {8, 134, "kgf/mm^2"},
    {8, 135, "micron Hg"},
    {8, 136, "megabar"},
    {8, 137, "N/m^2"},
    {9, 102, "kJ"},
    {9, 103, "MJ"},
    {9, 104, "GJ"},
    {9, 105, "mJ"},
    {9, 106, "microjoule"},
    {9, 107, "calorie_IT"},
    {9, 108, "calorie_th"},
    {9, 109, "kilocalorie_IT"},
    {9, 110, "kilocalorie_th"},
    {9, 111, "Calorie"},
    {9, 112, "W hr"},
    {9, 113, "kW hr"},
    {9, 114, "MW hr"},
    {9, 115, "GW hr"},
    {9, 116, "eV"},
    {9, 117, "keV"},
    {9, 118, "MeV"},
    {9, 119, "GeV"},
    {9, 120, "btu"},
    {9, 121, "btu_th"},
    {9, 122, "therm"},
    {9, 123, "ECtherm"},
    {9, 124, "quad"},
    {9, 125, "erg"},
    {9, 126, "ft lbf"},
    {9, 127, "in lbf"},
    {9, 128, "ft poundal"},
    {9, 129, "1e9 calorie_th"},
    {9, 130, "1e12 calorie_th"},
    {9, 131, "1e15 calorie_th"},
    {9, 132, "toe"},
    {9, 133, "hartree"},
    {9, 134, "rydberg"},
    {9, 135, "kgf m"},
    {9, 136, "hp hr"},
    {9, 137, "metrichorsepower hr"},
    {9, 138, "TJ"},
    {9, 139, "PJ"},
    {9, 140, "nJ"},
    {9, 141, "W s"},
    {9, 142, "liter atm"},
    {9, 143, "ft^3 atm"},
    {9, 144, "EJ"},
    {9, 145, "kW s"},
    {10, 102, "kW"},
    {10, 103, "MW"},
    {10, 104, "GW"},
    {10, 105, "mW"},
    {10, 106, "microwatt"},
    {10, 107, "hp"},
    {10, 108, "metrichorsepower"},
    {10, 109, "electrichorsepower"},
    {10, 110, "boilerhorsepower"},
    {10, 111, "btu/hr"},
    {10, 112, "btu/min"},
    {10, 113, "btu/s"},
    {10, 114, "tonref"},
    {10, 115, "calorie_IT/s"},
    {10, 116, "kilocalorie_IT/hr"},
    {10, 117, "kilocalorie_th/hr"},
    {10, 118, "ft lbf/s"},
    {10, 119, "ft lbf/min"},
    {10, 120, "erg/s"},
    {10, 121, "J/s"},
    {10, 122, "kJ/hr"},
    {10, 123, "TW"},
    {10, 124, "nW"},
    {10, 125, "V A"},
    {10, 126, "kV A"},
    {10, 127, "kgf m/s"},
    {10, 128, "PW"},
    {10, 129, "kilocalorie_IT/s"},
    {10, 130, "MJ/hr"},
    {11, 102, "g/cm^3"},
    {11, 103, "g/ml"},
    {11, 104, "g/liter"},
    {11, 105, "kg/liter"},
    {11, 106, "mg/liter"},
    {11, 107, "mg/m^3"},
    {11, 108, "g/m^3"},
    {11, 109, "tonne/m^3"},
    {11, 110, "lb/ft^3"},
    {11, 111, "lb/in^3"},
    {11, 112, "lb/usgallon"},
    {11, 113, "lb/brgallon"},
    {11, 114, "oz/in^3"},
    {11, 115, "oz/usgallon"},
    {11, 116, "slug/ft^3"},
    {11, 117, "lb/yd^3"},
    {11, 118, "grain/usgallon"},
    {11, 119, "shortton/yd^3"},
    {11, 120, "kg/dm^3"},
    {11, 121, "microgram/m^3"},
    {11, 122, "oz/ft^3"},
    {11, 123, "mg/cm^3"},
    {11, 124, "oz/brgallon"},
    {12, 102, "radian"},
    {12, 103, "gon"},
    {12, 104, "arcmin"},
    {12, 105, "arcsec"},
    {12, 106, "milliradian"},
    {12, 107, "revolution"},
    {12, 108, "quadrant"},
    {12, 109, "sextant"},
    {12, 110, "circle/8"},
    {12, 111, "sign"},
    {12, 112, "circle/32"},
    {12, 113, "circle/6400"},
    {12, 114, "circle/24"},
    {12, 115, "milliarcsec"},
    {12, 116, "microradian"},
    {12, 117, "centesimalminute"},
    {12, 118, "centesimalsecond"},
    {12, 119, "circle/256"},
    {12, 120, "circle/1440"},
    {13, 102, "kHz"},
    {13, 103, "MHz"},
    {13, 104, "GHz"},
    {13, 105, "THz"},
    {13, 106, "mHz"},
    {13, 107, "microhertz"},
    {13, 108, "1/s"},
    {13, 109, "1/min"},
    {13, 110, "1/hr"},
    {13, 111, "1/day"},
    {13, 112, "1/min"},
    {13, 113, "1/s"},
    {13, 114, "1/min"},
    {13, 115, "PHz"},
    {13, 116, "1/(2 pi s)"},
    {13, 117, "1/(360 s)"},
    {13, 118, "1/hr"},
    {13, 119, "EHz"},
    {14, 102, "bit"},
    {14, 103, "nibble"},
    {14, 104, "kB"},
    {14, 105, "MB"},
    {14, 106, "GB"},
    {14, 107, "TB"},
    {14, 108, "PB"},
    {14, 109, "EB"},
    {14, 110, "ZB"},
    {14, 111, "YB"},
    {14, 112, "KiB"},
    {14, 113, "MiB"},
    {14, 114, "GiB"},
    {14, 115, "TiB"},
    {14, 116, "PiB"},
    {14, 117, "EiB"},
    {14, 118, "ZiB"},
    {14, 119, "YiB"},
    {14, 120, "kbit"},
    {14, 121, "Mbit"},
    {14, 122, "Gbit"},
    {14, 123, "Tbit"},
    {14, 124, "Pbit"},
    {14, 125, "Kibit"},
    {14, 126, "Mibit"},
    {14, 127, "Gibit"},
    {14, 128, "Tibit"},
    {14, 133, "byte"},
    {14, 134, "kB"},
    {15, 102, "kbit/s"},
    {15, 103, "Mbit/s"},
    {15, 104, "Gbit/s"},
    {15, 105, "Tbit/s"},
    {15, 106, "byte/s"},
    {15, 107, "kB/s"},
    {15, 108, "MB/s"},
    {15, 109, "GB/s"},
    {15, 110, "TB/s"},
    {15, 111, "Kibit/s"},
    {15, 112, "Mibit/s"},
    {15, 113, "Gibit/s"},
    {15, 114, "KiB/s"},
    {15, 115, "MiB/s"},
    {15, 116, "GiB/s"},
    {15, 117, "bit/min"},
    {15, 118, "kB/min"},
    {15, 119, "MB/min"},
    {15, 120, "GB/hr"},
    {16, 102, "kN m"},
    {16, 103, "mN m"},
    {16, 104, "N cm"},
    {16, 105, "N mm"},
    {16, 106, "kgf m"},
    {16, 107, "kgf cm"},
    {16, 108, "gram force cm"},
    {16, 109, "lbf ft"},
    {16, 110, "lbf in"},
    {16, 111, "ounce force in"},
    {16, 112, "ounce force ft"},
    {16, 113, "dyne cm"},
    {16, 114, "kip ft"},
    {16, 115, "poundal ft"},
    {16, 116, "MN m"},
    {16, 117, "dyne m"},
    {16, 118, "tonne force m"},
    {16, 119, "daN m"},
    {18, 102, "m^3/min"},
    {18, 103, "m^3/hr"},
    {18, 104, "m^3/day"},
    {18, 105, "liter/s"},
    {18, 106, "liter/min"},
    {18, 107, "liter/hr"},
    {18, 108, "liter/day"},
    {18, 109, "ml/s"},
    {18, 110, "ml/min"},
    {18, 111, "ml/hr"},
    {18, 112, "cm^3/min"},
    {18, 113, "ft^3/s"},
    {18, 114, "ft^3/min"},
    {18, 115, "ft^3/hr"},
    {18, 116, "in^3/s"},
    {18, 117, "in^3/min"},
    {18, 118, "usgallon/min"},
    {18, 119, "usgallon/s"},
    {18, 120, "usgallon/hr"},
    {18, 121, "usgallon/day"},
    {18, 122, "brgallon/s"},
    {18, 123, "brgallon/min"},
    {18, 124, "brgallon/hr"},
    {18, 125, "brgallon/day"},
    {18, 126, "bbl/day"},
    {18, 127, "bbl/hr"},
    {18, 128, "acrefoot/day"},
    {18, 129, "acrefoot/gregorianyear"},
    {18, 130, "yd^3/min"},
    {18, 131, "yd^3/s"},
    {18, 132, "1e6 usgallon/day"},
    {18, 133, "km^3/gregorianyear"},
    {18, 134, "hl/hr"},
    {20, 102, "kg/min"},
    {20, 103, "kg/hr"},
    {20, 104, "kg/day"},
    {20, 105, "g/s"},
    {20, 106, "g/min"},
    {20, 107, "g/hr"},
    {20, 108, "mg/s"},
    {20, 109, "tonne/hr"},
    {20, 110, "tonne/day"},
    {20, 111, "tonne/(365 day)"},
    {20, 112, "lb/s"},
    {20, 113, "lb/min"},
    {20, 114, "lb/hr"},
    {20, 115, "lb/day"},
    {20, 116, "shortton/hr"},
    {20, 117, "longton/hr"},
    {20, 118, "oz/s"},
    {20, 119, "slug/s"},
    {20, 120, "tonne/min"},
    {20, 121, "mg/min"},
    {20, 122, "microgram/s"},
    {21, 102, "mPa s"},
    {21, 103, "poise"},
    {21, 104, "centipoise"},
    {21, 105, "micropoise"},
    {21, 106, "N s/m^2"},
    {21, 107, "dyne s/cm^2"},
    {21, 108, "kg/(m s)"},
    {21, 109, "g/(cm s)"},
    {21, 110, "reyn"},
    {21, 111, "lbf s/ft^2"},
    {21, 112, "lb/(ft s)"},
    {21, 113, "lb/(ft hr)"},
    {21, 114, "slug/(ft s)"},
    {21, 115, "kgf s/m^2"},
    {21, 116, "millipoise"},
    {21, 117, "kg/(m hr)"},
    {21, 118, "decipoise"},
    {22, 102, "cm^2/s"},
    {22, 103, "mm^2/s"},
    {22, 104, "stokes"},
    {22, 105, "centistokes"},
    {22, 106, "ft^2/s"},
    {22, 107, "in^2/s"},
    {22, 108, "m^2/hr"},
    {22, 109, "ft^2/hr"},
    {22, 110, "millistokes"},
    {22, 111, "cm^2/min"},
    {23, 102, "liter/km"},
    {23, 103, "usgallon/(100 mile)"},
    {23, 104, "brgallon/(100 mile)"},
    {23, 105, "liter/mile"},
    {23, 106, "km/liter"},
    {23, 107, "mile/usgallon"},
    {23, 108, "mile/brgallon"},
    {23, 109, "mile/liter"},
    {23, 110, "km/usgallon"},
    {23, 111, "km/brgallon"},
    {23, 112, "m/liter"},
    {23, 113, "usgallon/mile"},
    {23, 114, "ml/km"},
    {24, 102, "kA"},
    {24, 103, "mA"},
    {24, 104, "microampere"},
    {24, 105, "nA"},
    {24, 106, "pA"},
    {24, 107, "MA"},
    {24, 108, "abampere"},
    {24, 109, "biot"},
    {24, 110, "statampere"},
    {24, 111, "C/s"},
    {24, 112, "cA"},
    {29, 102, "mC"},
    {29, 103, "microcoulomb"},
    {29, 104, "nC"},
    {29, 105, "pC"},
    {29, 106, "kC"},
    {29, 107, "A hr"},
    {29, 108, "mA hr"},
    {29, 109, "A min"},
    {29, 110, "A s"},
    {29, 111, "faraday"},
    {29, 112, "e"},
    {29, 113, "abcoulomb"},
    {29, 114, "statcoulomb"},
    {29, 115, "MC"},
    {29, 116, "kA hr"},
    {30, 102, "kV"},
    {30, 103, "mV"},
    {30, 104, "microvolt"},
    {30, 105, "MV"},
    {30, 106, "nV"},
    {30, 107, "abvolt"},
    {30, 108, "statvolt"},
    {30, 109, "W/A"},
    {30, 110, "J/C"},
    {30, 111, "GV"},
    {31, 102, "kiloohm"},
    {31, 103, "megaohm"},
    {31, 104, "gigaohm"},
    {31, 105, "milliohm"},
    {31, 106, "microohm"},
    {31, 107, "abohm"},
    {31, 108, "statohm"},
    {31, 109, "V/A"},
    {31, 110, "R_K"},
    {31, 111, "teraohm"},
    {32, 102, "mF"},
    {32, 103, "microfarad"},
    {32, 104, "nF"},
    {32, 105, "pF"},
    {32, 106, "fF"},
    {32, 107, "abfarad"},
    {32, 108, "statfarad"},
    {32, 109, "C/V"},
    {32, 110, "kF"},
    {33, 102, "mH"},
    {33, 103, "microhenry"},
    {33, 104, "nH"},
    {33, 105, "picohenry"},
    {33, 106, "kH"},
    {33, 107, "abhenry"},
    {33, 108, "stathenry"},
    {33, 109, "Wb/A"},
    {34, 102, "mWb"},
    {34, 103, "microweber"},
    {34, 104, "nWb"},
    {34, 105, "maxwell"},
    {34, 106, "V s"},
    {34, 107, "T m^2"},
    {34, 108, "gauss cm^2"},
    {34, 109, "h/(2 e)"},
    {34, 110, "kilomaxwell"},
    {35, 102, "mT"},
    {35, 103, "microtesla"},
    {35, 104, "nT"},
    {35, 105, "gauss"},
    {35, 106, "milligauss"},
    {35, 107, "kilogauss"},
    {35, 108, "nT"},
    {35, 109, "Wb/m^2"},
    {35, 110, "maxwell/cm^2"},
    {35, 111, "maxwell/in^2"},
    {36, 102, "kA/m"},
    {36, 103, "A/cm"},
    {36, 104, "A/mm"},
    {36, 105, "oersted"},
    {36, 106, "millioersted"},
    {36, 107, "A/m"},
    {36, 108, "A/in"},
    {36, 109, "gilbert/cm"},
    {36, 110, "kilooersted"},
    {37, 102, "mS"},
    {37, 103, "microsiemens"},
    {37, 104, "nS"},
    {37, 105, "kS"},
    {37, 106, "mho"},
    {37, 107, "millimho"},
    {37, 108, "abmho"},
    {37, 109, "statmho"},
    {37, 110, "A/V"},
    {37, 111, "2 e^2/h"},
    {38, 102, "stilb"},
    {38, 103, "lambert"},
    {38, 104, "millilambert"},
    {38, 105, "footlambert"},
    {38, 106, "apostilb"},
    {38, 107, "cd/ft^2"},
    {38, 108, "cd/in^2"},
    {38, 109, "cd/cm^2"},
    {38, 110, "skot"},
    {38, 112, "kcd/m^2"},
    {39, 102, "kilolux"},
    {39, 103, "millilux"},
    {39, 104, "phot"},
    {39, 105, "milliphot"},
    {39, 106, "footcandle"},
    {39, 107, "lm/m^2"},
    {39, 108, "lm/cm^2"},
    {39, 109, "lm/ft^2"},
    {39, 110, "lm/in^2"},
    {39, 111, "nox"},
    {39, 112, "microlux"},
    {40, 102, "millicandela"},
    {40, 103, "kilocandela"},
    {40, 105, "lm/sr"},
    {40, 106, "microcandela"},
    {41, 102, "kBq"},
    {41, 103, "MBq"},
    {41, 104, "GBq"},
    {41, 105, "TBq"},
    {41, 106, "curie"},
    {41, 107, "millicurie"},
    {41, 108, "microcurie"},
    {41, 109, "nanocurie"},
    {41, 110, "picocurie"},
    {41, 111, "rutherford"},
    {41, 112, "1/s"},
    {41, 113, "1/min"},
    {41, 114, "kilocurie"},
    {42, 102, "mGy"},
    {42, 103, "microgray"},
    {42, 104, "cGy"},
    {42, 105, "kGy"},
    {42, 106, "rad"},
    {42, 107, "millirad"},
    {42, 108, "J/kg"},
    {42, 109, "erg/g"},
    {42, 110, "nGy"},
    {43, 102, "mSv"},
    {43, 103, "microsievert"},
    {43, 104, "nSv"},
    {43, 105, "cSv"},
    {43, 106, "rem"},
    {43, 107, "millirem"},
    {43, 108, "microrem"},
    {44, 102, "mC/kg"},
    {44, 103, "microcoulomb/kg"},
    {44, 104, "roentgen"},
    {44, 105, "milliroentgen"},
    {44, 106, "microroentgen"},
    {44, 107, "kiloroentgen"},
    {45, 102, "mmol/liter"},
    {45, 103, "micromol/liter"},
    {45, 104, "nmol/liter"},
    {45, 105, "pmol/liter"},
    {45, 106, "mol/m^3"},
    {45, 107, "kmol/m^3"},
    {45, 108, "mol/ml"},
    {45, 109, "mol/dm^3"},
    {45, 110, "mmol/ml"},
    {45, 111, "mol/liter"},
    {45, 112, "millimol/liter"},
    {45, 113, "micromol/liter"},
    {45, 114, "nanomol/liter"},
    {45, 115, "picomol/liter"},
    {45, 116, "mmol/m^3"},
    {46, 102, "12 postscriptpoint"},
    {46, 103, "texpoint"},
    {46, 104, "pica"},
    {46, 105, "inch"},
    {46, 106, "cm"},
    {46, 107, "mm"},
    {46, 108, "twip"},
    {46, 109, "didotpoint"},
    {46, 110, "cicero"},
    {46, 111, "inch/96"},
    {46, 112, "inch/14"},
    {46, 113, "0.25 mm"},
    {46, 114, "texpoint/65536"},
    {46, 115, "inch/12"},
    {47, 102, "liter"},
    {47, 103, "dl"},
    {47, 104, "cl"},
    {47, 105, "uscup"},
    {47, 106, "legalcup"},
    {47, 107, "metriccup"},
    {47, 108, "brcup"},
    {47, 109, "japancup"},
    {47, 110, "ustablespoon"},
    {47, 111, "brtablespoon"},
    {47, 112, "australiatablespoon"},
    {47, 113, "usteaspoon"},
    {47, 114, "brteaspoon"},
    {47, 115, "10 ml"},
    {47, 116, "usfloz"},
    {47, 117, "brfloz"},
    {47, 118, "uspint"},
    {47, 119, "brpint"},
    {47, 120, "usquart"},
    {47, 121, "usgallon"},
    {47, 122, "brgallon"},
    {47, 123, "usgill"},
    {47, 124, "usteaspoon/8"},
    {47, 125, "usteaspoon/16"},
    {47, 126, "usteaspoon/32"},
    {47, 127, "drop"},
    {47, 128, "jigger"},
    {47, 129, "uscup/2"},
    {47, 130, "2.5 ml"},
    {48, 102, "kJ/(kg K)"},
    {48, 103, "J/(g K)"},
    {48, 104, "calorie_IT/(g K)"},
    {48, 105, "calorie_th/(g K)"},
    {48, 106, "kilocalorie_IT/(kg K)"},
    {48, 107, "btu/(lb degF)"},
    {48, 108, "btu_th/(lb degF)"},
    {48, 109, "J/(kg K)"},
    {48, 110, "kJ/(kg K)"},
    {49, 102, "W/(cm K)"},
    {49, 103, "kW/(m K)"},
    {49, 104, "mW/(m K)"},
    {49, 105, "btu/(hr ft degF)"},
    {49, 106, "btu in/(hr ft^2 degF)"},
    {49, 107, "calorie_IT/(s cm K)"},
    {49, 108, "kilocalorie_IT/(hr m K)"},
    {49, 109, "calorie_th/(s cm K)"},
    {49, 110, "W/(m K)"},
    {50, 102, "g cm/s"},
    {50, 103, "N s"},
    {50, 104, "lb ft/s"},
    {50, 105, "slug ft/s"},
    {50, 106, "kg km/hr"},
    {50, 107, "lb mph"},
    {50, 108, "dyne s"},
    {50, 109, "g m/s"},
    {50, 110, "lbf s"},
    {50, 111, "kN s"},
    {51, 102, "mN/m"},
    {51, 103, "dyne/cm"},
    {51, 104, "erg/cm^2"},
    {51, 105, "J/m^2"},
    {51, 106, "lbf/in"},
    {51, 107, "lbf/ft"},
    {51, 108, "gram force/cm"},
    {51, 109, "kgf/m"},
    {51, 110, "poundal/in"},
    {51, 111, "mJ/m^2"},
    {52, 102, "radian/min"},
    {52, 103, "radian/hr"},
    {52, 104, "degree/s"},
    {52, 105, "degree/min"},
    {52, 106, "degree/hr"},
    {52, 107, "revolution/s"},
    {52, 108, "revolution/min"},
    {52, 109, "revolution/hr"},
    {52, 110, "milliradian/s"},
    {52, 111, "revolution/day"},
    {52, 112, "gon/s"},
    {53, 102, "g cm^2"},
    {53, 103, "kg cm^2"},
    {53, 104, "kg mm^2"},
    {53, 105, "lb ft^2"},
    {53, 106, "lb in^2"},
    {53, 107, "oz in^2"},
    {53, 108, "slug ft^2"},
    {53, 109, "g mm^2"},
    {53, 110, "tonne m^2"},
    {53, 111, "g m^2"},
    {54, 102, "mW/m^2"},
    {54, 103, "microwatt/m^2"},
    {54, 104, "kW/m^2"},
    {54, 105, "W/cm^2"},
    {54, 106, "mW/cm^2"},
    {54, 107, "microwatt/cm^2"},
    {54, 108, "btu/(hr ft^2)"},
    {54, 109, "erg/(s cm^2)"},
    {54, 110, "calorie_IT/(s cm^2)"},
    {54, 111, "kilocalorie_IT/(hr m^2)"},
    {54, 112, "W/in^2"},
    {54, 113, "W/ft^2"},
    {54, 114, "J/(s m^2)"},
    {55, 102, "deca"},
    {55, 103, "hecto"},
    {55, 104, "kilo"},
    {55, 105, "mega"},
    {55, 106, "giga"},
    {55, 107, "tera"},
    {55, 108, "peta"},
    {55, 109, "exa"},
    {55, 110, "zetta"},
    {55, 111, "yotta"},
    {55, 114, "deci"},
    {55, 115, "centi"},
    {55, 116, "milli"},
    {55, 117, "micro"},
    {55, 118, "nano"},
    {55, 119, "pico"},
    {55, 120, "femto"},
    {55, 121, "atto"},
    {55, 122, "zepto"},
    {55, 123, "yocto"},
    {55, 126, "kibi"},
    {55, 127, "mebi"},
    {55, 128, "gibi"},
    {55, 129, "tebi"},
    {55, 130, "pebi"},
    {55, 131, "exbi"},
    {55, 132, "zebi"},
    {55, 133, "yobi"},
    {56, 102, "mmol"},
    {56, 103, "micromol"},
    {56, 104, "nmol"},
    {56, 105, "pmol"},
    {56, 106, "kmol"},
    {56, 107, "lb mol/g"},
    {56, 108, "1/N_A"},
    {56, 109, "megamol"},
    {56, 110, "fmol"},
    {57, 102, "kW/(m^2 K)"},
    {57, 103, "W/(cm^2 K)"},
    {57, 104, "btu/(hr ft^2 degF)"},
    {57, 105, "kilocalorie_IT/(hr m^2 K)"},
    {57, 106, "calorie_IT/(s cm^2 K)"},
    {57, 107, "W/(m^2 K)"},
    {57, 108, "J/(s m^2 K)"},
    {58, 102, "kJ/kg"},
    {58, 103, "MJ/kg"},
    {58, 104, "J/g"},
    {58, 105, "calorie_IT/g"},
    {58, 106, "kilocalorie_IT/kg"},
    {58, 107, "btu/lb"},
    {58, 108, "W hr/kg"},
    {58, 109, "kW hr/kg"},
    {58, 110, "ft lbf/lb"},
    {58, 111, "erg/g"},
    {58, 112, "calorie_th/g"},
    {59, 102, "g/m"},
    {59, 103, "g/cm"},
    {59, 104, "lb/ft"},
    {59, 105, "lb/in"},
    {59, 106, "lb/yd"},
    {59, 107, "oz/in"},
    {59, 108, "tex"},
    {59, 109, "decitex"},
    {59, 110, "denier"},
    {59, 111, "kilotex"},
    {59, 112, "mg/m"},
    {60, 102, "kV/m"},
    {60, 103, "V/cm"},
    {60, 104, "kV/cm"},
    {60, 105, "V/mm"},
    {60, 106, "mV/m"},
    {60, 107, "microvolt/m"},
    {60, 108, "V/in"},
    {60, 109, "V/mil"},
    {60, 110, "statvolt/cm"},
    {60, 111, "abvolt/cm"},
    {60, 112, "N/C"},
    {61, 102, "g/m^2"},
    {61, 103, "g/cm^2"},
    {61, 104, "mg/cm^2"},
    {61, 105, "lb/ft^2"},
    {61, 106, "oz/yd^2"},
    {61, 107, "oz/ft^2"},
    {61, 108, "lb/in^2"},
    {61, 109, "tonne/hectare"},
    {61, 110, "kg/hectare"},
    {61, 111, "lb/acre"},
    {61, 112, "mg/m^2"},
    {62, 102, "liter/kg"},
    {62, 103, "cm^3/g"},
    {62, 104, "ml/g"},
    {62, 105, "liter/g"},
    {62, 106, "ft^3/lb"},
    {62, 107, "in^3/lb"},
    {62, 108, "usgallon/lb"},
    {62, 109, "brgallon/lb"},
    {62, 110, "ft^3/slug"},
    {62, 111, "m^3/tonne"},
    {63, 102, "kJ/m^3"},
    {63, 103, "MJ/m^3"},
    {63, 104, "J/liter"},
    {63, 105, "kJ/liter"},
    {63, 106, "MJ/liter"},
    {63, 107, "kW hr/m^3"},
    {63, 108, "btu/ft^3"},
    {63, 109, "btu/usgallon"},
    {63, 110, "kilocalorie_IT/m^3"},
    {63, 111, "erg/cm^3"},
    {63, 112, "calorie_IT/cm^3"},
    {63, 113, "therm/ft^3"},
    {63, 114, "kW hr/liter"},
    {64, 102, "degree/s^2"},
    {64, 103, "revolution/s^2"},
    {64, 104, "revolution/min/s"},
    {64, 105, "revolution/min^2"},
    {64, 106, "radian/min^2"},
    {64, 107, "degree/min^2"},
    {65, 102, "millikatal"},
    {65, 103, "microkatal"},
    {65, 104, "nanokatal"},
    {65, 105, "picokatal"},
    {65, 106, "micromol/min"},
    {65, 107, "mol/s"},
    {65, 108, "nanomol/min"},
    {66, 102, "kayser"},
    {66, 103, "1/mm"},
    {66, 104, "1/micrometer"},
    {66, 105, "1/inch"},
    {66, 106, "1/ft"},
    {66, 107, "1/km"},
    {66, 108, "1/nm"},
    {67, 102, "pair"},
    {67, 103, "dozen/2"},
    {67, 104, "dozen"},
    {67, 105, "bakersdozen"},
    {67, 106, "score"},
    {67, 107, "gross"},
    {67, 108, "greatgross"},
    {67, 109, "hundred"},
    {67, 110, "thousand"},
    {67, 111, "million"},
    {67, 112, "billion"},
    {67, 113, "trillion"},
    {67, 114, "lakh"},
    {67, 115, "crore"},
    {67, 116, "ream"},
    {67, 117, "quire"},
    {68, 102, "percent"},
    {68, 104, "basispoint"},
    {68, 105, "ppm"},
    {68, 106, "ppb"},
    {68, 107, "ppt"},
    {2, 131, "kcmil"},
    {2, 132, "township"},
    {3, 162, "brdram"},
    {3, 163, "brminim"},
    {8, 138, "m Hg"},
    {69, 102, "gray/hr"},
    {69, 103, "milligray/hr"},
    {69, 104, "microgray/hr"},
    {69, 105, "gray/min"},
    {69, 106, "milligray/s"},
    {69, 107, "rad/hr"},
    {69, 108, "millirad/hr"},
    {70, 102, "kilolumen"},
    {70, 103, "millilumen"},
    {70, 104, "candela sr"},
    {70, 105, "lux m^2"},
    {70, 106, "footcandle ft^2"},
    {70, 107, "phot cm^2"},
    {70, 108, "4 pi lumen"},
    // GNU units keeps the steradian apart from the square radian.
    {71, 102, "deg^2 sr/radian^2"},
    {71, 103, "millisr"},
    {71, 104, "arcmin^2 sr/radian^2"},
    {71, 105, "arcsec^2 sr/radian^2"},
    {71, 106, "2 pi sr"},
    {71, 107, "4 pi sr"},
    {72, 102, "g/mol"},
    {72, 103, "mg/mol"},
    {72, 104, "kg/kmol"},
    {72, 105, "lb/(453.59237 mol)"},
    {73, 102, "kJ/K"},
    {73, 103, "calorie_IT/K"},
    {73, 104, "kcal_IT/K"},
    {73, 105, "calorie_th/K"},
    {73, 106, "btu/degR"},
    {73, 107, "boltzmann"},
    {74, 102, "kJ/mol"},
    {74, 103, "calorie_th/mol"},
    {74, 104, "kcal_th/mol"},
    {74, 105, "eV avogadro"},
    {74, 106, "hartree avogadro"},
    {74, 107, "btu/(453.59237 mol)"},
    {75, 102, "A/cm^2"},
    {75, 103, "A/mm^2"},
    {75, 104, "A/in^2"},
    {75, 105, "A/circularmil"},
    {75, 106, "mA/cm^2"},
    {75, 107, "kA/m^2"},
    {75, 108, "abamp/cm^2"},
    {76, 102, "pF/m"},
    {76, 103, "nF/m"},
    {76, 104, "microF/m"},
    {76, 105, "pF/cm"},
    {76, 106, "epsilon0"},
    {77, 102, "microH/m"},
    {77, 103, "nH/m"},
    {77, 104, "N/A^2"},
    {77, 105, "mu0"},
    {77, 106, "gauss/oersted"},
};

// Units of the linear categories that GNU units does not know, or knows only under another definition.
constexpr UnitKey kUnknownToGnu[] = {
    {1, 143},   // Cubit
    {1, 148},   // Scandinavian mile
    {1, 156},   // Li (Chinese, modern)
    {1, 157},   // Chi (Chinese, modern)
    {1, 164},   // Earth's equatorial radius (WGS 84)
    {2, 121},   // Dunam (metric)
    {5, 130},   // Sol (Martian day)
    {14, 129},  // Word (16 bit)
    {14, 130},  // Double word (32 bit)
    {14, 131},  // Quad word (64 bit)
    {14, 132},  // Disk sector (512 bytes)
    {15, 121},  // Modem (56k)
    {15, 122},  // ISDN channel (B)
    {15, 123},  // T1 line
    {15, 124},  // E1 line
    {15, 125},  // OC-3
    {15, 126},  // OC-12
    {38, 111},  // Bril
    {55, 112},  // Ronna
    {55, 113},  // Quetta
    {55, 124},  // Ronto
    {55, 125},  // Quecto
    {67, 118},  // Small gross
    {67, 119},  // Myriad
    {68, 103},  // Per mille
    {68, 108},  // Part per quadrillion
    {68, 109},  // Part per hundred thousand
};

bool IsNonLinear(std::int32_t categoryId) {
    return std::ranges::find(kNonLinearCategories, categoryId) != std::end(kNonLinearCategories);
}

const BaseReference* FindBase(std::int32_t categoryId) {
    const auto found = std::ranges::find(kBases, categoryId, &BaseReference::categoryId);
    return found == std::end(kBases) ? nullptr : &*found;
}

// GNU units' query whose answer is the unit's factor as this data defines it.
std::string Query(const UnitReference& unit, const UnitRecord& record) {
    const BaseReference* base = FindBase(unit.categoryId);
    if (record.IsReciprocal()) {
        return "(" + std::string(base->reciprocalBase) + ")/(1 " + std::string(unit.expression) + ")";
    }
    return "(1 " + std::string(unit.expression) + ")/(" + std::string(base->base) + ")";
}

// Answers to all queries from one run of GNU units. A marker query follows each query, so the lines
// before a marker's answer are that query's answer, however many lines an unknown unit produces.
std::vector<std::string> AskGnuUnits(const std::vector<std::string>& queries) {
    constexpr std::string_view kMarker = "7777777.25";
    const test::TempFolder folder;
    const auto input = folder / "queries.txt";
    const auto output = folder / "answers.txt";
    {
        std::ofstream out(input);
        for (const std::string& query : queries) out << query << "\n\n" << kMarker << "\n\n";
    }
    const std::string command =
        "\"" + std::string(kGnuUnits) + "\" -t -d 15 < \"" + input.string() + "\" > \"" + output.string() + "\"";
    if (std::system(command.c_str()) != 0) return {};

    std::vector<std::string> answers;
    std::ifstream in(output);
    std::string line;
    std::string answer;
    while (std::getline(in, line)) {
        if (line == kMarker) {
            answers.push_back(std::exchange(answer, {}));
        } else {
            answer += answer.empty() ? line : " | " + line;
        }
    }
    return answers;
}

// The whole answer read as one number, or nothing when it is anything else.
std::optional<double> ParseAnswer(const std::string& answer) {
    const char* begin = answer.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || std::string_view(end).find_first_not_of(" \t") != std::string_view::npos) return std::nullopt;
    return value;
}

class ShippedUnits : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSetting(profile_.Store(), Setting::kCommonUnits, "0");
        const LoadReport report = ReloadCatalogue(catalogue_, profile_.Store(), kDataFolder, std::nullopt).report;
        ASSERT_TRUE(report.complete) << report.error;
    }

    // The unit in base units: "1" followed by its conversion text, times the factors along its
    // reference chain. A fault of the evaluator or a broken chain comes back in `fault`.
    std::optional<double> Factor(const UnitRecord& unit, std::string& fault) {
        constexpr int kLongestChain = 50;
        double factor = 1.0;
        const UnitRecord* current = &unit;
        for (int step = 0; step < kLongestChain; ++step) {
            std::string text = current->conversionText.Text();
            if (current->IsReciprocal() && !text.empty()) text.pop_back();
            std::string error;
            factor *= parser_.Evaluate("1" + text, 1.0, error, 1);
            if (!error.empty()) {
                fault = "\"1" + text + "\": " + error;
                return std::nullopt;
            }
            if (current->referenceUnitId == kBaseUnitId) return factor;
            const std::int32_t referenceId = current->referenceUnitId;
            current = catalogue_.FindUnit(unit.categoryId, referenceId);
            if (current == nullptr) {
                fault = "reference unit " + std::to_string(referenceId) + " is missing";
                return std::nullopt;
            }
        }
        fault = "reference chain does not reach the base unit";
        return std::nullopt;
    }

    test::TestProfile profile_;
    Catalogue catalogue_;
    FormulaParser parser_;
};

TEST_F(ShippedUnits, AgreeWithGnuUnits) {
    std::vector<std::string> queries;
    std::vector<std::pair<const UnitReference*, double>> expected;
    for (const UnitReference& unit : kUnits) {
        const UnitRecord* record = catalogue_.FindUnit(unit.categoryId, unit.unitId);
        if (record == nullptr) continue;  // reported by MappingCoversEveryLinearUnit
        std::string fault;
        const std::optional<double> factor = Factor(*record, fault);
        if (!factor) {
            ADD_FAILURE() << unit.categoryId << "/" << unit.unitId << " " << record->name.Text() << ": " << fault;
            continue;
        }
        queries.push_back(Query(unit, *record));
        expected.emplace_back(&unit, *factor);
    }
    const std::vector<std::string> answers = AskGnuUnits(queries);
    ASSERT_EQ(answers.size(), queries.size()) << "GNU units did not answer every query";
    ASSERT_GT(queries.size(), 1000u);

    for (std::size_t i = 0; i < queries.size(); ++i) {
        const auto& [unit, ours] = expected[i];
        const std::optional<double> theirs = ParseAnswer(answers[i]);
        const std::string name = catalogue_.FindUnit(unit->categoryId, unit->unitId)->name.Text();
        SCOPED_TRACE(std::to_string(unit->categoryId) + "/" + std::to_string(unit->unitId) + " " + name +
                     ", GNU units: " + queries[i]);
        ASSERT_TRUE(theirs.has_value()) << "answer: " << answers[i];
        EXPECT_NEAR(ours, *theirs, kTolerance * std::fabs(*theirs));
    }
}

TEST_F(ShippedUnits, MappingCoversEveryLinearUnit) {
    std::set<std::pair<std::int32_t, std::int32_t>> listed;
    for (const UnitReference& unit : kUnits) {
        EXPECT_TRUE(listed.emplace(unit.categoryId, unit.unitId).second) << unit.categoryId << "/" << unit.unitId;
        EXPECT_NE(FindBase(unit.categoryId), nullptr) << "no base expression for category " << unit.categoryId;
        EXPECT_NE(catalogue_.FindUnit(unit.categoryId, unit.unitId), nullptr)
            << "mapped unit " << unit.categoryId << "/" << unit.unitId << " (" << unit.expression
            << ") is not in the data";
    }
    for (const UnitKey& unit : kUnknownToGnu) {
        EXPECT_TRUE(listed.emplace(unit.categoryId, unit.unitId).second) << unit.categoryId << "/" << unit.unitId;
        EXPECT_NE(catalogue_.FindUnit(unit.categoryId, unit.unitId), nullptr)
            << "listed unit " << unit.categoryId << "/" << unit.unitId << " is not in the data";
    }

    for (const CategoryRecord& category : catalogue_.Categories()) {
        const std::int32_t id = category.categoryId;
        if (IsNonLinear(id)) continue;
        SCOPED_TRACE(category.name.Text());
        const BaseReference* base = FindBase(id);
        EXPECT_NE(base, nullptr) << "category " << id << " has no base expression";
        for (const UnitRecord& unit : catalogue_.Units(id)) {
            if (unit.unitId == kBaseUnitId) {
                std::string fault;
                EXPECT_EQ(Factor(unit, fault), 1.0) << fault;
                continue;
            }
            EXPECT_TRUE(listed.contains({id, unit.unitId}))
                << unit.unitId << " " << unit.name.Text() << " is neither mapped to GNU units nor listed as unknown";
        }
    }
}

// The expression categories hold each unit twice: its conversion text turns a base value into the
// unit, its base formula turns it back, and its abbreviation shows the conversion in the result line.
// All three must describe the same function, in every angle mode the window offers.
struct ExpressionSamples {
    std::int32_t categoryId;
    int angleMode;
    std::vector<double> baseValues;
};

TEST_F(ShippedUnits, ExpressionUnitsInvertTheirBaseFormula) {
    const ExpressionSamples samples[] = {
        {25, 1, {0.001, 0.5, 2.0, 1000.0}}, {26, 1, {1.0, 10.0, 45.0, 80.0}},  {26, 2, {0.02, 0.2, 0.7, 1.4}},
        {26, 3, {1.0, 10.0, 50.0, 90.0}},   {27, 1, {10.0, 30.0, 60.0, 80.0}}, {27, 2, {0.2, 0.5, 1.0, 1.4}},
        {27, 3, {10.0, 30.0, 60.0, 90.0}},
    };
    for (const ExpressionSamples& sample : samples) {
        const auto units = catalogue_.Units(sample.categoryId);
        ASSERT_GE(units.size(), 5u) << sample.categoryId;
        for (const UnitRecord& unit : units) {
            SCOPED_TRACE(std::to_string(sample.categoryId) + "/" + unit.name.Text() + " in angle mode " +
                         std::to_string(sample.angleMode));
            if (unit.unitId == kBaseUnitId) {
                EXPECT_EQ(unit.conversionText.Text(), "*1");
                EXPECT_EQ(unit.baseFormula.Text(), "x");
                EXPECT_EQ(unit.abbreviation.Text(), "x");
                continue;
            }
            for (const double base : sample.baseValues) {
                std::string error;
                const double value = parser_.Evaluate("1" + unit.conversionText.Text(), base, error, sample.angleMode);
                ASSERT_EQ(error, "") << "conversion at " << base;
                const double shown = parser_.Evaluate(unit.abbreviation.Text(), base, error, sample.angleMode);
                ASSERT_EQ(error, "") << "abbreviation at " << base;
                const double back = parser_.Evaluate(unit.baseFormula.Text(), value, error, sample.angleMode);
                ASSERT_EQ(error, "") << "base formula at " << value;
                EXPECT_NEAR(shown, value, kTolerance * std::fabs(value)) << "at " << base;
                EXPECT_NEAR(back, base, kTolerance * std::fabs(base)) << "at " << base;
            }
        }
    }
}

const TemperatureRecord* FindFormula(std::span<const TemperatureRecord> formulas, std::int32_t from, std::int32_t to) {
    const auto found = std::ranges::find_if(formulas, [&](const TemperatureRecord& formula) {
        return formula.fromUnitId == from && formula.toUnitId == to;
    });
    return found == formulas.end() ? nullptr : &*found;
}

// GNU units' form of a temperature scale: a value of it, and the value of a temperature in it
// ("%" stands for the number or the temperature). GNU units does not know Delisle, Newton or Rømer.
struct TemperatureReference {
    std::int32_t unitId;
    std::string_view of;
    std::string_view into;
};

constexpr TemperatureReference kTemperatures[] = {
    {101, "(% K)", "(%)/(K)"},
    {102, "tempC(%)", "~tempC(%)"},
    {103, "tempF(%)", "~tempF(%)"},
    {104, "(% degR)", "(%)/(degR)"},
    {105, "tempreaumur(%)", "~tempreaumur(%)"},
};

std::string Substitute(std::string_view form, std::string_view value) {
    std::string text(form);
    return text.replace(text.find('%'), 1, value);
}

// Every stored formula between two scales GNU units knows, worked as the conversion works it:
// strictly left to right with the typed value in front.
TEST_F(ShippedUnits, TemperatureFormulasAgreeWithGnuUnits) {
    constexpr std::string_view kTyped[] = {"0.5", "36.6", "100", "1234.5"};
    std::vector<std::string> queries;
    std::vector<std::pair<std::string, double>> expected;
    for (const TemperatureReference& from : kTemperatures) {
        for (const TemperatureReference& to : kTemperatures) {
            const TemperatureRecord* record = FindFormula(catalogue_.Temperatures(), from.unitId, to.unitId);
            ASSERT_NE(record, nullptr) << from.unitId << " to " << to.unitId;
            for (const std::string_view typed : kTyped) {
                const std::string chain = std::string(typed) + record->formula.Text();
                queries.push_back(Substitute(to.into, Substitute(from.of, typed)));
                expected.emplace_back(chain, EvaluateChain(chain));
            }
        }
    }
    const std::vector<std::string> answers = AskGnuUnits(queries);
    ASSERT_EQ(answers.size(), queries.size()) << "GNU units did not answer every query";
    for (std::size_t i = 0; i < queries.size(); ++i) {
        const auto& [chain, ours] = expected[i];
        SCOPED_TRACE(chain + ", GNU units: " + queries[i]);
        const std::optional<double> theirs = ParseAnswer(answers[i]);
        ASSERT_TRUE(theirs.has_value()) << "answer: " << answers[i];
        EXPECT_NEAR(ours, *theirs, kTolerance * std::max(1.0, std::fabs(*theirs)));
    }
}

double Apply(const TemperatureRecord& formula, double value) {
    char typed[32];
    std::snprintf(typed, sizeof typed, "%.17g", value);
    return EvaluateChain(typed + formula.formula.Text());
}

// The scales GNU units lacks are held to their defining fixed points, and every pair of scales must
// give what going through kelvin gives, so no single stored formula can stray from the others.
TEST_F(ShippedUnits, TemperatureFormulasMeetFixedPointsAndKelvin) {
    struct FixedPoint {
        std::int32_t unitId;
        double celsius;
        double value;
    };
    const FixedPoint fixedPoints[] = {
        {106, 100.0, 0.0}, {106, 0.0, 150.0},   // Delisle: boiling point 0, freezing point 150
        {107, 0.0, 0.0},   {107, 100.0, 33.0},  // Newton: freezing point 0, boiling point 33
        {108, 0.0, 7.5},   {108, 100.0, 60.0},  // Rømer: freezing point 7.5, boiling point 60
    };
    const auto formulas = catalogue_.Temperatures();
    for (const FixedPoint& point : fixedPoints) {
        const TemperatureRecord* formula = FindFormula(formulas, 102, point.unitId);
        ASSERT_NE(formula, nullptr) << point.unitId;
        EXPECT_NEAR(Apply(*formula, point.celsius), point.value, kTolerance) << point.unitId << " at " << point.celsius;
    }

    const auto units = catalogue_.Units(19);
    ASSERT_GE(units.size(), 8u);
    for (const UnitRecord& from : units) {
        const TemperatureRecord* toKelvin = FindFormula(formulas, from.unitId, kBaseUnitId);
        ASSERT_NE(toKelvin, nullptr) << from.unitId;
        for (const UnitRecord& to : units) {
            const TemperatureRecord* direct = FindFormula(formulas, from.unitId, to.unitId);
            const TemperatureRecord* fromKelvin = FindFormula(formulas, kBaseUnitId, to.unitId);
            ASSERT_NE(direct, nullptr) << from.unitId << " to " << to.unitId;
            ASSERT_NE(fromKelvin, nullptr) << to.unitId;
            for (const double value : {-20.0, 0.0, 37.5, 500.0}) {
                const double viaKelvin = Apply(*fromKelvin, Apply(*toKelvin, value));
                EXPECT_NEAR(Apply(*direct, value), viaKelvin, kTolerance * std::max(1.0, std::fabs(viaKelvin)))
                    << from.name.Text() << " to " << to.name.Text() << " at " << value;
            }
        }
    }
}

// The reciprocal-pair method is bound to the base units the data chose (litres per 100 km, and km per
// litre with factor 1), so the fuel category is run through the conversion itself and every row is
// compared with GNU units. A reciprocal quantity is written as 1/(...) for GNU units.
TEST_F(ShippedUnits, FuelConsumptionConvertsAsGnuUnits) {
    constexpr std::int32_t kFuel = 23;
    const FormatSettings wide{
        .min = 0.0, .max = 1e300, .decimals = 15, .expMin = 0.0, .expMax = 1e300, .grouping = false};
    const auto units = catalogue_.Units(kFuel);
    const auto expression = [](const UnitRecord& unit) -> std::string {
        if (unit.unitId == kBaseUnitId) return std::string(FindBase(kFuel)->base);
        const auto found = std::ranges::find_if(kUnits, [&](const UnitReference& entry) {
            return entry.categoryId == kFuel && entry.unitId == unit.unitId;
        });
        return found == std::end(kUnits) ? std::string() : std::string(found->expression);
    };
    const std::pair<std::int32_t, std::string_view> sources[] = {
        {101, "7.84"}, {105, "0.2"}, {106, "12.5"}, {107, "30"}};

    std::vector<std::string> queries;
    std::vector<std::pair<std::string, std::optional<std::string>>> rows;
    for (const auto& [sourceId, typed] : sources) {
        const auto sourceRow = catalogue_.FindUnitRow(kFuel, sourceId);
        ASSERT_TRUE(sourceRow.has_value()) << sourceId;
        const UnitRecord& source = units[*sourceRow];
        ConversionInput input;
        input.typed = typed;
        input.categoryId = kFuel;
        input.units = units;
        input.sourceRow = sourceRow;
        const ConversionResult result = ConvertUnits(input, wide, NumberLocale{}, parser_);
        ASSERT_EQ(result.rows.size(), units.size());
        const std::string quantity = "(" + std::string(typed) + " " + expression(source) + ")";
        for (std::size_t row = 0; row < units.size(); ++row) {
            if (row == *sourceRow) continue;
            const UnitRecord& target = units[row];
            ASSERT_FALSE(expression(target).empty()) << target.name.Text() << " has no GNU units expression";
            const std::string have = source.IsReciprocal() == target.IsReciprocal() ? quantity : "1/" + quantity;
            queries.push_back("(" + have + ")/(" + expression(target) + ")");
            rows.emplace_back(std::string(typed) + " " + source.name.Text() + " in " + target.name.Text(),
                              result.rows[row]);
        }
    }
    const std::vector<std::string> answers = AskGnuUnits(queries);
    ASSERT_EQ(answers.size(), queries.size()) << "GNU units did not answer every query";
    for (std::size_t i = 0; i < queries.size(); ++i) {
        const auto& [what, text] = rows[i];
        SCOPED_TRACE(what + ", GNU units: " + queries[i]);
        ASSERT_TRUE(text.has_value());
        const std::optional<double> ours = ParseAnswer(*text);
        const std::optional<double> theirs = ParseAnswer(answers[i]);
        ASSERT_TRUE(ours.has_value()) << "row: " << *text;
        ASSERT_TRUE(theirs.has_value()) << "answer: " << answers[i];
        EXPECT_NEAR(*ours, *theirs, kTolerance * std::fabs(*theirs));
    }
}

// A currency's conversion text is its rate again, for the reference chain of a user-defined currency
// that names it; it must stay equal to the rate in the rate file, which the conversion reads first.
TEST_F(ShippedUnits, CurrencyUnitsRepeatTheirRate) {
    constexpr std::int32_t kCurrency = 28;
    const auto rates = catalogue_.Currencies();
    ASSERT_GE(catalogue_.UnitCount(kCurrency), 40u);
    for (const UnitRecord& unit : catalogue_.Units(kCurrency)) {
        SCOPED_TRACE(unit.name.Text());
        const auto rate = std::ranges::find_if(
            rates, [&](const CurrencyRecord& record) { return record.name.Text() == unit.name.Text(); });
        ASSERT_NE(rate, rates.end());
        std::string fault;
        const std::optional<double> factor = Factor(unit, fault);
        ASSERT_TRUE(factor.has_value()) << fault;
        EXPECT_NEAR(*factor, rate->rate, kTolerance * rate->rate);
        if (unit.unitId == kBaseUnitId) {
            EXPECT_EQ(rate->rate, 1.0) << "the base currency";
        }
    }
}

// With only the common units shown, the window still preselects each category's default units, so
// they must be common units.
TEST_F(ShippedUnits, DefaultUnitsAreCommonUnits) {
    WriteSetting(profile_.Store(), Setting::kCommonUnits, "1");
    const LoadReport report = ReloadCatalogue(catalogue_, profile_.Store(), kDataFolder, std::nullopt).report;
    ASSERT_TRUE(report.complete) << report.error;
    ASSERT_TRUE(catalogue_.CommonUnitsMode());
    for (const CategoryRecord& category : catalogue_.Categories()) {
        const std::int32_t id = category.categoryId;
        EXPECT_NE(catalogue_.FindUnit(id, category.defaultSourceUnitId), nullptr) << category.name.Text();
        EXPECT_NE(catalogue_.FindUnit(id, category.defaultTargetUnitId), nullptr) << category.name.Text();
    }
}

}  // namespace
}  // namespace quantora
