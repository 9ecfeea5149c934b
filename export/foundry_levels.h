#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dungeon/foundry_names.h"
#include "dungeon/levels.h"
#include "export/foundry_export.h"

namespace delvora {

// The picture of level `level` beside a scene holding every level: the scene's name with ".json"
// (if any) replaced by "-level-N.png".
std::string foundryLevelImagePath(const std::string& scenePath, int level);

// The scenes of a dungeon of several levels and their pictures (one per level, in level order).
struct FoundryLevelsFiles {
  std::vector<std::string> scenes;
  std::vector<std::vector<std::uint8_t>> images;
};

// For Foundry VTT v14 and later (version >= kFoundryLevelsVersion): one scene whose levels are
// the dungeon's (level 1 on top, each 10 ft of elevation below the one above), each with its
// picture (backgroundSources[k - 1]), its walls and doors on it alone, and
// a "Change Level" region over every linked pair of staircases, on both their levels. For v12
// and v13: one scene per level as foundryFiles writes it, its title naming the level, with an
// inert region over every staircase named after where it leads.
FoundryLevelsFiles foundryLevelsFiles(const DungeonLevels& levels, Audience audience,
                                      const FoundryScene& scene,
                                      const std::vector<std::string>& backgroundSources,
                                      int version);

}  // namespace delvora
