#pragma once

#include <string_view>

namespace quantora {

// Data file names in the data folder.
namespace data_file {
inline constexpr std::string_view kCategories = "cat.dat";
inline constexpr std::string_view kCustomCategories = "catcust.dat";
inline constexpr std::string_view kUnits = "item.dat";
inline constexpr std::string_view kCustomUnits = "itemcust.dat";
inline constexpr std::string_view kTemperatures = "temp.dat";
inline constexpr std::string_view kCurrencies = "curr.dat";
inline constexpr std::string_view kConstants = "consts.dat";
inline constexpr std::string_view kElements = "element.dat";
}  // namespace data_file

}  // namespace quantora
