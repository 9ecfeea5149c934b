#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "app/dialogs.h"
#include "engine/settings.h"

namespace delvora {

class Program;

// Dialogs that answer from the test: every message is recorded, the save and folder dialogs
// return what the test set (nothing means the user cancelled).
class FakeDialogs : public Dialogs {
 public:
  void showMessage(QWidget* parent, const QString& text) override;
  std::optional<QString> askSaveFileName(QWidget* parent, const SaveFileRequest& request) override;
  std::optional<QString> askFolder(QWidget* parent, const QString& title,
                                   const QString& root) override;
  std::optional<BattleMapRequest> askBattleMap(QWidget* parent,
                                               const BattleMapRequest& initial) override;

  QStringList messages;
  std::optional<QString> saveAnswer;
  std::optional<QString> folderAnswer;
  std::optional<BattleMapRequest> battleMapAnswer;
  BattleMapRequest lastBattleMapShown;
  SaveFileRequest lastSaveRequest;
  QString lastFolderTitle;
  QString lastFolderRoot;
  int saveAsked = 0;
};

// "Generate" without the modal wait: the map window shows the settings on screen.
bool generateFromOptions(Program& program);

// Writes an executable shell script and returns its path.
QString writeScript(const QTemporaryDir& dir, const QString& name, const QString& body);

// Reads a whole file; empty when it cannot be read.
QByteArray readFile(const QString& path);

}  // namespace delvora
