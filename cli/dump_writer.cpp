#include "cli/dump_writer.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace delvora {
namespace {

template <typename List>
void appendSection(std::string& text, const char* header, const List& records) {
  text += header;
  text += '\n';
  for (const std::string& record : records) {
    text += record;
    text += '\n';
  }
}

}  // namespace

std::string formatDump(const MapModel& model) {
  std::string text;
  appendSection(text, "[lstWalls]", model.lstWalls);
  appendSection(text, "[lstCorridors]", model.lstCorridors);
  appendSection(text, "[lstDoors]", model.lstDoors);
  appendSection(text, "[lstStairs]", model.lstStairs);
  appendSection(text, "[lstFluff]", model.lstFluff);
  appendSection(text, "[lstDoorDress]", model.lstDoorDress);
  appendSection(text, "[lstEligable]", model.lstEligable);
  text += "[state]\n";
  text += "random=" + std::to_string(model.random.state()) + '\n';
  text += "features=" + std::to_string(model.state.featureCount) + '\n';
  return text;
}

std::string writeDump(const MapModel& model, const std::string& path,
                      std::ostream& standardOutput) {
  const std::string text = formatDump(model);
  if (path == "-") {
    standardOutput << text << std::flush;
    if (!standardOutput) return "Cannot write the dump to standard output";
    return "";
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return "Cannot create file " + path + " (" + std::strerror(errno) + ")";
  file << text;
  file.close();
  if (!file) return "Cannot write file " + path;
  return "";
}

}  // namespace delvora
