#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "dressing/dressing_tables.h"
#include "engine/map_model.h"
#include "render/bitmap.h"

namespace delvora {

// What the print module needs for the three printouts, and where it reports failures.
struct PrintJob {
  const PrintPaths& paths;
  const MapModel& model;
  const Bitmap& map;
  const DressingTables& tables;
  const Settings& settings;
  // One message per failed printout.
  std::vector<std::string>& errors;
};

// The print module's entry point, exported under kPrintEntryPoint.
using PrintEntryPoint = void (*)(const PrintJob& job);
inline constexpr const char* kPrintEntryPoint = "delvora_write_print_outputs";

// Makes the pages of "Print Map", "Print Map 25mm Scale" and "Print Dressing" as PDFs through the
// print module, which is loaded (with Qt) only now. Returns one message per failed printout, or
// one saying the module could not be loaded.
std::vector<std::string> writePrintOutputs(const PrintPaths& paths, const MapModel& model,
                                           const Bitmap& map, const DressingTables& tables,
                                           const Settings& settings);

}  // namespace delvora
