#pragma once

namespace delvora {

// Levels a dungeon may have.
inline constexpr int kMinLevels = 1;
inline constexpr int kMaxLevels = 10;

}  // namespace delvora
