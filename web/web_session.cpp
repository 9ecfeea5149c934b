#include "web/web_session.h"

#include "dressing/report.h"
#include "dungeon/dungeon_json.h"
#include "dungeon/option_table.h"
#include "engine/model_dump.h"
#include "export/svg_export.h"
#include "export/uvtt_export.h"
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
  // A fresh dungeon every time, as delvora-cli starts from one.
  m_dungeon = std::make_unique<Dungeon>();
  const GenerateReport report =
      m_dungeon->generate(settings, DressingSource::fromFiles(m_dressingFiles));
  m_warnings = report.warnings;
  if (!report.ok()) {
    m_dungeon.reset();
    return report.error;
  }
  if (report.stairsShortfall > 0) {
    m_warnings.push_back("placed " + std::to_string(settings.stairs - report.stairsShortfall) +
                         " of " + std::to_string(settings.stairs) + " staircases");
  }
  for (const DeadEndMode mode : options.deadEnds) m_dungeon->cleanDeadEnds(mode);
  return "";
}

void WebSession::cleanDeadEnds(DeadEndMode mode) {
  if (!m_dungeon) return;
  m_dungeon->cleanDeadEnds(mode);
  m_options.deadEnds = m_dungeon->deadEnds();
}

bool WebSession::scaleFits(int pxPerGrid, int limit) const {
  const OptionRow& scale = *findOptionNamed("px-per-grid");
  return m_dungeon && pxPerGrid >= scale.low && pxPerGrid <= scale.high &&
         pictureSide(m_dungeon->settings(), pxPerGrid) <= limit;
}

const Bitmap& WebSession::picture(bool playerMap) const {
  return m_dungeon ? m_dungeon->picture(audience(playerMap)) : m_empty;
}

HoverText WebSession::hover(int x, int y) const {
  if (!m_dungeon) return {};
  return hoverText(m_dungeon->model(), m_dungeon->tables(), x, y);
}

std::string WebSession::dump() const {
  return m_dungeon ? toString(m_dungeon->model()) : std::string();
}

std::string WebSession::report() const {
  if (!m_dungeon) return "";
  std::vector<std::string> items =
      buildDressingReport(m_dungeon->model(), m_dungeon->tables(), m_dungeon->settings().title);
  // Without dressing delvora-cli writes the title block alone.
  if (!m_dungeon->settings().dressing) items.resize(1);
  return textFileBytes(items);
}

std::string WebSession::json() const {
  return m_dungeon ? dungeonJson(*m_dungeon) : std::string();
}

std::vector<std::uint8_t> WebSession::png(int pxPerGrid, bool playerMap) const {
  if (!scaleFits(pxPerGrid, kLargestPng)) return {};
  return pngBytes(picture(playerMap), pxPerGrid);
}

std::string WebSession::uvtt(int pxPerGrid, bool playerMap) const {
  if (!scaleFits(pxPerGrid, kLargestTabletopPicture)) return "";
  return uvttFile(*m_dungeon, audience(playerMap), pxPerGrid);
}

std::string WebSession::svg(const MapLook& look, bool playerMap) const {
  if (!m_dungeon) return "";
  return svgFile(*m_dungeon, audience(playerMap), look);
}

std::string WebSession::battleMap(const BattleMapOptions& options, bool playerMap) const {
  if (!m_dungeon) return "";
  return battleMapPdf(*m_dungeon, audience(playerMap), options);
}

FoundryFiles WebSession::foundry(int pxPerGrid, bool playerMap, const std::string& baseName) const {
  if (!scaleFits(pxPerGrid, kLargestTabletopPicture)) return {};
  const FoundryScene scene{m_dungeon->settings().title, pxPerGrid,
                           foundryBackgroundSource(baseName + ".json")};
  return foundryFiles(*m_dungeon, audience(playerMap), scene);
}

}  // namespace delvora
