#pragma once

#include <memory>

#include "app/abort_dialog.h"
#include "app/dialogs.h"
#include "print/qt/print_commands.h"

class QWidget;

namespace delvora {

// The print commands' user interface on the map window: message boxes and the save dialog
// through Dialogs, the abort dialog owned by the window, the busy cursor and the window's
// enabled state.
class WindowPrintUi final : public PrintUi {
 public:
  WindowPrintUi(QWidget& window, Dialogs& dialogs) : m_window(window), m_dialogs(dialogs) {}
  ~WindowPrintUi() override;

  void showMessage(const std::string& text) override;
  // A save dialog titled by the print command, offering the map's title as the PDF's name.
  std::string askPdfFileName(const PdfFileQuestion& question) override;
  bool createAbortDialog() override;
  void setAbortText(const std::string& text) override;
  bool abortCancelled() override;
  void closeAbortDialog() override;
  void processEvents() override;
  void setBusy(bool busy) override;
  void setWindowEnabled(bool enabled) override;

  // The open abort dialog, or nullptr.
  AbortDialog* abortDialog() const { return m_abortDialog.get(); }

 private:
  QWidget& m_window;
  Dialogs& m_dialogs;
  std::unique_ptr<AbortDialog> m_abortDialog;
};

}  // namespace delvora
