#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pdf_tools.h"
#include "tests/support/scratch_dir.h"

namespace {

using delvora::testing::pdfInfoField;
using delvora::testing::runCommand;

// A page rendered by pdftoppm as a binary PPM.
struct Picture : delvora::testing::RenderedPage {
  // Share of pixels within 24 of (r, g, b) on every channel.
  double share(int r, int g, int b) const {
    std::size_t near = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
      if (std::abs(rgb[i] - r) <= 24 && std::abs(rgb[i + 1] - g) <= 24 &&
          std::abs(rgb[i + 2] - b) <= 24) {
        ++near;
      }
    }
    return rgb.empty() ? 0.0 : static_cast<double>(near) / static_cast<double>(rgb.size() / 3);
  }
};

Picture renderPage(const std::string& pdf, int page, const std::string& stem) {
  return Picture{delvora::testing::renderPdfPage(pdf, page, 20, stem)};
}

class CliPdf : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return dir.file(name); }

  delvora::testing::ScratchDir dir;
};

TEST_F(CliPdf, ThreePrintoutsOfOneRun) {
  // No display: the CLI picks the offscreen platform itself.
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" DELVORA_CLI
                              "' --map-size 800x600 --title Crypt --dead-ends some"
                              " --print-map '" +
                              path("map.pdf") + "' --print-25mm '" + path("25mm.pdf") +
                              "' --print-dressing '" + path("dressing.pdf") + "' 2>&1";
  const std::string output = runCommand(command);
  ASSERT_EQ(output.find("exit status"), std::string::npos) << output;

  EXPECT_EQ(pdfInfoField(path("map.pdf"), "Pages"), "1");
  EXPECT_EQ(pdfInfoField(path("map.pdf"), "Page size"), "842 x 595 pts (A4)");
  const Picture fitted = renderPage(path("map.pdf"), 1, path("map"));
  ASSERT_GT(fitted.width, fitted.height);
  // The map's rock covers a good part of the landscape page; white rooms and margins the rest.
  EXPECT_GT(fitted.share(204, 204, 153), 0.3);
  EXPECT_GT(fitted.share(255, 255, 255), 0.1);

  const int pages = std::atoi(pdfInfoField(path("25mm.pdf"), "Pages").c_str());
  EXPECT_GT(pages, 4);
  EXPECT_EQ(pdfInfoField(path("25mm.pdf"), "Page size"), "595 x 842 pts (A4)");
  const Picture corner = renderPage(path("25mm.pdf"), 1, path("corner"));
  EXPECT_GT(corner.share(204, 204, 153) + corner.share(192, 192, 128), 0.5)
      << "the first page shows the rock at the map's corner";
  const std::string label = runCommand("pdftotext -f 1 -l 1 '" + path("25mm.pdf") + "' -");
  EXPECT_NE(label.find("Delvora Demo - Crypt Page 1 : 1"), std::string::npos) << label;

  EXPECT_GE(std::atoi(pdfInfoField(path("dressing.pdf"), "Pages").c_str()), 1);
  const std::string text = runCommand("pdftotext '" + path("dressing.pdf") + "' -");
  EXPECT_EQ(text.find("Delvora Demo - Crypt"), 0u) << text;
  EXPECT_NE(text.find("Door(s):"), std::string::npos);
}

TEST_F(CliPdf, UntitledMapPrintsTheWindowsCaption) {
  const std::string output = runCommand("'" DELVORA_CLI
                                        "' --map-size 640x480 --iterations 100"
                                        " --print-dressing '" +
                                        path("untitled.pdf") + "' 2>&1");
  ASSERT_EQ(output.find("exit status"), std::string::npos) << output;
  const std::string text = runCommand("pdftotext '" + path("untitled.pdf") + "' -");
  EXPECT_EQ(text.find("Delvora Demo - Untitled\n"), 0u) << text;
}

TEST_F(CliPdf, UnwritablePdfFails) {
  const std::string output =
      runCommand("'" DELVORA_CLI "' --print-dressing '" + path("missing/dir/x.pdf") + "' 2>&1");
  EXPECT_NE(output.find("Cannot create file " + path("missing/dir/x.pdf")), std::string::npos)
      << output;
  EXPECT_NE(output.find("exit status"), std::string::npos) << output;
}

}  // namespace
