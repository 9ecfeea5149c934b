#include "web/web_session.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "dressing/generate.h"
#include "dressing/report.h"
#include "engine/model_dump.h"
#include "export/foundry_export.h"
#include "export/scaled_png.h"
#include "export/uvtt_export.h"
#include "render/player_canvas.h"

namespace delvora {
namespace {

// Scratch files of the in-memory file system: the writers are the desktop's file writers, and
// their output is read back and removed.
constexpr const char* kScratchDir = "/tmp";

std::string readAndRemove(const std::string& path) {
  std::string bytes;
  {
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  std::remove(path.c_str());
  return bytes;
}

}  // namespace

struct WebSession::PlayerMap {
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  RasterCanvas raster;
  PlayerMapCanvas canvas{raster};
  DressingTables tables;
};

WebSession::WebSession() = default;
WebSession::~WebSession() = default;

std::string WebSession::generate(const Settings& settings) {
  m_settings = settings;
  m_deadEnds.clear();
  m_warnings.clear();
  m_player.reset();
  // A fresh model for every dungeon, as delvora-cli starts from one.
  m_model = std::make_unique<MapModel>();
  const GenerateResult result = generateDungeon(*m_model, m_settings, m_tables, m_canvas);
  m_warnings = result.load.warnings;
  if (!result.load.ok() || !result.generated) {
    m_model.reset();
    return result.load.ok() ? "the generation did not run" : result.load.error;
  }
  if (result.run.stairsShortfall > 0) {
    m_warnings.push_back("placed " + std::to_string(settings.stairs - result.run.stairsShortfall) +
                         " of " + std::to_string(settings.stairs) + " staircases");
  }
  return "";
}

void WebSession::cleanDeadEnds(DeadEndMode mode) {
  if (!m_model) return;
  m_deadEnds.push_back(mode);
  StepContext ctx{*m_model, m_settings, m_canvas};
  CleanDeadEnds(ctx, mode);
  if (m_player) {
    StepContext playerCtx{*m_player->model, m_settings, m_player->canvas};
    CleanDeadEnds(playerCtx, mode);
  }
}

HoverText WebSession::hover(int x, int y) const {
  if (!m_model) return {};
  return hoverText(*m_model, m_tables, x, y);
}

std::string WebSession::dump() const {
  return m_model ? toString(*m_model) : std::string();
}

std::string WebSession::report() const {
  if (!m_model) return "";
  std::vector<std::string> items = buildDressingReport(*m_model, m_tables, m_settings.title);
  // Without dressing delvora-cli writes the title block alone.
  if (!m_settings.dressing) items.resize(1);
  const std::string path = std::string(kScratchDir) + "/report.txt";
  if (!writeTextFile(path, items).empty()) return "";
  return readAndRemove(path);
}

const MapModel& WebSession::modelFor(bool playerMap) {
  if (!playerMap) return *m_model;
  if (!m_player) {
    m_player = std::make_unique<PlayerMap>();
    generateDungeon(*m_player->model, m_settings, m_player->tables, m_player->canvas);
    for (const DeadEndMode mode : m_deadEnds) {
      StepContext ctx{*m_player->model, m_settings, m_player->canvas};
      CleanDeadEnds(ctx, mode);
    }
  }
  return *m_player->model;
}

const Bitmap& WebSession::picture(bool playerMap) {
  if (!m_model) return m_canvas.bitmap();
  modelFor(playerMap);
  return playerMap ? m_player->raster.bitmap() : m_canvas.bitmap();
}

std::vector<std::uint8_t> WebSession::png(int pxPerGrid, bool playerMap) {
  std::vector<std::uint8_t> bytes;
  if (!m_model) return bytes;
  if (!encodeScaledPng(picture(playerMap), pxPerGrid, bytes).empty()) bytes.clear();
  return bytes;
}

std::string WebSession::uvtt(int pxPerGrid, bool playerMap) {
  if (!m_model) return "";
  const std::string path = std::string(kScratchDir) + "/map.dd2vtt";
  const MapModel& model = modelFor(playerMap);
  if (!writeUvtt(model, picture(playerMap), pxPerGrid, path).empty()) return "";
  return readAndRemove(path);
}

WebSession::FoundryFiles WebSession::foundry(int pxPerGrid, bool playerMap,
                                             const std::string& baseName) {
  FoundryFiles files;
  if (!m_model) return files;
  const std::string path = std::string(kScratchDir) + "/" + baseName + ".json";
  const MapModel& model = modelFor(playerMap);
  const FoundryScene scene{m_settings.title, pxPerGrid, ""};
  files.error = writeFoundryScene(model, picture(playerMap), scene, path);
  files.scene = readAndRemove(path);
  files.image = readAndRemove(foundryImagePath(path));
  return files;
}

}  // namespace delvora
