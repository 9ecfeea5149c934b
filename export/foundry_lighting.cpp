#include "export/foundry_lighting.h"

namespace delvora {

nlohmann::json foundryLighting(SceneLighting lighting) {
  const bool lit = lighting == SceneLighting::Lit;
  return {{"tokenVision", true},
          {"environment",
           {{"darknessLevel", lit ? 0 : 1},
            {"darknessLock", false},
            {"globalLight", {{"enabled", lit}, {"bright", lit}}}}}};
}

nlohmann::json uvttEnvironment(SceneLighting lighting) {
  const bool lit = lighting == SceneLighting::Lit;
  return {{"baked_lighting", lit}, {"ambient_light", lit ? "ffffffff" : "ff000000"}};
}

}  // namespace delvora
