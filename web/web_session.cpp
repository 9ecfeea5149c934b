#include "web/web_session.h"

#include "dressing/dressing_categories.h"
#include "dressing/report.h"
#include "dungeon/dungeon_json.h"
#include "dungeon/levels_key.h"
#include "dungeon/option_parser.h"
#include "dungeon/option_table.h"
#include "engine/model_dump.h"
#include "export/svg_export.h"
#include "export/uvtt_export.h"
#include "export/zip_archive.h"
#include "print/battle_map/battle_map_pdf.h"
#include "render/png_writer.h"

namespace delvora {
namespace {

Audience audience(bool playerMap) {
  return playerMap ? Audience::Players : Audience::GameMaster;
}

}  // namespace

std::string WebSession::generate(const RunOptions& options) {
  m_warnings.clear();
  m_options = options;
  const Settings& settings = options.settings;
  m_shown = 1;
  // A fresh dungeon every time, as delvora-cli starts from one.
  m_levels = std::make_unique<DungeonLevels>();
  const GenerateReport report =
      m_levels->generate(settings, DressingSource::fromFiles(m_dressingFiles), settings.levels);
  m_warnings = report.warnings;
  if (!report.ok()) {
    m_levels.reset();
    return report.error;
  }
  if (report.stairsShortfall > 0) {
    m_warnings.push_back("placed " + std::to_string(settings.stairs - report.stairsShortfall) +
                         " of " + std::to_string(settings.stairs) + " staircases");
  }
  for (const DeadEndMode mode : options.deadEnds) m_levels->cleanDeadEnds(mode);
  return "";
}

void WebSession::showLevel(int level) {
  if (level >= 1 && level <= levelCount()) m_shown = level;
}

void WebSession::cleanDeadEnds(DeadEndMode mode) {
  if (!m_levels) return;
  m_levels->cleanDeadEnds(mode);
  m_options.deadEnds = m_levels->level(1).deadEnds();
}

WebSession::PictureCheck WebSession::checkPicture(int pxPerGrid, PictureUse use) const {
  RunOptions scale;
  scale.pxPerGrid = pxPerGrid;
  const bool tabletop = use == PictureUse::Tabletop;
  PictureCheck check{tabletop ? exportPxPerGrid(scale) : pngPxPerGrid(scale), {}, {}};
  const OptionRow& row = *findOptionNamed("px-per-grid");
  if (pxPerGrid != 0 && (pxPerGrid < row.low || pxPerGrid > row.high)) {
    check.error = badValueError(optionFlag(row), row, std::to_string(pxPerGrid));
    return check;
  }
  check.error = pictureSizeError(m_options.settings, check.pxPerGrid, use);
  // As the command line warns: only about a scale given, not about the default.
  if (tabletop && pxPerGrid != 0) check.warning = smallGridWarning(pxPerGrid);
  return check;
}

std::vector<WebSession::ChosenDressingFile> WebSession::chosenDressingFiles() const {
  std::vector<std::string> names;
  for (const NamedBytes& file : m_dressingFiles) names.push_back(file.name);
  std::vector<ChosenDressingFile> chosen;
  for (const DressingCategory& category : kDressingCategories) {
    const int pick = pickDressingName(names, std::string(category.fileName));
    if (pick < 0) {
      chosen.push_back({});
      continue;
    }
    const NamedBytes& file = m_dressingFiles[static_cast<std::size_t>(pick)];
    chosen.push_back({file.name, countDressingEntries(file.bytes)});
  }
  return chosen;
}

const Bitmap& WebSession::picture(bool playerMap) const {
  return m_levels ? shown()->picture(audience(playerMap)) : m_empty;
}

HoverText WebSession::hover(int x, int y) const {
  if (!m_levels) return {};
  HoverText hover = hoverText(shown()->model(), shown()->tables(), x, y);
  // With several levels, a staircase under the pointer says where it leads, as the key does.
  if (levelCount() > 1) addStairsLines(hover, stairsHoverLines(*m_levels, m_shown, x, y));
  return hover;
}

std::string WebSession::dump() const {
  return m_levels ? toString(shown()->model()) : std::string();
}

std::string WebSession::report() const {
  if (!m_levels) return "";
  if (levelCount() > 1) return textFileBytes(levelsReport(*m_levels));
  const Dungeon& dungeon = m_levels->level(1);
  std::vector<std::string> items =
      buildDressingReport(dungeon.model(), dungeon.tables(), dungeon.settings().title);
  // Without dressing delvora-cli writes the title block alone.
  if (!dungeon.settings().dressing) items.resize(1);
  return textFileBytes(items);
}

std::string WebSession::json() const {
  return m_levels ? dungeonJson(*m_levels) : std::string();
}

std::vector<std::uint8_t> WebSession::png(int pxPerGrid, bool playerMap) const {
  const PictureCheck check = checkPicture(pxPerGrid, PictureUse::Png);
  if (!m_levels || !check.error.empty()) return {};
  return pngBytes(picture(playerMap), check.pxPerGrid);
}

std::string WebSession::uvtt(int pxPerGrid, bool playerMap) const {
  const PictureCheck check = checkPicture(pxPerGrid, PictureUse::Tabletop);
  if (!m_levels || !check.error.empty()) return "";
  return uvttFile(*shown(), audience(playerMap), check.pxPerGrid);
}

std::string WebSession::svg(const MapLook& look, bool playerMap) const {
  if (!m_levels) return "";
  return svgFile(*shown(), audience(playerMap), look);
}

std::string WebSession::battleMap(const BattleMapOptions& options, bool playerMap) const {
  if (!m_levels) return "";
  return battleMapPdf(*shown(), audience(playerMap), options);
}

FoundryFiles WebSession::foundry(int pxPerGrid, bool playerMap, const std::string& baseName) const {
  const PictureCheck check = checkPicture(pxPerGrid, PictureUse::Tabletop);
  if (!m_levels || !check.error.empty()) return {};
  const FoundryScene scene{shown()->settings().title, check.pxPerGrid,
                           foundryBackgroundSource(baseName + ".json")};
  return foundryFiles(*shown(), audience(playerMap), scene);
}

std::string WebSession::archive(int pxPerGrid, bool playerMap, const std::string& baseName) const {
  const PictureCheck check = checkPicture(pxPerGrid, PictureUse::Png);
  if (!m_levels || !check.error.empty()) return "";
  std::vector<ArchiveFile> files;
  for (int level = 1; level <= levelCount(); ++level) {
    const std::vector<std::uint8_t> png =
        pngBytes(m_levels->level(level).picture(audience(playerMap)), check.pxPerGrid);
    files.push_back({baseName + "-level-" + std::to_string(level) + ".png",
                     std::string(png.begin(), png.end())});
  }
  files.push_back({baseName + "-key.txt", report()});
  files.push_back({baseName + ".json", json()});
  return zipArchive(files);
}

}  // namespace delvora
