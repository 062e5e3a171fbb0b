#pragma once

namespace tp {

// The page shows the month columns 0..lastColumnIndex: six to 24 months side by side.
inline constexpr int kMinLastColumnIndex = 5;
inline constexpr int kMaxLastColumnIndex = 23;
inline constexpr int kDefaultLastColumnIndex = 5;

constexpr bool isValidLastColumnIndex(int lastColumnIndex) {
    return lastColumnIndex >= kMinLastColumnIndex && lastColumnIndex <= kMaxLastColumnIndex;
}

} // namespace tp
