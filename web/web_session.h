#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dressing/dressing_tables.h"
#include "dressing/hover_text.h"
#include "engine/dead_ends.h"
#include "engine/map_model.h"
#include "engine/settings.h"
#include "render/raster_canvas.h"

namespace delvora {

// One dungeon of the web page: "Generate", the dead-end clean-ups after it, and everything the
// page reads from it (picture, hover text, dump, report, PNG and exports), made by the same
// library calls as delvora-cli makes for the same options.
class WebSession {
 public:
  WebSession();
  ~WebSession();

  // Generates a new dungeon; "" on success, else the dressing load's error (the previous
  // dungeon is then gone and nothing is drawn).
  std::string generate(const Settings& settings);
  bool generated() const { return m_model != nullptr; }
  // Warnings of the last dressing load and a stairs shortfall, one per line.
  const std::vector<std::string>& warnings() const { return m_warnings; }

  // A dead-end clean-up on the current map, as the "Dead Ends" menu runs it.
  void cleanDeadEnds(DeadEndMode mode);

  // The map as drawn for the game master, or for players (no room numbers, concealed and
  // secret doors as wall).
  const Bitmap& picture(bool playerMap);
  HoverText hover(int x, int y) const;
  // The model lists as delvora-cli --dump writes them.
  std::string dump() const;
  // The dressing report's bytes as delvora-cli --report writes them (title only without
  // dressing); "" on a write failure.
  std::string report() const;
  // The map PNG at pxPerGrid pixels per grid square, for the game master or for players.
  std::vector<std::uint8_t> png(int pxPerGrid, bool playerMap);
  // The Universal VTT file, its bytes read back from the in-memory file system.
  std::string uvtt(int pxPerGrid, bool playerMap);
  // The Foundry scene named baseName + ".json" and its image baseName + ".png".
  struct FoundryFiles {
    std::string scene;
    std::string image;
    std::string error;
  };
  FoundryFiles foundry(int pxPerGrid, bool playerMap, const std::string& baseName);

 private:
  // The same dungeon drawn for players: generated again through the player canvas, with the
  // same clean-ups, when first asked for.
  struct PlayerMap;
  const MapModel& modelFor(bool playerMap);

  Settings m_settings;
  std::unique_ptr<MapModel> m_model;
  RasterCanvas m_canvas;
  DressingTables m_tables;
  std::vector<DeadEndMode> m_deadEnds;
  std::vector<std::string> m_warnings;
  std::unique_ptr<PlayerMap> m_player;
};

}  // namespace delvora
