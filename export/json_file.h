#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace delvora {

// Writes the document as JSON text to path, atomically (AtomicFileWriter), so a failed write
// leaves an existing file untouched. Returns "" on success, else a one-line message naming the
// file.
std::string writeJsonFile(const nlohmann::json& document, const std::string& path);

}  // namespace delvora
