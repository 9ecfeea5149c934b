// delvora-cli's print module: the three printouts as PDFs through Qt. The program loads it only
// when a print option is given, so every other run starts without Qt.
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <optional>

#include "dungeon/dungeon.h"
#include "print/print_module.h"
#include "print/qt/headless_print_ui.h"

namespace delvora {

namespace {

// Qt's printing needs a GUI application; without a display it runs on the offscreen platform.
class GuiApplication {
 public:
  GuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    const bool display =
        std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (!display && std::getenv("QT_QPA_PLATFORM") == nullptr) {
      setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
  }

 private:
  int m_argc = 1;
  char m_name[12] = "delvora-cli";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<QGuiApplication> m_app;
};

using PrintCommand = void (*)(PrintSession&, const PrintSource&, PrintUi&);

void runCommand(PrintCommand command, const std::string& path, const PrintSource& source,
                const std::string& success, std::vector<std::string>& errors) {
  if (path.empty()) return;
  PrintSession session;
  session.pdfPath = path;
  HeadlessPrintUi ui;
  command(session, source, ui);
  for (const std::string& message : ui.messages) {
    if (message == success) continue;
    std::string error = message;
    error.append(" (").append(path).append(")");
    errors.push_back(std::move(error));
  }
}

void writeAll(const PrintJob& job) {
  if (!job.paths.any()) return;
  const GuiApplication app;
  const PrintSource source{job.dungeon, std::nullopt};
  runCommand(printMap, job.paths.map, source, "", job.errors);
  runCommand(printMap25mm, job.paths.map25mm, source, "Printing Completed!", job.errors);
  runCommand(printDressing, job.paths.dressing, source, "", job.errors);
}

}  // namespace
}  // namespace delvora

extern "C" __attribute__((visibility("default"))) void delvora_write_print_outputs(
    const delvora::PrintJob& job) {
  delvora::writeAll(job);
}
