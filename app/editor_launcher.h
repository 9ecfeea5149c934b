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

// What the choice of editor depends on: environment variables, the programs on PATH and
// whether the program runs in a terminal.
struct EditorEnvironment {
  std::function<QString(const char* name)> variable;
  // The full path of a program name (or of a path), empty when there is no such program.
  std::function<QString(const QString& program)> findExecutable;
  bool hasTerminal = false;
};

// The environment of this process: stdin and stdout on a terminal count as a terminal.
EditorEnvironment processEditorEnvironment();

// True for editors that run only inside a terminal (vi, nano, ...).
bool isTerminalEditor(const EditorCommand& command);

// The editor to start: $DELVORA_EDITOR when set (and then only that one), else the first
// desktop text editor of a fixed list found on PATH, else $VISUAL or $EDITOR. A terminal-only
// editor runs where there is a terminal, else inside x-terminal-emulator when there is one,
// else it is skipped. Empty when no editor can run.
EditorCommand findEditor(const EditorEnvironment& environment = processEditorEnvironment());

// The message shown when no editor can be started and DELVORA_EDITOR names none.
inline constexpr char kNoEditorMessage[] =
    "No text editor could be started. Set DELVORA_EDITOR to the text editor to use, "
    "for example DELVORA_EDITOR=gedit.";

// The message shown when no editor could be started: the command DELVORA_EDITOR names when it is
// set (the only editor tried then), else kNoEditorMessage.
QString editorFailureMessage(const EditorEnvironment& environment = processEditorEnvironment());

// Starts the editor on fileName (relative to workingDir) in workingDir, calls afterStart once
// (the window repaints there), then waits for the editor to end without a time limit. Returns
// false when no editor could be started; afterStart is then still called.
bool runEditorAndWait(const QString& fileName, const QString& workingDir,
                      const std::function<void()>& afterStart = {});

}  // namespace delvora
