#include "cli/print_outputs.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <optional>

#include "render/qt/headless_print_ui.h"

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
    if (message != success) errors.push_back(message + " (" + path + ")");
  }
}

}  // namespace

std::vector<std::string> writePrintOutputs(const PrintPaths& paths, const MapModel& model,
                                           const Bitmap& map, const DressingTables& tables,
                                           const Settings& settings) {
  std::vector<std::string> errors;
  if (!paths.any()) return errors;
  const GuiApplication app;
  const PrintSource source{model,       map, tables, settings, "Delvora Demo - " + settings.title,
                           std::nullopt};
  runCommand(printMap, paths.map, source, "", errors);
  runCommand(printMap25mm, paths.map25mm, source, "Printing Completed!", errors);
  runCommand(printDressing, paths.dressing, source, "", errors);
  return errors;
}

}  // namespace delvora
