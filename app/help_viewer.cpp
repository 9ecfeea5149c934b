#include "app/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace delvora {

QString findHelpFile(const QString& name, const QString& programDir) {
  // Relative to the program's folder, so that a moved installation still finds it.
  const QString installedDir = QDir(programDir).filePath(QStringLiteral(DELVORA_DATADIR_FROM_BIN));
  for (const QString& folder : {QDir::currentPath(), programDir, installedDir}) {
    const QFileInfo candidate(QDir(folder), name);
    if (candidate.isFile()) return candidate.absoluteFilePath();
  }
  return {};
}

QString findHelpFile(const QString& name) {
  return findHelpFile(name, QCoreApplication::applicationDirPath());
}

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
  setWindowTitle(tr("Delvora Help"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  m_browser->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_browser);
  resize(640, 560);
}

void HelpViewer::showFile(const QString& path) {
  // The guide's name does not end in .html, so say what it holds.
  m_browser->setSearchPaths({QFileInfo(path).absolutePath()});
  m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
  show();
  raise();
  activateWindow();
}

}  // namespace delvora
