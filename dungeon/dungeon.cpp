#include "dungeon/dungeon.h"

#include "dressing/edit_round_trip.h"
#include "dungeon/generate.h"
#include "render/player_canvas.h"
#include "render/raster_canvas.h"

namespace delvora {

// The raster and the canvas a run draws on for one audience.
struct Dungeon::Drawing {
  explicit Drawing(Audience audience) {
    if (audience == Audience::Players) players = std::make_unique<PlayerMapCanvas>(raster);
  }
  Canvas& canvas() { return players ? static_cast<Canvas&>(*players) : raster; }

  RasterCanvas raster;
  std::unique_ptr<PlayerMapCanvas> players;
};

Dungeon::Dungeon()
    : m_model(std::make_unique<MapModel>()),
      m_drawing(std::make_unique<Drawing>(Audience::GameMaster)) {}

Dungeon::~Dungeon() = default;

GenerateReport Dungeon::generate(const Settings& settings, Audience drawnFor) {
  return generate(settings, DressingSource::fromFolder(settings.dressingDir), drawnFor);
}

GenerateReport Dungeon::generate(const Settings& settings, const DressingSource& source,
                                 Audience drawnFor, const std::function<void()>& processMessages) {
  m_entry = {};
  return run(settings, source, drawnFor, processMessages);
}

GenerateReport Dungeon::generateLevel(const Settings& settings, const DressingSource& source,
                                      const LevelEntry& entry, Audience drawnFor) {
  m_entry = entry;
  return run(settings, source, drawnFor, {});
}

GenerateReport Dungeon::run(const Settings& settings, const DressingSource& source,
                            Audience drawnFor, const std::function<void()>& processMessages) {
  m_settings = settings;
  m_source = source;
  m_deadEnds.clear();
  m_other.reset();
  m_generated = false;
  if (drawnFor != m_drawnFor) m_drawing = std::make_unique<Drawing>(drawnFor);
  m_drawnFor = drawnFor;
  m_model->clearMapLists();
  RunHooks hooks;
  hooks.processMessages = processMessages;
  const GenerateResult result = generateDungeon(*m_model, m_settings, m_source, m_tables,
                                                m_drawing->canvas(), hooks, m_entry);
  GenerateReport report;
  report.warnings = result.load.warnings;
  report.error = result.load.error;
  if (report.ok() && !result.generated) report.error = "the generation did not run";
  report.stairsShortfall = result.run.stairsShortfall;
  m_generated = report.ok();
  return report;
}

void Dungeon::cleanDeadEnds(DeadEndMode mode, const std::function<void()>& processMessages) {
  if (!m_generated) return;
  m_deadEnds.push_back(mode);
  StepContext ctx{*m_model, m_settings, m_drawing->canvas()};
  CleanDeadEnds(ctx, mode, processMessages);
  if (m_other) m_other->cleanDeadEnds(mode);
}

LoadResult Dungeon::reloadDressing(const DressingSource& source) {
  return AddFluff(m_tables, m_model->random, source);
}

std::string Dungeon::readEditedDressing(const std::string& path) {
  return ReWriteFluff(*m_model, m_tables, path);
}

void Dungeon::close() {
  m_model->clearMapLists();
}

const Bitmap& Dungeon::picture() const {
  return m_drawing->raster.bitmap();
}

const Bitmap& Dungeon::picture(Audience audience) const {
  if (audience == m_drawnFor || !m_generated) return picture();
  if (!m_other) {
    m_other = std::make_unique<Dungeon>();
    m_other->generateLevel(m_settings, m_source, m_entry, audience);
    for (const DeadEndMode mode : m_deadEnds) m_other->cleanDeadEnds(mode);
  }
  return m_other->picture();
}

std::string Dungeon::caption() const {
  if (!m_levelName.empty()) return mapCaption(m_settings.title) + " - " + m_levelName;
  return mapCaption(m_settings.title);
}

}  // namespace delvora
