#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dressing/dressing_file.h"
#include "dressing/dressing_source.h"
#include "dressing/hover_text.h"
#include "dungeon/dungeon.h"
#include "dungeon/levels.h"
#include "dungeon/picture_limits.h"
#include "dungeon/run_options.h"
#include "dungeon/vector_options.h"
#include "export/foundry_export.h"
#include "export/map_style.h"

namespace delvora {

// One dungeon of the web page, of one or more levels (options.settings.levels), and everything
// the page reads from it (pictures, hover text, dump, report, PNG and exports), made by the same
// library calls as delvora-cli makes for the same options. Nothing goes through files: the
// dressing files the user chose are held in memory and every output is made as bytes. The
// per-level outputs are the shown level's; the report and the JSON hold every level, as
// delvora-cli writes them.
class WebSession {
 public:
  // Generates a new dungeon of options.settings from the dressing files held and runs the
  // dead-end clean-ups of options.deadEnds; "" on success, else the dressing load's error (the
  // previous dungeon is then gone and nothing is drawn).
  std::string generate(const RunOptions& options);
  bool generated() const { return m_levels != nullptr; }
  int levelCount() const { return m_levels ? m_levels->count() : 0; }
  // The level the per-level outputs are of, from 1 (level 1 after generate); a number out of
  // range is ignored.
  void showLevel(int level);
  int shownLevel() const { return m_shown; }
  // The options of the last generate.
  const RunOptions& options() const { return m_options; }
  // Warnings of the last dressing load and a stairs shortfall, one per line.
  const std::vector<std::string>& warnings() const { return m_warnings; }

  // The dressing files the next Generate reads, matched by name like files in a folder.
  void addDressingFile(NamedBytes file) { m_dressingFiles.push_back(std::move(file)); }
  void clearDressingFiles() { m_dressingFiles.clear(); }

  // A dead-end clean-up on every level, as the "Dead Ends" menu runs it.
  void cleanDeadEnds(DeadEndMode mode);

  // The map as drawn for the game master, or for players (no room numbers, concealed and
  // secret doors as wall); an empty picture before the first dungeon.
  const Bitmap& picture(bool playerMap) const;
  HoverText hover(int x, int y) const;
  // The model lists as delvora-cli --dump writes them.
  std::string dump() const;
  // The dressing report's bytes as delvora-cli --report writes them (title only without
  // dressing).
  std::string report() const;
  // The dungeon document as delvora-cli --export-json writes it.
  std::string json() const;
  // A picture of the map for use at pxPerGrid pixels per grid square (0: not given, the use's
  // default as the command line takes it): the scale it gets, and the command line's error
  // refusing it (a scale outside --px-per-grid's range, a picture larger than its readers load)
  // or warning about it (a tabletop grid below a tabletop's smallest).
  struct PictureCheck {
    int pxPerGrid = 0;
    std::string error;
    std::string warning;
  };
  PictureCheck checkPicture(int pxPerGrid, PictureUse use) const;

  // The map PNG, the Universal VTT file, and the Foundry scene for a file named baseName +
  // ".json" with its image, at pxPerGrid as checkPicture takes it; empty when checkPicture
  // refuses it.
  std::vector<std::uint8_t> png(int pxPerGrid, bool playerMap) const;
  std::string uvtt(int pxPerGrid, bool playerMap) const;
  // The map drawn as an SVG, as delvora-cli --export-svg writes it.
  std::string svg(const MapLook& look, bool playerMap) const;
  // The battle map's PDF, as delvora-cli --print-battlemap writes it.
  std::string battleMap(const BattleMapOptions& options, bool playerMap) const;
  FoundryFiles foundry(int pxPerGrid, bool playerMap, const std::string& baseName) const;
  // Every level at once as a ZIP archive: baseName-level-N.png for each level (as png() makes
  // it), baseName-key.txt (the report) and baseName.json (the JSON); empty when png() is empty.
  std::string archive(int pxPerGrid, bool playerMap, const std::string& baseName) const;

  // The dressing files the next Generate reads, one a category in category order: the name of
  // the file the load takes for it (empty for none) and what it adds.
  struct ChosenDressingFile {
    std::string name;
    DressingFileCount count;
  };
  std::vector<ChosenDressingFile> chosenDressingFiles() const;

 private:
  const Dungeon* shown() const { return m_levels ? &m_levels->level(m_shown) : nullptr; }

  RunOptions m_options;
  std::unique_ptr<DungeonLevels> m_levels;
  int m_shown = 1;
  std::vector<NamedBytes> m_dressingFiles;
  std::vector<std::string> m_warnings;
  const Bitmap m_empty{};
};

}  // namespace delvora
