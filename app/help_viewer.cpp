#include "app/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace delvora {

QString findHelpFile(const QString& name) {
  const QString programFolder = QCoreApplication::applicationDirPath();
  // Installed, the guide lives in the data folder: DELVORA_DATADIR_FROM_BIN is its path relative
  // to the program's folder.
  const QString dataFolder = QDir(programFolder).filePath(QStringLiteral(DELVORA_DATADIR_FROM_BIN));
  for (const QString& folder : {QDir::currentPath(), programFolder, dataFolder}) {
    const QFileInfo candidate(QDir(folder), name);
    if (candidate.isFile()) return candidate.absoluteFilePath();
  }
  return {};
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
