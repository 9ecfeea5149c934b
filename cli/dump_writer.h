#pragma once

#include <ostream>
#include <string>

#include "engine/map_model.h"

namespace delvora {

// Writes the model's dump (toString) to path, or to standardOutput when path is "-". Returns ""
// on success, else a one-line message naming the file.
std::string writeDump(const MapModel& model, const std::string& path, std::ostream& standardOutput);

}  // namespace delvora
