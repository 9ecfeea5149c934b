#pragma once

#include <string>
#include <vector>

#include "print/qt/print_commands.h"

namespace delvora {

// The print commands without windows (the command line, benchmarks): messages are collected,
// no PDF name is asked for, and the progress dialog is never cancelled.
class HeadlessPrintUi final : public PrintUi {
 public:
  void showMessage(const std::string& text) override { messages.push_back(text); }
  std::string askPdfFileName(const PdfFileQuestion&) override { return ""; }
  bool createAbortDialog() override { return true; }
  void setAbortText(const std::string&) override {}
  bool abortCancelled() override { return false; }
  void closeAbortDialog() override {}
  void processEvents() override {}
  void setBusy(bool) override {}
  void setWindowEnabled(bool) override {}

  std::vector<std::string> messages;
};

}  // namespace delvora
