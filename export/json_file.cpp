#include "export/json_file.h"

namespace delvora {

std::string jsonText(const nlohmann::json& document) {
  std::string text = document.dump();
  text += '\n';
  return text;
}

}  // namespace delvora
