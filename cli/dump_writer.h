#pragma once

#include <ostream>
#include <string>

#include "engine/map_model.h"

namespace delvora {

// The model as plain text with LF line ends: a header line per list ("[lstWalls]" ...) followed
// by its records exactly as held, then "[state]" with the random source state and the feature
// count.
std::string formatDump(const MapModel& model);

// Writes formatDump(model) to path, or to standardOutput when path is "-". Returns "" on
// success, else a one-line message naming the file.
std::string writeDump(const MapModel& model, const std::string& path, std::ostream& standardOutput);

}  // namespace delvora
