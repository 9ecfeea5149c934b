#pragma once

#include <string>
#include <vector>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"

namespace delvora {

// The name of the editing file, in the working directory.
inline constexpr const char* kEditingFileName = "DVTemp.txt";

// The editing file as items (FluffReport): the map's settings, then every room's six dressing
// texts (and its encounter, on a map made with encounters) and its door descriptions. Each item is
// meant to be written followed by CR LF.
std::vector<std::string> buildEditingFile(const MapModel& model, const DressingTables& tables,
                                          const Settings& settings);

// Reads an edited file back: the n-th keyed line of each kind becomes entry n - 1 of its table
// and every room points at its own texts. Returns "" or "Cannot open file <path>"; when the file
// cannot be read, the tables and lstFluff are left exactly as they were. Sets model.fluffEdited on
// success.
std::string ReWriteFluff(MapModel& model, DressingTables& tables, const std::string& path);

}  // namespace delvora
