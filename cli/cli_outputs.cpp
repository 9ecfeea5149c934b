#include "cli/cli_outputs.h"

#include <string>
#include <vector>

#include "cli/cli_exports.h"
#include "cli/dump_writer.h"
#include "cli/print_outputs.h"
#include "cli/progress_line.h"
#include "dressing/report.h"
#include "dungeon/dungeon_json.h"
#include "export/foundry_export.h"
#include "export/svg_export.h"
#include "files/atomic_file.h"
#include "print/battle_map/battle_map_pdf.h"
#include "render/png_writer.h"

namespace delvora {
namespace {

// The one place the command line writes a file: atomically, the message naming it on failure.
// Pictures are written unsynced: the sync took longer than the whole encoding (bench/,
// BM_WritePng), and a picture lost to a system crash is made again from its seed.
std::string writeOutput(const std::string& path, std::string_view bytes, std::string_view kind,
                        Durability durability = Durability::Synced) {
  const std::string error = writeFileAtomically(path, bytes, durability);
  if (error.empty()) return "";
  return "Cannot write " + std::string(kind) + " file " + path + ": " + error;
}

std::string writePngFile(const Bitmap& picture, int pxPerGrid, const std::string& path,
                         const RowProgress& progress = {}) {
  const std::string error =
      writeFileAtomically(path, Durability::Unsynced, [&](const FileSink& sink) {
        return encodePng(
            picture, pxPerGrid,
            [&sink](const std::uint8_t* data, std::size_t size) { return sink(data, size); },
            progress);
      });
  return error.empty() ? "" : "Cannot write PNG file " + path + ": " + error;
}

// "Save Dressing As" is only offered when the run dressed the map; without dressing the CLI
// still writes the title block so that a requested file always appears.
std::vector<std::string> reportItems(const Dungeon& dungeon, std::ostream& err) {
  std::vector<std::string> items =
      buildDressingReport(dungeon.model(), dungeon.tables(), dungeon.settings().title);
  if (!dungeon.settings().dressing) {
    err << "note: dressing is off; the report holds only the title\n";
    items.resize(1);
  }
  return items;
}

std::string writeReport(const Dungeon& dungeon, const std::string& path, std::ostream& err) {
  return saveTextFile(path, textFileBytes(reportItems(dungeon, err)));
}

std::string_view bytesOf(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::string writeUvtt(const CliExports& exports, const std::string& path) {
  if (exports.uvtt.empty()) return "Cannot write UVTT file " + path + ": the image is empty";
  return writeOutput(path, exports.uvtt, "JSON");
}

// The scene and its picture beside it; a message for each that failed.
std::string writeFoundry(const CliExports& exports, const std::string& path) {
  const std::string imagePath = foundryImagePath(path);
  const std::string imageError =
      exports.foundryImage.empty()
          ? "Cannot write PNG file " + imagePath + ": the image is empty"
          : writeOutput(imagePath, bytesOf(exports.foundryImage), "PNG", Durability::Unsynced);
  const std::string sceneError = writeOutput(path, exports.foundryScene, "JSON");
  if (!imageError.empty() && !sceneError.empty()) return imageError + "\n" + sceneError;
  return imageError.empty() ? sceneError : imageError;
}

// The dungeon document to path, or to standardOutput for "-".
std::string writeDungeonJson(const Dungeon& dungeon, const std::string& path,
                             std::ostream& standardOutput) {
  const std::string text = dungeonJson(dungeon);
  if (path != "-") return writeOutput(path, text, "JSON");
  standardOutput << text << std::flush;
  return standardOutput ? "" : "Cannot write the JSON to standard output";
}

}  // namespace

bool writeCliOutputs(const CliOptions& options, const Dungeon& dungeon, std::ostream& out,
                     std::ostream& err, bool errIsTerminal) {
  return writeCliOutputs(options, dungeon, prepareExports(options, dungeon), out, err,
                         errIsTerminal);
}

// Every output asked for is written, even after one fails, so each failure is reported.
bool writeCliOutputs(const CliOptions& options, const Dungeon& dungeon, const CliExports& exports,
                     std::ostream& out, std::ostream& err, bool errIsTerminal) {
  bool ok = true;
  const auto check = [&](const std::string& message) {
    if (message.empty()) return;
    err << message << '\n';
    ok = false;
  };
  if (exports.png) {
    check(exports.png->empty()
              ? "Cannot write PNG file " + options.pngPath + ": the image is empty"
              : writeOutput(options.pngPath, bytesOf(*exports.png), "PNG", Durability::Unsynced));
  } else if (!options.pngPath.empty()) {
    ProgressLine progress(err, options.pngPath, errIsTerminal);
    check(writePngFile(dungeon.picture(), pngPxPerGrid(options), options.pngPath,
                       [&progress](int done, int rows) { progress.update(done, rows); }));
    progress.finish();
  }
  if (!options.uvttPath.empty()) check(writeUvtt(exports, options.uvttPath));
  if (!options.foundryPath.empty()) check(writeFoundry(exports, options.foundryPath));
  if (!options.journalPath.empty()) {
    check(writeOutput(options.journalPath, exports.journal, "JSON"));
  }
  if (!options.svgPath.empty()) {
    check(writeOutput(options.svgPath, svgFile(dungeon, dungeon.drawnFor(), vectorLook(options)),
                      "SVG"));
  }
  if (!options.battleMapPath.empty()) {
    check(writeOutput(options.battleMapPath,
                      battleMapPdf(dungeon, dungeon.drawnFor(), battleMapOptions(options)), "PDF"));
  }
  if (!options.jsonPath.empty()) check(writeDungeonJson(dungeon, options.jsonPath, out));
  if (!options.reportPath.empty()) check(writeReport(dungeon, options.reportPath, err));
  if (!options.dumpPath.empty()) check(writeDump(dungeon.model(), options.dumpPath, out));
  for (const std::string& message : writePrintOutputs(options.print, dungeon)) check(message);
  return ok;
}

}  // namespace delvora
