#include <gtest/gtest.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <QPrinterInfo>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pdf_tools.h"

#include "print/qt/print_commands.h"
#include "print/qt/printer_setup.h"
#include "render/clip_image.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

using delvora::testing::pdfInfoField;
using delvora::testing::runCommand;

QGuiApplication& application() {
  static int argc = 1;
  static char name[] = "print_qt_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  return app;
}

// Answers like a user who never cancels, and remembers what was shown.
class FakeUi final : public PrintUi {
 public:
  void showMessage(const std::string& text) override { messages.push_back(text); }
  std::string askPdfFileName(const PdfFileQuestion& question) override {
    ++asked;
    questions.push_back(question.command + " / " + question.suggestedName);
    return askAnswer;
  }
  bool createAbortDialog() override {
    if (dialogFails) return false;
    ++dialogsOpen;
    return true;
  }
  void setAbortText(const std::string& text) override { texts.push_back(text); }
  bool abortCancelled() override { return ++cancelChecks == cancelAtCheck; }
  void closeAbortDialog() override { --dialogsOpen; }
  void processEvents() override {}
  void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
  void setWindowEnabled(bool enabled) override { enabledChanges.push_back(enabled); }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<std::string> texts;
  std::vector<bool> enabledChanges;
  std::string askAnswer;
  int asked = 0;
  int dialogsOpen = 0;
  bool dialogFails = false;
  int cancelChecks = 0;
  int cancelAtCheck = -1;
  int busyDepth = 0;
};

class QtPrint : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    application();
    Settings settings;
    settings.mapSizeIndex = MapSizeIndex::Size640x480;
    settings.title = "Test";
    dungeon = testing::makeDungeon(settings);
    ASSERT_TRUE(dungeon->generated());
  }
  static void TearDownTestSuite() { dungeon.reset(); }
  void SetUp() override {
    unsetenv("DELVORA_PRINT_PDF");
    session.pdfPath = dir.file("out.pdf");
  }

  PrintSource source() const { return {*dungeon, FooterTime{2024, 3, 7, 9, 5}}; }
  // Pages the 25 mm print of the test map needs on an A4 PDF page.
  int expectedPages(bool landscape) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(kPdfResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (landscape) printer.setPageOrientation(QPageLayout::Landscape);
    const PageMetrics metrics = *pageMetrics(printerCaps(printer));
    const Bitmap clip = ClipImage(dungeon->model().grid, dungeon->picture());
    const PageGrid grid = pageGrid(scaledPrintSize(clip.width(), clip.height(), 600, 600),
                                   metrics.usableWidth, metrics.usableHeight);
    return grid.across * grid.down;
  }

  static inline std::unique_ptr<Dungeon> dungeon;
  testing::ScratchDir dir;
  PrintSession session;
  FakeUi ui;
};

TEST_F(QtPrint, BattleMatPrintWritesEveryPage) {
  printMap25mm(session, source(), ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Printing Completed!"});
  EXPECT_EQ(ui.dialogsOpen, 0);
  EXPECT_EQ(ui.enabledChanges, (std::vector<bool>{false, true}));
  EXPECT_FALSE(session.printing);
  EXPECT_EQ(session.tiler.tileMode, TileMode::ExactFit);
  const int pages = expectedPages(false);
  EXPECT_GT(pages, 1);
  EXPECT_EQ(pdfInfoField(session.pdfPath, "Pages"), std::to_string(pages));
  EXPECT_EQ(pdfInfoField(session.pdfPath, "Page size"), "595 x 842 pts (A4)");
  ASSERT_FALSE(ui.texts.empty());
  EXPECT_EQ(ui.texts.front(), "Printing Page 1:1 - 0%");
  EXPECT_EQ(ui.texts.back().substr(ui.texts.back().size() - 7), " - 100%");
}

TEST_F(QtPrint, CancelBetweenPagesAndDuringAPageDiscardTheJob) {
  const struct {
    int cancelAt;
    const char* message;
  } cases[] = {{1, "Printing Aborted!"}, {2, "User Aborted!"}, {3, "User Aborted!"}};
  for (const auto& c : cases) {
    FakeUi cancelling;
    cancelling.cancelAtCheck = c.cancelAt;
    printMap25mm(session, source(), cancelling);
    EXPECT_EQ(cancelling.messages, std::vector<std::string>{c.message}) << "check " << c.cancelAt;
    EXPECT_EQ(cancelling.dialogsOpen, 0);
    EXPECT_EQ(cancelling.enabledChanges.back(), true);
    EXPECT_FALSE(std::filesystem::exists(session.pdfPath)) << "check " << c.cancelAt;
  }
}

TEST_F(QtPrint, BattleMatPrintRefusals) {
  session.printing = true;
  printMap25mm(session, source(), ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Already printing... Please try again later!"});
  EXPECT_TRUE(ui.enabledChanges.empty());

  session.printing = false;
  FakeUi noDialog;
  noDialog.dialogFails = true;
  printMap25mm(session, source(), noDialog);
  EXPECT_EQ(noDialog.messages, std::vector<std::string>{"Abort dialog could not be created!"});
  EXPECT_FALSE(std::filesystem::exists(session.pdfPath));
  EXPECT_EQ(noDialog.enabledChanges, (std::vector<bool>{false, true}));
}

TEST_F(QtPrint, CancelledPdfDialogPrintsAndReportsNothing) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this system has a printer";
  session.pdfPath.clear();
  printMap25mm(session, source(), ui);
  printMap(session, source(), ui);
  printDressing(session, source(), ui);
  EXPECT_EQ(ui.asked, 3);
  EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
  EXPECT_EQ(ui.busyDepth, 0);
  EXPECT_EQ(ui.enabledChanges, (std::vector<bool>{false, true}));
}

TEST_F(QtPrint, PdfThatCannotBeCreatedIsNamed) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this system has a printer";
  session.pdfPath.clear();
  ui.askAnswer = (dir.path() / "missing" / "map.pdf").string();
  printMap25mm(session, source(), ui);
  printMap(session, source(), ui);
  printDressing(session, source(), ui);
  const std::string cannot = "Cannot create file " + ui.askAnswer;
  EXPECT_EQ(ui.messages, (std::vector<std::string>{cannot, cannot, cannot}));
}

TEST_F(QtPrint, PdfDialogNamesTheCommandAndTheMapAndTheSavedFile) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this system has a printer";
  session.pdfPath.clear();
  ui.askAnswer = dir.file("chosen.pdf");
  printMap(session, source(), ui);
  printMap25mm(session, source(), ui);
  printDressing(session, source(), ui);
  // The map's title is offered as the file's name.
  EXPECT_EQ(ui.questions,
            (std::vector<std::string>{"Print Map / Test", "Print Map 25mm Scale / Test",
                                      "Print Dressing / Test"}));
  const std::string saved = "Printing Completed! Saved as " + ui.askAnswer;
  EXPECT_EQ(ui.messages, (std::vector<std::string>{saved, saved, saved}));
  EXPECT_TRUE(std::filesystem::exists(ui.askAnswer));
}

TEST_F(QtPrint, LongTitleEndsInAnEllipsisOnThePage) {
  std::string words;
  for (int i = 0; i < 40; ++i) words += " Vault" + std::to_string(i);
  Settings settings;
  settings.mapSizeIndex = MapSizeIndex::Size640x480;
  settings.title = words.substr(1);
  const auto titled = testing::makeDungeon(settings);
  printMap(session, PrintSource{*titled, std::nullopt}, ui);
  const std::string text = runCommand("pdftotext -layout '" + session.pdfPath + "' - 2>/dev/null");
  const std::string firstLine = text.substr(0, text.find('\n'));
  EXPECT_NE(firstLine.find("Delvora Demo - Vault0 Vault1"), std::string::npos) << firstLine;
  EXPECT_NE(firstLine.find("\u2026"), std::string::npos) << firstLine;
  EXPECT_EQ(firstLine.find("Vault39"), std::string::npos) << firstLine;
}

TEST_F(QtPrint, EnvironmentVariableNamesThePdf) {
  const std::string path = dir.file("from_env.pdf");
  setenv("DELVORA_PRINT_PDF", path.c_str(), 1);
  session.pdfPath.clear();
  printDressing(session, source(), ui);
  EXPECT_EQ(ui.asked, 0);
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(QtPrint, FittedMapIsOneLandscapePageAndTheBattleMatKeepsIt) {
  printMap(session, source(), ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.busyDepth, 0);
  EXPECT_EQ(pdfInfoField(session.pdfPath, "Pages"), "1");
  EXPECT_EQ(pdfInfoField(session.pdfPath, "Page size"), "842 x 595 pts (A4)");
  const std::string text = runCommand("pdftotext -layout '" + session.pdfPath + "' - 2>/dev/null");
  EXPECT_NE(text.find("Delvora Demo - Test"), std::string::npos) << text;
  EXPECT_NE(text.find("Delvora dungeon generator 3/7/24 9:05"), std::string::npos) << text;

  printMap25mm(session, source(), ui);
  EXPECT_EQ(pdfInfoField(session.pdfPath, "Page size"), "842 x 595 pts (A4)");
  EXPECT_EQ(pdfInfoField(session.pdfPath, "Pages"), std::to_string(expectedPages(true)));
}

TEST_F(QtPrint, DressingPrintoutHasTheFooterOnItsLastPageOnly) {
  printDressing(session, source(), ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(pdfInfoField(session.pdfPath, "Page size"), "595 x 842 pts (A4)");
  const int pages = std::stoi(pdfInfoField(session.pdfPath, "Pages"));
  ASSERT_GE(pages, 1);
  const auto pageText = [&](int page) {
    return runCommand("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) +
                      " '" + session.pdfPath + "' - 2>/dev/null");
  };
  const std::string first = pageText(1);
  EXPECT_EQ(first.find("Delvora Demo - Test"), 0u) << first;
  EXPECT_NE(first.find("Room 1"), std::string::npos);
  EXPECT_NE(pageText(pages).find("Delvora dungeon generator"), std::string::npos);
  for (int page = 1; page < pages; ++page) {
    EXPECT_EQ(pageText(page).find("Delvora dungeon generator"), std::string::npos) << page;
  }
}

}  // namespace
}  // namespace delvora
