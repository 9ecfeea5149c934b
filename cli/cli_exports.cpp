#include "cli/cli_exports.h"

#include "export/foundry_export.h"
#include "export/foundry_journal.h"
#include "export/uvtt_export.h"
#include "export/wall_outline.h"
#include "render/png_writer.h"
#include "render/scaled_rows.h"

namespace delvora {

namespace {

SceneLighting lightingOf(const CliOptions& options) {
  return options.dark ? SceneLighting::Dark : SceneLighting::Lit;
}

// Walls as the tabletops count them: one per segment of the traced polylines.
int wallSegments(const MapModel& model) {
  std::vector<MapDoor> openings;
  for (const MapDoor& door : liveDoors(model)) {
    if (door.kind == 'N' || door.kind == 'A') openings.push_back(door);
  }
  int segments = 0;
  for (const WallPolyline& line : traceWalls(model, openings)) {
    segments += static_cast<int>(line.size()) - 1;
  }
  return segments;
}

int doorCount(const MapModel& model) {
  int doors = 0;
  for (const MapDoor& door : liveDoors(model)) doors += door.kind == 'A' ? 0 : 1;
  return doors;
}

}  // namespace

CliExports prepareExports(const CliOptions& options, const Dungeon& dungeon) {
  CliExports exports;
  const Audience audience = dungeon.drawnFor();
  const int scale = exportPxPerGrid(options);
  std::vector<std::uint8_t> picture;
  if (!options.uvttPath.empty() || !options.foundryPath.empty()) {
    picture = pngBytes(dungeon.picture(audience), scale);
  }
  if (!options.uvttPath.empty()) {
    exports.uvtt = uvttFile(dungeon, picture, scale, lightingOf(options));
  }
  if (!options.foundryPath.empty()) {
    const std::string& path = options.foundryPath;
    const std::string source = options.foundryImageSource.empty() ? foundryBackgroundSource(path)
                                                                  : options.foundryImageSource;
    const FoundryScene scene{options.settings.title, scale, source, lightingOf(options)};
    exports.foundryScene = foundrySceneFile(dungeon, audience, scene);
    exports.foundryImage = picture;
  }
  if (!options.journalPath.empty()) exports.journal = foundryJournal(dungeon);
  if (options.vtt != nullptr && !options.pngPath.empty()) {
    const int pngScale = pngPxPerGrid(options);
    exports.png = !picture.empty() && pngScale == scale
                      ? picture
                      : pngBytes(dungeon.picture(audience), pngScale);
  }
  return exports;
}

TabletopCheck checkExports(const CliOptions& options, const Dungeon& dungeon,
                           const CliExports& exports) {
  ExportCounts counts;
  const MapModel& model = dungeon.model();
  counts.walls = wallSegments(model);
  counts.doors = doorCount(model);
  const int scale = exportPxPerGrid(options);
  counts.pictureWidth = scaledLength(dungeon.picture().width(), scale);
  counts.pictureHeight = scaledLength(dungeon.picture().height(), scale);
  if (exports.png) {
    counts.files.push_back({options.pngPath, static_cast<std::int64_t>(exports.png->size())});
  }
  if (!options.uvttPath.empty()) {
    counts.files.push_back({options.uvttPath, static_cast<std::int64_t>(exports.uvtt.size())});
  }
  if (!options.foundryPath.empty()) {
    counts.files.push_back({foundryImagePath(options.foundryPath),
                            static_cast<std::int64_t>(exports.foundryImage.size())});
  }
  return checkTabletop(*options.vtt, counts);
}

}  // namespace delvora
