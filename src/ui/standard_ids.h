#pragma once

namespace quantora::standard_id {

// The ids every window gives its OK and Cancel buttons and its captions, so that a test or an
// anchor table finds them by the same number in each window.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kStatic = -1;

}  // namespace quantora::standard_id
