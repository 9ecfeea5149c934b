#include "app/editor_launcher.h"

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

EditorCommand commandFromText(const QString& text) {
  QStringList parts = QProcess::splitCommand(text);
  if (parts.isEmpty()) return {};
  EditorCommand command;
  command.program = parts.takeFirst();
  command.arguments = parts;
  return command;
}

}  // namespace

EditorCommand findEditor() {
  const QString chosen = qEnvironmentVariable("DELVORA_EDITOR");
  if (!chosen.trimmed().isEmpty()) return commandFromText(chosen);
  for (const KnownEditor& editor : kDesktopEditors) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(editor.program));
    if (path.isEmpty()) continue;
    EditorCommand command{path, {}};
    if (editor.waitOption != nullptr) command.arguments << QString::fromLatin1(editor.waitOption);
    return command;
  }
  for (const char* variable : {"VISUAL", "EDITOR"}) {
    const QString text = qEnvironmentVariable(variable);
    if (!text.trimmed().isEmpty()) return commandFromText(text);
  }
  return {};
}

bool runEditorAndWait(const QString& fileName, const QString& workingDir,
                      const std::function<void()>& afterStart) {
  const EditorCommand editor = findEditor();
  QProcess process;
  bool started = false;
  if (editor.found()) {
    process.setWorkingDirectory(workingDir);
    // A terminal editor from $EDITOR needs the terminal the program was started from.
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
