#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace delvora {

// A text editor command: the program and the arguments that come before the file name.
struct EditorCommand {
  QString program;
  QStringList arguments;
  bool found() const { return !program.isEmpty(); }
};

// The editor to start: $DELVORA_EDITOR when set, else the first desktop text editor of a fixed
// list found on PATH, else $VISUAL or $EDITOR. Empty when there is none.
EditorCommand findEditor();

// Starts the editor on fileName (relative to workingDir) in workingDir, calls afterStart once
// (the window repaints there), then waits for the editor to end without a time limit. Returns
// false when no editor could be started; afterStart is then still called.
bool runEditorAndWait(const QString& fileName, const QString& workingDir,
                      const std::function<void()>& afterStart = {});

}  // namespace delvora
