#pragma once

#include <cstdint>
#include <memory>

#include "engine/map_model.h"
#include "tests/support/recording_canvas.h"

namespace delvora::testing {

// An empty 800x600 map (the grid is large: keep it off the stack).
inline std::unique_ptr<MapModel> emptyModel() {
  auto model = std::make_unique<MapModel>();
  model->state.mapWidth = 800;
  model->state.mapHeight = 600;
  model->grid.clear(800, 600);
  return model;
}

// An empty 800x600 map with default settings and a recording canvas, for calling single steps.
struct EngineFixture {
  StepContext ctx() { return StepContext{*model, settings, canvas}; }

  // Records a feature as a build step would, counting it.
  void addFeature(const Rect& r, FeatureType type) {
    StepContext c = ctx();
    ++model->state.featureCount;
    UpdateBitMap(c, r.left, r.top, r.right, r.bottom, type);
  }

  std::unique_ptr<MapModel> model = emptyModel();
  Settings settings;
  RecordingCanvas canvas;
};

// Draws made from a state: how far a replay generator must advance to reach another state.
inline int drawsBetween(std::uint32_t from, std::uint32_t to, int limit = 100000) {
  RandomSource replay(from);
  for (int n = 0; n <= limit; ++n) {
    if (replay.state() == to) return n;
    replay.Random(1);
  }
  return -1;
}

}  // namespace delvora::testing
