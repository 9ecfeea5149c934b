// The map window's dressing commands: the hover read-out, "Save Dressing As", "Edit" and the
// reload of the dressing tables.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "app/dialogs.h"
#include "app/dressing_warnings.h"
#include "app/editor_launcher.h"
#include "app/map_view.h"
#include "app/map_window.h"
#include "app/qt_text.h"
#include "dressing/edit_round_trip.h"
#include "dressing/hover_text.h"
#include "dressing/report.h"
#include "dungeon/levels_key.h"
#include "files/atomic_file.h"

namespace delvora {

void MapWindow::reloadDressing(const Settings& settings) {
  const LoadResult result =
      shown().reloadDressing(DressingSource::fromFolder(settings.dressingDir));
  if (!result.ok()) m_dialogs.showMessage(this, fromDressingBytes(result.error));
  if (const QString warnings = dressingWarningText(result.warnings); !warnings.isEmpty()) {
    m_dialogs.showMessage(this, warnings);
  }
}

void MapWindow::onMapMouseMoved(int x, int y) {
  if (!settings().dressing) return;
  HoverText hover = hoverText(model(), tables(), x, y);
  // With several levels, a staircase under the pointer says where it leads, as the key does.
  if (m_levels) addStairsLines(hover, stairsHoverLines(*m_levels, m_shownLevel, x, y));
  if (!hover.overFeature) {
    m_view->switchHintOff();
    return;
  }
  m_view->setHint(fromDressingBytes(hover.text));
}

void MapWindow::onSaveDressingAsTriggered() {
  // The report is made before the dialog opens, whatever the dialog's outcome.
  const std::vector<std::string> report = buildDressingReport(model(), tables(), settings().title);
  SaveFileRequest request;
  request.defaultSuffix = QStringLiteral("txt");
  request.initialName = QStringLiteral("Delvora");
  request.filter = QStringLiteral("Text Files (*.txt)");
  request.confirmOverwrite = true;
  const std::optional<QString> fileName = m_dialogs.askSaveFileName(this, request);
  if (!fileName) return;
  const std::string error = saveTextFile(toFileNameBytes(*fileName), textFileBytes(report));
  if (!error.empty()) m_dialogs.showMessage(this, fromDressingBytes(error));
}

void MapWindow::onEditTriggered() {
  const std::vector<std::string> items = buildEditingFile(model(), tables(), settings());
  const QString fileName = QString::fromLatin1(kEditingFileName);
  QFile::remove(fileName);
  const std::string writeError = saveTextFile(kEditingFileName, textFileBytes(items));
  if (!writeError.empty()) {
    m_dialogs.showMessage(this, fromDressingBytes(writeError));
    return;
  }
  if (!runEditorAndWait(fileName, QDir::currentPath(), [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      })) {
    // Nothing was edited, so the dressing stays as it is.
    m_dialogs.showMessage(this, editorFailureMessage());
    return;
  }
  const std::string readError = shown().readEditedDressing(kEditingFileName);
  if (!readError.empty()) m_dialogs.showMessage(this, fromDressingBytes(readError));
}

}  // namespace delvora
