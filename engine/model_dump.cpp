#include "engine/model_dump.h"

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

std::string toString(const MapModel& model) {
  std::string text;
  appendSection(text, "[lstWalls]", model.lstWalls);
  appendSection(text, "[lstCorridors]", model.lstCorridors);
  appendSection(text, "[lstDoors]", model.lstDoors);
  appendSection(text, "[lstStairs]", model.lstStairs);
  appendSection(text, "[lstFluff]", model.lstFluff);
  appendSection(text, "[lstDoorDress]", model.lstDoorDress);
  // Only a run with encounters has the section, so that the dumps of every other run stay as
  // they were.
  if (!model.lstEncounters.empty()) appendSection(text, "[lstEncounters]", model.lstEncounters);
  appendSection(text, "[lstEligable]", model.lstEligable);
  text += "[state]\n";
  text += "random=" + std::to_string(model.random.state()) + '\n';
  text += "features=" + std::to_string(model.state.featureCount) + '\n';
  return text;
}

}  // namespace delvora
