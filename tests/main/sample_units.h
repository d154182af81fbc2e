#pragma once

#include <cstddef>
#include <filesystem>

namespace quantora::test {

// Category lines of the sample data, in list order.
namespace sample_line {
inline constexpr std::size_t kEnergy = 0;  // "Énergie": sorts with its base letter
inline constexpr std::size_t kLength = 1;
inline constexpr std::size_t kMass = 2;
inline constexpr std::size_t kTrigonometry = 3;
}  // namespace sample_line

// Unit rows of "Length" in list order (all units shown).
namespace length_row {
inline constexpr std::size_t kAngstrom = 0;
inline constexpr std::size_t kFathom = 1;
inline constexpr std::size_t kKilometer = 2;
inline constexpr std::size_t kMeter = 3;
inline constexpr std::size_t kMile = 4;
}  // namespace length_row

// Unit rows of "Trigonometry" in list order.
namespace trig_row {
inline constexpr std::size_t kExponential = 0;
inline constexpr std::size_t kSine = 1;
inline constexpr std::size_t kArgument = 2;
}  // namespace trig_row

// Writes a small, complete set of unit data files into <executableFolder>/data.
void WriteSampleUnits(const std::filesystem::path& executableFolder);

}  // namespace quantora::test
