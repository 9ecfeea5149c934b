#pragma once

#include <vector>

#include <nlohmann/json.hpp>

#include "engine/dead_ends.h"
#include "engine/settings.h"

namespace delvora {

// The generation options of a dungeon as delvora-cli takes them: each keyed by its option's name
// without the dashes ("map-size": "800x600", "corridors": "very-twisty"), numbers as numbers,
// flags as booleans (true when the flag is in effect), text as given (as UTF-8), and "dead-ends"
// the clean-ups run, in order ("some", "few").
nlohmann::ordered_json settingsJson(const Settings& settings,
                                    const std::vector<DeadEndMode>& deadEnds);

}  // namespace delvora
