#include "app/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

namespace delvora {
namespace {

// Qt's own file dialog writes its history to the user's settings file "QtProject.conf". Settings
// of the user scope go instead to a folder of the program's own, removed when the program ends;
// the program itself keeps no settings.
void keepToolkitSettingsPrivate() {
  static const QTemporaryDir folder;
  if (!folder.isValid()) return;
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, folder.path());
  }
}

}  // namespace

Dialogs::Dialogs() {
  keepToolkitSettingsPrivate();
}

void Dialogs::showMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                  parent);
  // Messages can quote file names and dressing text, which must never render as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<QString> Dialogs::askSaveFileName(QWidget* parent, const SaveFileRequest& request) {
  QFileDialog dialog(parent);
  if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.setNameFilter(request.filter);
  dialog.selectFile(request.initialName);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

std::optional<QString> Dialogs::askFolder(QWidget* parent, const QString& title,
                                          const QString& root) {
  QFileDialog dialog(parent, title, root);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  // Our own dialog, so the tree can be held to root: the sidebar offers only root and any
  // attempt to leave it returns there.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setSidebarUrls({QUrl::fromLocalFile(root)});
  QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog,
                   [&dialog, root](const QString& folder) {
                     if (!isInsideFolder(folder, root)) dialog.setDirectory(root);
                   });
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString chosen = dialog.selectedFiles().constFirst();
    if (isInsideFolder(chosen, root)) return QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
    dialog.setDirectory(root);
  }
  return std::nullopt;
}

bool isInsideFolder(const QString& path, const QString& root) {
  const QString cleanPath = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  const QString cleanRoot = QDir::cleanPath(QFileInfo(root).absoluteFilePath());
  if (cleanPath == cleanRoot) return true;
  const QString prefix = cleanRoot.endsWith(QLatin1Char('/')) ? cleanRoot : cleanRoot + u'/';
  return cleanPath.startsWith(prefix);
}

}  // namespace delvora
