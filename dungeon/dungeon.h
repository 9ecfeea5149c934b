#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dressing/dressing_source.h"
#include "dressing/dressing_tables.h"
#include "engine/dead_ends.h"
#include "engine/landings.h"
#include "engine/map_model.h"
#include "engine/settings.h"
#include "render/bitmap.h"

namespace delvora {

// Whom a picture of the map is drawn for. Players see no room numbers, and concealed and secret
// doors as plain wall; the dungeon itself (lists, draws, dressing) is the same.
enum class Audience { GameMaster, Players };

// What a generation reports besides the dungeon.
struct GenerateReport {
  // Warnings of the dressing load that did not stop it.
  std::vector<std::string> warnings;
  // Why no dungeon was made (a dressing file could not be read); empty on success.
  std::string error;
  // Staircases asked for but not placed.
  int stairsShortfall = 0;
  bool ok() const { return error.empty(); }
};

// One generated dungeon and what every surface reads from it: the settings it was made with,
// the model, the dressing tables, the map as drawn, the other audience's picture (made when first
// asked for) and the dead-end clean-ups run on it. The command line, the web page and the map
// window all make their dungeons through this class.
class Dungeon {
 public:
  Dungeon();
  ~Dungeon();
  Dungeon(const Dungeon&) = delete;
  Dungeon& operator=(const Dungeon&) = delete;

  // "Generate": seeds from settings.seed, loads the dressing tables from source and runs the
  // generation, drawing the map for drawnFor. Replaces what this object held; processMessages,
  // when given, is called where a window lets pending messages run (the picture may be read
  // then). The dressing source defaults to settings.dressingDir.
  GenerateReport generate(const Settings& settings, const DressingSource& source,
                          Audience drawnFor = Audience::GameMaster,
                          const std::function<void()>& processMessages = {});
  GenerateReport generate(const Settings& settings, Audience drawnFor = Audience::GameMaster);
  // A level below the first: as generate, grown from landing rooms around entry's up staircases
  // (runGeneration).
  GenerateReport generateLevel(const Settings& settings, const DressingSource& source,
                               const LevelEntry& entry, Audience drawnFor = Audience::GameMaster);

  // A dead-end clean-up as the "Dead Ends" menu runs it, on every picture made so far.
  void cleanDeadEnds(DeadEndMode mode, const std::function<void()>& processMessages = {});

  // Reloads the dressing tables from source (the advanced window's OK): 17 draws from the
  // model's random source, as "Generate" makes them.
  LoadResult reloadDressing(const DressingSource& source);
  // Reads an edited dressing file back (ReWriteFluff); "" or the message to show.
  std::string readEditedDressing(const std::string& path);
  // Empties the per-map lists, as closing the map window does.
  void close();

  // True once a generation succeeded.
  bool generated() const { return m_generated; }
  const Settings& settings() const { return m_settings; }
  const MapModel& model() const { return *m_model; }
  const DressingTables& tables() const { return m_tables; }
  // The up staircases the level was made around; empty for a single or first level.
  const LevelEntry& entry() const { return m_entry; }
  // The clean-ups run since the generation, in order.
  const std::vector<DeadEndMode>& deadEnds() const { return m_deadEnds; }
  // Whom generate drew the map for.
  Audience drawnFor() const { return m_drawnFor; }
  // The map as generate drew it (during a run: as far as it has got).
  const Bitmap& picture() const;
  // The map for audience: the picture as drawn, or the other one, which is made the first time
  // it is asked for by generating the same dungeon again through the other audience's canvas
  // and running the same clean-ups.
  const Bitmap& picture(Audience audience) const;
  // The caption the map window and the printouts show (mapCaption of the title), followed by
  // " - " and the level's name when it has one.
  std::string caption() const;
  // Names the level of a dungeon of several levels ("Level 2"); empty for a single level.
  void setLevelName(const std::string& name) { m_levelName = name; }

 private:
  struct Drawing;
  GenerateReport run(const Settings& settings, const DressingSource& source, Audience drawnFor,
                     const std::function<void()>& processMessages);

  Settings m_settings;
  DressingSource m_source;
  LevelEntry m_entry;
  std::string m_levelName;
  std::unique_ptr<MapModel> m_model;
  DressingTables m_tables;
  std::unique_ptr<Drawing> m_drawing;
  Audience m_drawnFor = Audience::GameMaster;
  std::vector<DeadEndMode> m_deadEnds;
  bool m_generated = false;
  // The other audience's dungeon, made on demand.
  mutable std::unique_ptr<Dungeon> m_other;
};

}  // namespace delvora
