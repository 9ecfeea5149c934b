#include "print/print_layout.h"

#include <gtest/gtest.h>

#include "print/page_metrics.h"

namespace delvora {
namespace {

TEST(PageMetrics, DerivesEqualMarginsAndUsableArea) {
  DeviceCaps caps;
  caps.offsetX = 100;
  caps.offsetY = 60;
  caps.paperWidth = 5100;
  caps.paperHeight = 6600;
  caps.printableWidth = 4800;
  caps.printableHeight = 6400;
  caps.pixelsPerInchX = 600;
  caps.pixelsPerInchY = 600;
  const std::optional<PageMetrics> m = pageMetrics(caps);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->rightMargin, 200);
  EXPECT_EQ(m->bottomMargin, 140);
  EXPECT_EQ(m->equalMargin, 200);
  EXPECT_EQ(m->usableWidth, 4700);
  EXPECT_EQ(m->usableHeight, 6200);
  EXPECT_EQ(m->originShiftX, 100);
  EXPECT_EQ(m->originShiftY, 140);
}

TEST(PageMetrics, UnknownPaperSizeIsThePrintableSize) {
  DeviceCaps caps;
  caps.printableWidth = 4000;
  caps.printableHeight = 3000;
  caps.pixelsPerInchX = caps.pixelsPerInchY = 300;
  const std::optional<PageMetrics> m = pageMetrics(caps);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->paperWidth, 4000);
  EXPECT_EQ(m->equalMargin, 0);
  EXPECT_EQ(m->usableHeight, 3000);
  caps.pixelsPerInchY = 0;
  EXPECT_FALSE(pageMetrics(caps)) << "a failed resolution query";
  caps.pixelsPerInchY = 300;
  caps.offsetX = 2000;  // margins swallow the page
  EXPECT_FALSE(pageMetrics(caps));
}

TEST(MapPrintLayout, BattleMatScalePageCount) {
  const PrintedSize printed = scaledPrintSize(800, 600, 600, 600);
  EXPECT_EQ(printed.width, 30236);
  EXPECT_EQ(printed.height, 22677);
  const PageGrid grid = pageGrid(printed, 4800, 6600);
  EXPECT_EQ(grid.across, 7);
  EXPECT_EQ(grid.down, 4);
  EXPECT_EQ(pageGrid({4800, 6600}, 4800, 6600).across, 1) << "an exact fit needs no extra page";
  EXPECT_EQ(pageDestination(printed, 3, 2, 4800, 6600), (DeviceRect{-9600, -6600, 30236, 22677}));
}

TEST(MapPrintLayout, LabelsAndProgressTexts) {
  EXPECT_EQ(pageLabel("Delvora Demo - Crypt", 7, 4), "Delvora Demo - Crypt Page 7 : 4");
  EXPECT_EQ(pageProgressText(2, 3, 0), "Printing Page 2:3 - 0%");
  EXPECT_EQ(pageProgressText(2, 3, 66), "Printing Page 2:3 - 66%");
  EXPECT_EQ(progressPercent(2, 3), 66u);
  EXPECT_EQ(progressPercent(9, 9), 100u);
  EXPECT_EQ(progressPercent(0, 0), 0u);
  EXPECT_EQ(progressPercent(4000000000u, 4000000000u), 100u) << "unsigned, not negative";
}

TEST(MapPrintLayout, FittedImageSpansTheMiddleOfThePage) {
  const DeviceRect rect = fittedImageRect(7015, 100, 800, 600);
  EXPECT_EQ(rect.x, 702);  // 701.5 rounded
  EXPECT_EQ(rect.width, 5612);
  EXPECT_EQ(rect.y, 300);
  EXPECT_EQ(rect.height, 4209);  // 5612 * 600 div 800
  EXPECT_EQ(fittedImageRect(1000, 10, 100, 1000).height, 8000) << "tall maps run off the page";
  EXPECT_EQ(centreX(1000, 301), 349);
}

TEST(MapPrintLayout, SettingsFooter) {
  Settings settings;
  settings.mapSizeIndex = MapSizeIndex::Size800x600;
  settings.iterations = 250;
  settings.roomSize = RoomSize::Medium;
  settings.corridorStyle = CorridorStyle::VeryTwisty;
  EXPECT_EQ(settingsFooter(settings, {2024, 3, 7, 9, 5}),
            "Size - 800x600 Iterations - 250  Room Size - Medium  Corridors - Very Twisty"
            "         Delvora dungeon generator  3/7/24  9:05");
  settings.mapSizeIndex = MapSizeIndex::Size1280x1024;
  settings.roomSize = RoomSize::Tiny;
  settings.corridorStyle = CorridorStyle::Straight;
  EXPECT_EQ(settingsFooter(settings, {2031, 12, 25, 23, 59}),
            "Size - 1280x1024 Iterations - 250  Room Size - Tiny  Corridors - Straight"
            "         Delvora dungeon generator  12/25/31  23:59");
}

TEST(MapPrintLayout, PdfFileStemFromTheTitle) {
  // "\xC3\xA9" is an e with an acute accent in UTF-8.
  const std::string accented = std::string(99, 'a') + "\xC3\xA9";
  const struct {
    const char* title;
    std::string stem;
  } cases[] = {
      {"The Sunken Vault", "The Sunken Vault"},
      {"", "Delvora"},
      {"   ", "Delvora"},
      {"  Crypt  ", "Crypt"},
      {"../../etc/passwd", "-..-etc-passwd"},
      {".hidden", "hidden"},
      {"Tab\there\nand there", "Tab-here-and there"},
      {accented.c_str(), std::string(99, 'a')},
  };
  for (const auto& c : cases)
    EXPECT_EQ(pdfFileStem(c.title), c.stem) << "title '" << c.title << "'";
  EXPECT_EQ(pdfFileStem(std::string(300, 'x')), std::string(100, 'x'));
}

TEST(MapPrintLayout, ResultMessages) {
  EXPECT_EQ(printResultMessage(PrintResult::Stopped), "User Aborted!");
  EXPECT_EQ(printResultMessage(PrintResult::WriteFailed), "Memory Write Failed");
  EXPECT_EQ(printResultMessage(PrintResult::ReadFailed), "Memory Read Failed");
  EXPECT_EQ(printResultMessage(PrintResult::AllocationFailed), "Memory Allocation Failed");
  EXPECT_EQ(printResultMessage(PrintResult::BadParameter), "Bad Parameter");
  EXPECT_EQ(printResultMessage(static_cast<PrintResult>(-9)), "");
}

}  // namespace
}  // namespace delvora
