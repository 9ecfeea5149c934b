// The battle map through Qt's printing equals the battle map's own PDF, page for page.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "pdf_tools.h"
#include "print/battle_map/battle_map_pdf.h"
#include "print/qt/headless_print_ui.h"
#include "print/qt/print_commands.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

QGuiApplication& application() {
  static int argc = 1;
  static char name[] = "qt_battle_map_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  return app;
}

// Page `page` of a PDF at dpi as grey levels.
std::vector<unsigned char> greys(const std::string& pdf, int page, int dpi, const std::string& stem,
                                 int& width, int& height) {
  testing::runCommand("pdftoppm -gray -r " + std::to_string(dpi) + " -f " + std::to_string(page) +
                      " -l " + std::to_string(page) + " -singlefile '" + pdf + "' '" + stem + "'");
  std::ifstream in(stem + ".pgm", std::ios::binary);
  std::string magic;
  int max = 0;
  in >> magic >> width >> height >> max;
  in.get();
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(QtBattleMap, PrintsThePagesOfTheBattleMapPdf) {
  application();
  const testing::ScratchDir dir;
  Settings settings;
  settings.seed = 7;
  settings.title = "Crypt";
  const auto dungeon = testing::makeDungeon(settings, {.deadEnds = {DeadEndMode::Some}});
  for (const BattleMapOptions& options :
       {BattleMapOptions{},
        BattleMapOptions{SquareSize::Mm25_6, PaperSize::Letter, {MapStyle::Classic, true}}}) {
    const std::string ours = dir.file("ours.pdf");
    std::ofstream(ours, std::ios::binary) << battleMapPdf(*dungeon, Audience::GameMaster, options);
    PrintSession session;
    session.pdfPath = dir.file("qt.pdf");
    session.orientation = PageOrientation::Portrait;
    HeadlessPrintUi ui;
    printBattleMap(session, {*dungeon, std::nullopt}, options, ui);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
    EXPECT_EQ(session.orientation, PageOrientation::Portrait) << "the 25 mm print's is kept";

    const std::string pages = testing::pdfInfoField(ours, "Pages");
    ASSERT_EQ(testing::pdfInfoField(session.pdfPath, "Pages"), pages);
    // Qt gives its paper sizes in whole points.
    double ourWidth = 0, ourHeight = 0, qtWidth = 0, qtHeight = 0;
    std::sscanf(testing::pdfInfoField(ours, "Page size").c_str(), "%lf x %lf", &ourWidth,
                &ourHeight);
    std::sscanf(testing::pdfInfoField(session.pdfPath, "Page size").c_str(), "%lf x %lf", &qtWidth,
                &qtHeight);
    EXPECT_NEAR(qtWidth, ourWidth, 1);
    EXPECT_NEAR(qtHeight, ourHeight, 1);
    // The overview, the first map page and the last.
    for (const int page : {1, 2, std::stoi(pages)}) {
      int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
      const auto a = greys(ours, page, 30, dir.file("a"), w1, h1);
      const auto b = greys(session.pdfPath, page, 30, dir.file("b"), w2, h2);
      ASSERT_NEAR(w1, w2, 1);
      ASSERT_NEAR(h1, h2, 1);
      // Rasterisers and fonts differ a little at the edges of lines and letters only.
      std::size_t apart = 0;
      const int width = std::min(w1, w2);
      const int height = std::min(h1, h2);
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          apart += std::abs(a[std::size_t(y * w1 + x)] - b[std::size_t(y * w2 + x)]) > 64;
        }
      }
      EXPECT_LT(static_cast<double>(apart) / (double(width) * height), 0.01) << "page " << page;
    }
  }
}

}  // namespace
}  // namespace delvora
