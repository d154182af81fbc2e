#pragma once

namespace quantora {

// The unit the trigonometric functions read and give angles in. A stored setting may hold another
// number; the evaluator then works in degrees, and no angle choice shows as checked.
enum class AngleUnit : int { kDegrees = 1, kRadians = 2, kGrads = 3 };

constexpr bool IsKnownAngleUnit(AngleUnit unit) { return unit >= AngleUnit::kDegrees && unit <= AngleUnit::kGrads; }

}  // namespace quantora
