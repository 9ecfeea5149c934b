#pragma once

#include <vector>

#include <nlohmann/json.hpp>

#include "engine/dead_ends.h"
#include "engine/settings.h"

namespace delvora {

// The options that shape a dungeon, as delvora-cli takes them: each keyed by its option's name
// without the dashes, in the option table's order ("map-size": "800x600"); integers as numbers,
// flags as booleans (true when the flag is in effect), choices as their words ("dead-ends":
// "some,few", or "none"), text as given (as UTF-8).
nlohmann::ordered_json settingsJson(const Settings& settings,
                                    const std::vector<DeadEndMode>& deadEnds);

}  // namespace delvora
