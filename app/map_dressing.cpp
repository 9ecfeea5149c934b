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

namespace delvora {

void MapWindow::reloadDressing(const Settings& settings) {
  const LoadResult result = AddFluff(m_tables, m_model->random, settings.dressingDir);
  if (!result.ok()) m_dialogs.showMessage(this, fromDressingBytes(result.error));
  if (const QString warnings = dressingWarningText(result); !warnings.isEmpty()) {
    m_dialogs.showMessage(this, warnings);
  }
}

void MapWindow::onMapMouseMoved(int x, int y) {
  if (!m_settings.dressing) return;
  const HoverText hover = hoverText(*m_model, m_tables, x, y);
  if (!hover.overFeature) {
    m_view->switchHintOff();
    return;
  }
  m_view->setHint(fromDressingBytes(hover.text));
}

void MapWindow::onSaveDressingAsTriggered() {
  // The report is made before the dialog opens, whatever the dialog's outcome.
  const std::vector<std::string> report = buildDressingReport(*m_model, m_tables, m_settings.title);
  SaveFileRequest request;
  request.defaultSuffix = QStringLiteral("txt");
  request.initialName = QStringLiteral("Delvora");
  request.filter = QStringLiteral("Text Files (*.txt)");
  request.confirmOverwrite = true;
  const std::optional<QString> fileName = m_dialogs.askSaveFileName(this, request);
  if (!fileName) return;
  const std::string error = writeTextFile(toFileNameBytes(*fileName), report);
  if (!error.empty()) m_dialogs.showMessage(this, fromDressingBytes(error));
}

void MapWindow::onEditTriggered() {
  const std::vector<std::string> items = buildEditingFile(*m_model, m_tables, m_settings);
  const QString fileName = QString::fromLatin1(kEditingFileName);
  QFile::remove(fileName);
  const std::string writeError = writeTextFile(kEditingFileName, items);
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
  const std::string readError = ReWriteFluff(*m_model, m_tables, kEditingFileName);
  if (!readError.empty()) m_dialogs.showMessage(this, fromDressingBytes(readError));
}

}  // namespace delvora
