#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "calc/formula_parser.h"
#include "catalogue/records.h"
#include "convert/format_settings.h"
#include "convert/test_locales.h"
#include "convert/unit_conversion.h"
#include "support/record_builders.h"
#include "support/test_profile.h"

namespace quantora::test {

struct StoredSetting {
    const char* key;
    const char* value;
};

using Rows = std::vector<std::optional<std::string>>;

// One run as the main window makes it: settings read from a real profile file.
inline ConversionResult RunConversion(const ConversionInput& input, const std::vector<StoredSetting>& stored = {}) {
    TestProfile profile;
    for (const auto& [key, value] : stored) WriteSetting(profile.Store(), key, value);
    FormulaParser parser;
    return ConvertUnits(input, ReadFormatSettings(profile.Store()), EnglishLocale(), parser);
}

}  // namespace quantora::test
