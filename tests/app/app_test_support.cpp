#include "app_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include "app/advanced_window.h"
#include "app/options_window.h"
#include "app/percent_edit.h"
#include "app/program.h"

namespace delvora {

void FakeDialogs::showMessage(QWidget*, const QString& text) {
  messages << text;
}

std::optional<QString> FakeDialogs::askSaveFileName(QWidget*, const SaveFileRequest& request) {
  ++saveAsked;
  lastSaveRequest = request;
  return saveAnswer;
}

std::optional<QString> FakeDialogs::askFolder(QWidget*, const QString& title, const QString& root) {
  lastFolderTitle = title;
  lastFolderRoot = root;
  return folderAnswer;
}

void applySettings(Program& program, const Settings& settings) {
  OptionsWindow& options = program.options();
  options.mapSizeList()->setCurrentIndex(settings.mapSizeIndex);
  options.iterationsList()->setCurrentText(QString::number(settings.iterations));
  options.roomSizeButton(settings.roomSize)->setChecked(true);
  options.corridorButton(settings.corridorStyle)->setChecked(true);
  options.stairsList()->setCurrentIndex(settings.stairs);
  options.numberRoomsBox()->setChecked(settings.numberRooms);
  options.dressingBox()->setChecked(settings.dressing);
  options.gridBox()->setChecked(settings.drawGrid);
  options.riverBox()->setChecked(settings.river);
  options.chasmBox()->setChecked(settings.chasm);
  options.titleEdit()->setText(QString::fromStdString(settings.title));
  AdvancedWindow& advanced = program.advanced();
  advanced.corridorStairsBox()->setChecked(settings.corridorStairs);
  advanced.internalDressingBox()->setChecked(settings.useInternalDressing);
  advanced.backgroundBox()->setChecked(settings.showBackground);
  advanced.dressRollList()->setCurrentIndex(settings.dressRoll - 1);
  advanced.concealedEdit()->setValue(QString::number(settings.concealedPercent));
  advanced.secretEdit()->setValue(QString::number(settings.secretPercent));
}

QString writeScript(const QTemporaryDir& dir, const QString& name, const QString& body) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write("#!/bin/sh\n");
  file.write(body.toUtf8());
  file.close();
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace delvora
