#include "app/abort_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include "app/window_print_ui.h"

namespace delvora {
namespace {

QApplication& application() {
  static int argc = 1;
  static char name[] = "print_dialog_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

class QuietDialogs final : public Dialogs {
 public:
  void showMessage(QWidget*, const QString& text) override { messages.push_back(text); }
  std::optional<QString> askSaveFileName(QWidget*, const SaveFileRequest& request) override {
    lastRequest = request;
    return answer;
  }
  std::optional<QString> askFolder(QWidget*, const QString&, const QString&) override {
    return std::nullopt;
  }
  QStringList messages;
  SaveFileRequest lastRequest;
  std::optional<QString> answer;
};

TEST(AbortDialog, CaptionSizeButtonAndCancelFlag) {
  application();
  AbortDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "Printing");
  const double scale = dialog.logicalDpiX() / 96.0;
  EXPECT_EQ(dialog.height(), qRound(98 * scale));
  // At least the design width, and wide enough for the longest page caption in the title bar.
  EXPECT_EQ(dialog.width(), std::max(qRound(174 * scale), AbortDialog::widthForCaptions(dialog)));
  QFont bold = dialog.font();
  bold.setBold(true);
  EXPECT_GT(dialog.width(), QFontMetrics(bold).horizontalAdvance("Printing Page 12:10 - 100%"));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                      Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint}) {
    EXPECT_FALSE(dialog.windowFlags() & button);
  }
  ASSERT_NE(dialog.cancelButton(), nullptr);
  EXPECT_EQ(dialog.cancelButton()->text(), "&Cancel");
  EXPECT_TRUE(dialog.cancelButton()->isDefault());
  EXPECT_LT(dialog.cancelButton()->geometry().bottom(), dialog.height() / 2) << "upper half";
  EXPECT_EQ(dialog.cancelFlag(), 0);
  dialog.show();
  dialog.setText("Printing Page 1:1 - 0%");
  EXPECT_EQ(dialog.windowTitle(), "Printing Page 1:1 - 0%");
  EXPECT_FALSE(dialog.checkCancelled());
  dialog.cancelButton()->click();
  EXPECT_EQ(dialog.cancelFlag(), -1);
  EXPECT_TRUE(dialog.checkCancelled());
}

TEST(AbortDialog, EscapeCancelsWithoutClosing) {
  application();
  AbortDialog dialog;
  dialog.show();
  dialog.reject();
  EXPECT_TRUE(dialog.cancelled());
  EXPECT_TRUE(dialog.isVisible());
}

TEST(WindowPrintUi, DrivesTheDialogAndTheWindow) {
  application();
  QWidget window;
  QuietDialogs dialogs;
  WindowPrintUi ui(window, dialogs);
  ASSERT_TRUE(ui.createAbortDialog());
  ASSERT_NE(ui.abortDialog(), nullptr);
  ui.setWindowEnabled(false);
  EXPECT_FALSE(window.isEnabled());
  EXPECT_TRUE(ui.abortDialog()->isEnabled()) << "Cancel must work while the window is disabled";
  ui.setAbortText("Printing Page 2:1 - 50%");
  EXPECT_EQ(ui.abortDialog()->windowTitle(), "Printing Page 2:1 - 50%");
  EXPECT_FALSE(ui.abortCancelled());
  ui.abortDialog()->cancelButton()->click();
  EXPECT_TRUE(ui.abortCancelled());
  ui.closeAbortDialog();
  EXPECT_EQ(ui.abortDialog(), nullptr);
  EXPECT_FALSE(ui.abortCancelled());
  ui.setWindowEnabled(true);
  EXPECT_TRUE(window.isEnabled());

  ui.showMessage("Printing Completed!");
  EXPECT_EQ(dialogs.messages, QStringList{"Printing Completed!"});
  const PdfFileQuestion question{"Print Map 25mm Scale", "The Sunken Vault"};
  EXPECT_EQ(ui.askPdfFileName(question), "");
  EXPECT_EQ(dialogs.lastRequest.defaultSuffix, "pdf");
  EXPECT_EQ(dialogs.lastRequest.title, "Print Map 25mm Scale");
  EXPECT_EQ(dialogs.lastRequest.initialName, "The Sunken Vault");
  dialogs.answer = "/tmp/map.pdf";
  EXPECT_EQ(ui.askPdfFileName(question), "/tmp/map.pdf");
}

}  // namespace
}  // namespace delvora
