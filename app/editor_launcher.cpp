#include "app/editor_launcher.h"

#include <unistd.h>

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <array>

namespace delvora {
namespace {

struct KnownEditor {
  const char* program;
  // Makes the editor run in its own process until its window closes, so waiting means
  // waiting for the user.
  const char* waitOption;
};

constexpr std::array<KnownEditor, 6> kDesktopEditors = {{
    {"gedit", "--wait"},
    {"gnome-text-editor", "--standalone"},
    {"kate", "--block"},
    {"mousepad", "--disable-server"},
    {"pluma", nullptr},
    {"leafpad", nullptr},
}};

// Editors that need a terminal; "sensible-editor" runs the system's choice, which is a terminal
// editor unless the user set it otherwise.
constexpr std::array<const char*, 21> kTerminalEditors = {
    "vi",     "vim", "vim.basic", "vim.tiny", "nvim", "view", "nano",
    "pico",   "ed",  "ex",        "joe",      "jed",  "mg",   "micro",
    "mcedit", "ne",  "kak",       "hx",       "nvi",  "zile", "sensible-editor"};

EditorCommand commandFromText(const QString& text) {
  QStringList parts = QProcess::splitCommand(text);
  if (parts.isEmpty()) return {};
  EditorCommand command;
  command.program = parts.takeFirst();
  command.arguments = parts;
  return command;
}

// The command as it can run here, or an empty command when it cannot.
EditorCommand runnable(const EditorCommand& command, const EditorEnvironment& environment) {
  if (!command.found()) return {};
  const QString path = environment.findExecutable(command.program);
  if (path.isEmpty()) return {};
  if (!isTerminalEditor(command) || environment.hasTerminal) {
    return {path, command.arguments};
  }
  const QString terminal = environment.findExecutable(QStringLiteral("x-terminal-emulator"));
  if (terminal.isEmpty()) return {};
  return {terminal, QStringList{QStringLiteral("-e"), path} + command.arguments};
}

}  // namespace

EditorEnvironment processEditorEnvironment() {
  EditorEnvironment environment;
  environment.variable = [](const char* name) { return qEnvironmentVariable(name); };
  environment.findExecutable = [](const QString& program) {
    if (program.contains(u'/')) {
      const QFileInfo file(program);
      return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
  };
  environment.hasTerminal = isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
  return environment;
}

bool isTerminalEditor(const EditorCommand& command) {
  const QString name = QFileInfo(command.program).fileName();
  for (const char* editor : kTerminalEditors) {
    if (name == QLatin1String(editor)) return true;
  }
  // Emacs opens a window of its own unless told to stay in the terminal.
  return name.startsWith(QLatin1String("emacs")) &&
         (command.arguments.contains(QStringLiteral("-nw")) ||
          command.arguments.contains(QStringLiteral("--no-window-system")));
}

EditorCommand findEditor(const EditorEnvironment& environment) {
  // The user's own choice is the only one when it is set.
  const QString chosen = environment.variable("DELVORA_EDITOR");
  if (!chosen.trimmed().isEmpty()) return runnable(commandFromText(chosen), environment);
  for (const KnownEditor& editor : kDesktopEditors) {
    EditorCommand command{QString::fromLatin1(editor.program), {}};
    if (editor.waitOption != nullptr) command.arguments << QString::fromLatin1(editor.waitOption);
    if (EditorCommand found = runnable(command, environment); found.found()) return found;
  }
  for (const char* variable : {"VISUAL", "EDITOR"}) {
    const QString text = environment.variable(variable);
    if (text.trimmed().isEmpty()) continue;
    if (EditorCommand command = runnable(commandFromText(text), environment); command.found()) {
      return command;
    }
  }
  return {};
}

QString editorFailureMessage(const EditorEnvironment& environment) {
  const QString chosen = environment.variable("DELVORA_EDITOR").trimmed();
  if (chosen.isEmpty()) return QString::fromLatin1(kNoEditorMessage);
  return QStringLiteral("The text editor \"%1\" (DELVORA_EDITOR) could not be started.")
      .arg(chosen);
}

bool runEditorAndWait(const QString& fileName, const QString& workingDir,
                      const std::function<void()>& afterStart) {
  const EditorCommand editor = findEditor();
  QProcess process;
  bool started = false;
  if (editor.found()) {
    process.setWorkingDirectory(workingDir);
    // A terminal editor needs the terminal the program was started from.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(editor.program, QStringList(editor.arguments) << fileName);
    started = process.waitForStarted(-1);
  }
  if (afterStart) afterStart();
  if (started) process.waitForFinished(-1);
  return started;
}

}  // namespace delvora
