#pragma once

#include <string>
#include <vector>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"
#include "render/bitmap.h"

namespace delvora {

// The PDFs asked for on the command line; empty means "not written".
struct PrintPaths {
  std::string map;
  std::string map25mm;
  std::string dressing;
  bool any() const { return !map.empty() || !map25mm.empty() || !dressing.empty(); }
};

// Makes the pages of "Print Map", "Print Map 25mm Scale" and "Print Dressing" as PDFs, with
// Qt's offscreen platform when there is no display. Returns one message per failed printout.
std::vector<std::string> writePrintOutputs(const PrintPaths& paths, const MapModel& model,
                                           const Bitmap& map, const DressingTables& tables,
                                           const Settings& settings);

}  // namespace delvora
