#pragma once

#include <cstdint>

namespace quiz {

// Numbers the twelve pairs: a name and a country/period belong together
// exactly when they carry the same PairIndex. kNoPick means nothing is picked.
using PairIndex = std::int16_t;

inline constexpr PairIndex kNoPick = -1;
inline constexpr PairIndex kPairCount = 12;

constexpr bool IsPair(int i) { return i >= 0 && i < kPairCount; }

}  // namespace quiz
