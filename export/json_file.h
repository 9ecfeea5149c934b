#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace delvora {

// The document as JSON text, as the exports write it: compact, ending in a line break.
std::string jsonText(const nlohmann::json& document);

}  // namespace delvora
