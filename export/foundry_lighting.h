#pragma once

#include <nlohmann/json.hpp>

namespace delvora {

// How a tabletop lights the exported map.
enum class SceneLighting {
  // Lit everywhere: players see the whole map within their tokens' sight.
  Lit,
  // Dark but for the light tokens carry.
  Dark,
};

// The Foundry VTT scene's lighting (v12 and later), written out so that a scene with walls never
// shows players a black map by default: environment.globalLight.enabled and the darkness level
// (0 lit, 1 dark), with token vision on.
nlohmann::json foundryLighting(SceneLighting lighting);

// The Universal VTT file's environment: the picture's lighting baked in with full white ambient
// light when lit; when dark, nothing baked and no ambient light ("ff000000": none in either
// reading of the colour's bytes, alpha first or last).
nlohmann::json uvttEnvironment(SceneLighting lighting);

}  // namespace delvora
