#include "app_test_support.h"

#include <QFile>

#include "app/map_window.h"
#include "app/options_window.h"
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

std::optional<BattleMapRequest> FakeDialogs::askBattleMap(QWidget*,
                                                          const BattleMapRequest& initial) {
  lastBattleMapShown = initial;
  return battleMapAnswer;
}

bool generateFromOptions(Program& program) {
  return program.map().generate(program.options().settings());
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
