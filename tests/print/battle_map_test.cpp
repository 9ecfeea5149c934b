// The battle map: its page arithmetic, its PDF's pages and labels, and a page as printed: grid
// squares an inch apart and little ink.
#include "print/battle_map/battle_map_pdf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

#include "export/map_drawing.h"
#include "pdf_tools.h"
#include "print/battle_map/battle_map_pages.h"
#include "print/battle_map/helvetica.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

// A map of width x height pixels whose floor fills the squares given as (column, row).
TracedMap floorSquares(int width, int height, const std::vector<std::pair<int, int>>& squares) {
  TracedMap traced;
  traced.squaresAcross = width / kGridSize;
  traced.squaresDown = height / kGridSize;
  traced.floorSquares.assign(
      static_cast<std::size_t>(traced.squaresAcross) * static_cast<std::size_t>(traced.squaresDown),
      0);
  for (const auto& [column, row] : squares) {
    traced.floorSquares[static_cast<std::size_t>(row) *
                            static_cast<std::size_t>(traced.squaresAcross) +
                        static_cast<std::size_t>(column)] = 1;
  }
  return traced;
}

// A block of floor from square (c0, r0) to (c1, r1), inclusive.
std::vector<std::pair<int, int>> block(int c0, int r0, int c1, int r1) {
  std::vector<std::pair<int, int>> squares;
  for (int r = r0; r <= r1; ++r) {
    for (int c = c0; c <= c1; ++c) squares.push_back({c, r});
  }
  return squares;
}

std::vector<std::string> labels(const BattleMapLayout& layout, bool kept) {
  std::vector<std::string> out;
  for (const BattlePage& page : layout.pages) {
    if (page.kept == kept) out.push_back(page.label);
  }
  return out;
}

TEST(BattleMapLayout, PagesFollowTheArithmetic) {
  // A4 portrait holds 190 x 277 mm of map; each further page adds that less the 10 mm overlap.
  static const struct {
    const char* name;
    std::vector<std::pair<int, int>> floor;
    BattleMapOptions options;
    int across;
    int down;
    bool landscape;
  } cases[] = {
      // 4 x 4 squares and a square around: 6 inches square, one page.
      {"one page", block(10, 10, 13, 13), {}, 1, 1, false},
      // 8 squares and 2 around are 10 in = 254 mm: wider than 190 mm, so 2 across; landscape
      // would need 2 down, and a tie stays portrait.
      {"two across", block(10, 10, 17, 17), {}, 2, 1, false},
      // 28 squares high and 2 around: 30 in = 762 mm = 277 + 2 x 267 - 49, so 3 down.
      {"three down", block(10, 2, 13, 29), {}, 1, 3, false},
      // 10 x 6 squares: landscape (277 mm wide) takes one page where portrait takes two.
      {"landscape", block(10, 10, 17, 13), {}, 1, 1, true},
      // At 25.6 mm a square the same floor still fits one landscape page of Letter.
      {"letter, 25.6 mm",
       block(10, 10, 17, 13),
       {SquareSize::Mm25_6, PaperSize::Letter, {}},
       1,
       1,
       true},
  };
  for (const auto& c : cases) {
    const TracedMap traced = floorSquares(1280, 1024, c.floor);
    const BattleMapLayout layout = battleMapLayout(traced, 1280, 1024, c.options);
    EXPECT_EQ(layout.across, c.across) << c.name;
    EXPECT_EQ(layout.down, c.down) << c.name;
    EXPECT_EQ(layout.landscape, c.landscape) << c.name;
    ASSERT_EQ(layout.pages.size(), static_cast<std::size_t>(c.across * c.down)) << c.name;
    // The windows step by their size less the overlap and cover the printed part.
    const BattlePage& last = layout.pages.back();
    EXPECT_GE(last.window.right(), layout.printed.right() - 1e-6) << c.name;
    EXPECT_GE(last.window.bottom(), layout.printed.bottom() - 1e-6) << c.name;
    if (c.across > 1) {
      EXPECT_NEAR(layout.pages[1].window.x - layout.pages[0].window.x,
                  layout.pages[0].window.width - layout.overlap, 1e-9);
    }
  }
}

TEST(BattleMapLayout, LabelsRowsByLetterAndColumnsByNumber) {
  // Floor in the top-left and bottom-right corners of 20 x 30 squares: a 3 x 3 grid of pages.
  std::vector<std::pair<int, int>> floor = block(1, 1, 2, 2);
  const std::vector<std::pair<int, int>> far = block(17, 27, 18, 28);
  floor.insert(floor.end(), far.begin(), far.end());
  const BattleMapLayout layout = battleMapLayout(floorSquares(640, 480, floor), 640, 480, {});
  ASSERT_EQ(layout.across, 3);
  ASSERT_EQ(layout.down, 3);
  EXPECT_FALSE(layout.landscape) << "nine pages either way";
  EXPECT_EQ(labels(layout, true), (std::vector<std::string>{"A1", "C3"}));
  EXPECT_EQ(labels(layout, false),
            (std::vector<std::string>{"A2", "A3", "B1", "B2", "B3", "C1", "C2"}));
  EXPECT_EQ(leftOutPages(layout), "A2, A3, B1, B2, B3, C1, C2");
  EXPECT_EQ(layout.pageOf(40, 40), "A1");
  EXPECT_EQ(layout.pageOf(280, 440), "C3");
  EXPECT_EQ(layout.pageOf(200, 200), "") << "a page left out";
  for (const auto& [row, letters] : std::vector<std::pair<int, std::string>>{
           {0, "A"}, {25, "Z"}, {26, "AA"}, {27, "AB"}, {701, "ZZ"}, {702, "AAA"}}) {
    EXPECT_EQ(rowLetters(row), letters) << row;
  }
}

TEST(BattleMapLayout, ScaleIsTheSquareSize) {
  EXPECT_DOUBLE_EQ(pointsPerPixel(SquareSize::Inch) * kGridSize, 72);
  EXPECT_NEAR(pointsPerPixel(SquareSize::Mm25_6) * kGridSize / kPointsPerMm, 25.6, 1e-9);
  EXPECT_NEAR(paperBox(PaperSize::A4).width / kPointsPerMm, 210, 1e-9);
  EXPECT_DOUBLE_EQ(paperBox(PaperSize::Letter).height, 792);
}

TEST(Helvetica, WidthsAndEncoding) {
  EXPECT_DOUBLE_EQ(helveticaWidth("10", false), 1.112);
  EXPECT_DOUBLE_EQ(helveticaWidth("Wi", true), 0.944 + 0.278);
  EXPECT_EQ(winAnsiText("Caf\xc3\xa9 \xe2\x82\xac \xe2\x98\x83"), "Caf\xe9 \x80 ?");
}

// A rendered page as pdftoppm writes it.
struct Page : testing::RenderedPage {
  bool white(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)) *
                          3;
    return rgb[i] == 255 && rgb[i + 1] == 255 && rgb[i + 2] == 255;
  }
  // The grey of a grid line, not wall black nor paper white.
  bool grey(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)) *
                          3;
    return rgb[i] >= 110 && rgb[i] <= 215;
  }
};

Page renderPage(const std::string& pdf, int page, int dpi, const std::string& stem) {
  return Page{testing::renderPdfPage(pdf, page, dpi, stem)};
}

// Centres of the lines of grid grey across one direction of box (x0, y0)-(x1, y1): columns (or
// rows) where much of the box is grey, neighbours merged.
std::vector<double> gridLines(const Page& page, int x0, int y0, int x1, int y1, bool vertical) {
  std::vector<int> counts;
  const int from = vertical ? x0 : y0;
  const int to = vertical ? x1 : y1;
  for (int a = from; a < to; ++a) {
    int count = 0;
    for (int b = vertical ? y0 : x0; b < (vertical ? y1 : x1); ++b) {
      if (vertical ? page.grey(a, b) : page.grey(b, a)) ++count;
    }
    counts.push_back(count);
  }
  const int span = (vertical ? y1 - y0 : x1 - x0);
  std::vector<double> lines;
  for (std::size_t i = 0; i < counts.size();) {
    if (counts[i] < span / 8) {
      ++i;
      continue;
    }
    double sum = 0;
    double weight = 0;
    for (; i < counts.size() && counts[i] >= span / 8; ++i) {
      sum += (from + static_cast<double>(i) + 0.5) * counts[i];
      weight += counts[i];
    }
    lines.push_back(sum / weight);
  }
  return lines;
}

class BattleMapPdf : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Settings settings;
    dungeon = testing::makeDungeon(settings).release();
    drawing = new MapDrawing(mapDrawing(*dungeon, Audience::GameMaster));
    layout = new BattleMapLayout(
        battleMapLayout(drawing->traced, drawing->width, drawing->height, BattleMapOptions{}));
    std::ofstream(dir->file("bm.pdf"), std::ios::binary)
        << battleMapPdf(*dungeon, Audience::GameMaster, {});
  }
  static void TearDownTestSuite() {
    delete layout;
    delete drawing;
    delete dungeon;
    delete dir;
  }
  static std::string path() { return dir->file("bm.pdf"); }

  static inline Dungeon* dungeon = nullptr;
  static inline MapDrawing* drawing = nullptr;
  static inline BattleMapLayout* layout = nullptr;
  static inline testing::ScratchDir* dir = new testing::ScratchDir;
};

// The overview, then one page per kept page in row order, each headed by its label; the
// overview names the pages left out.
TEST_F(BattleMapPdf, PagesAndLabelsFollowTheLayout) {
  const std::vector<std::string> kept = labels(*layout, true);
  ASSERT_FALSE(kept.empty());
  EXPECT_EQ(testing::pdfInfoField(path(), "Pages"), std::to_string(kept.size() + 1));
  EXPECT_EQ(testing::pdfInfoField(path(), "Page size"),
            layout->landscape ? "841.89 x 595.276 pts (A4)" : "595.276 x 841.89 pts (A4)");
  EXPECT_EQ(testing::runCommand("pdfinfo '" + path() + "' 2>&1 >/dev/null"), "")
      << "poppler reads the file without complaint";
  const std::string overview =
      testing::runCommand("pdftotext -f 1 -l 1 -layout '" + path() + "' -");
  EXPECT_NE(overview.find("Delvora Demo - Untitled"), std::string::npos) << overview;
  const std::string leftOut = leftOutPages(*layout);
  ASSERT_FALSE(leftOut.empty()) << "the default map has pages of rock only";
  EXPECT_NE(overview.find("nothing but rock: " + leftOut), std::string::npos) << overview;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    // The label begins the top line.
    std::istringstream text(testing::runCommand("pdftotext -layout -f " + std::to_string(i + 2) +
                                                " -l " + std::to_string(i + 2) + " '" + path() +
                                                "' -"));
    std::string first;
    text >> first;
    EXPECT_EQ(first, kept[i]) << "page " << i + 2;
  }
  // The room key gives each room the page its number is on.
  EXPECT_NE(overview.find("Rooms and the pages"), std::string::npos);
  const RoomLabel& first = drawing->labels.front();
  EXPECT_NE(overview.find("1 " + layout->pageOf(first.room.left + 11, first.room.top + 12)),
            std::string::npos);
}

// At 300 dots per inch the grid's lines are 300 dots apart all over the page's own part, within
// half a millimetre, and the ink style leaves most of the page white.
TEST_F(BattleMapPdf, PrintsInchSquaresWithLittleInk) {
  // The kept page whose window holds the most floor squares.
  std::size_t best = 0;
  int bestSquares = -1;
  int pageNumber = 1;
  int bestNumber = 0;
  for (std::size_t i = 0; i < layout->pages.size(); ++i) {
    const BattlePage& page = layout->pages[i];
    if (!page.kept) continue;
    ++pageNumber;
    int squares = 0;
    for (int r = int(page.window.y) / kGridSize; r < int(page.window.bottom()) / kGridSize; ++r) {
      for (int c = int(page.window.x) / kGridSize; c < int(page.window.right()) / kGridSize; ++c) {
        squares += drawing->traced.floorInSquare(c, r);
      }
    }
    if (squares > bestSquares) {
      bestSquares = squares;
      best = i;
      bestNumber = pageNumber;
    }
  }
  const Page page = renderPage(path(), bestNumber, 300, dir->file("page"));
  ASSERT_GT(page.width, 2000);
  std::size_t inked = 0;
  for (int y = 0; y < page.height; ++y) {
    for (int x = 0; x < page.width; ++x) inked += !page.white(x, y);
  }
  const double share = static_cast<double>(inked) / (double(page.width) * page.height);
  EXPECT_LT(share, 0.15) << "page " << layout->pages[best].label;

  // The page's own part, in dots: the content box less the overlap strips.
  const double dots = 300.0 / 72;
  const Box& c = layout->content;
  const double strip = layout->overlap * layout->scale;
  const int x0 = int((c.x + 2) * dots);
  const int y0 = int((c.y + 2) * dots);
  const int x1 = int((c.right() - strip - 2) * dots);
  const int y1 = int((c.bottom() - strip - 2) * dots);
  const double tolerance = 0.5 / 25.4 * 300;
  for (const bool vertical : {true, false}) {
    const std::vector<double> lines = gridLines(page, x0, y0, x1, y1, vertical);
    ASSERT_GE(lines.size(), 5u) << (vertical ? "vertical" : "horizontal");
    EXPECT_GT(lines.back() - lines.front(), 4 * 300.0);
    for (const double line : lines) {
      const double inches = (line - lines.front()) / 300;
      EXPECT_NEAR(line - lines.front(), std::round(inches) * 300, tolerance)
          << (vertical ? "vertical" : "horizontal") << " line at " << line;
    }
  }
}

TEST(BattleMapPdfFile, SameDungeonSameBytesAndLargestWithinLimits) {
  Settings settings;
  settings.seed = 7;
  const auto dungeon = testing::makeDungeon(settings);
  const std::string pdf = battleMapPdf(*dungeon, Audience::GameMaster, {});
  EXPECT_EQ(pdf, battleMapPdf(*dungeon, Audience::GameMaster, {}));
  EXPECT_TRUE(pdf.starts_with("%PDF-1.4\n"));
  EXPECT_TRUE(pdf.ends_with("%%EOF\n"));
}

}  // namespace
}  // namespace delvora
