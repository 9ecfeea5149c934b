// The map window's dressing commands: "Save Dressing As" through the dialog seam and the
// editing round trip with a fake editor, including its failures.
#include <unistd.h>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include "app/editor_launcher.h"
#include "app/map_view.h"
#include "app/map_window.h"
#include "app/options_window.h"
#include "app/program.h"
#include "app_test_support.h"
#include "dressing/edit_round_trip.h"
#include "dressing/hover_text.h"
#include "dressing/report.h"
#include "files/atomic_file.h"

using namespace delvora;

namespace {

// Room 1's description line in the editing file becomes the text given (sed, first match only).
QString editFirstDescription(const QString& text) {
  return QStringLiteral("sed -i '0,/^Description=/s|^Description=.*|Description=%1\\r|' \"$1\"\n")
      .arg(text);
}

std::vector<std::vector<std::string>> tableEntries(const DressingTables& tables) {
  std::vector<std::vector<std::string>> entries;
  for (const DressingTable* table : tables.all()) entries.push_back(table->entries);
  return entries;
}

}  // namespace

class DressingCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void saveDressingAsWritesTheReport();
  void saveDressingAsCancelledWritesNothing();
  void saveDressingAsReportsAFileThatCannotBeCreated();
  void editRoundTripReadsTheEditedTexts();
  void editWithoutChangeKeepsEveryText();
  void editFileGoneAtReadBackKeepsTheDressing();
  void editorThatCannotStartIsReported();
  void unwritableWorkingDirectoryStopsBeforeTheEditor();

 private:
  MapWindow& map() { return m_program->map(); }
  void useEditor(const QString& body);

  QTemporaryDir m_work;
  QTemporaryDir m_scripts;
  FakeDialogs m_dialogs;
  std::unique_ptr<Program> m_program;
};

void DressingCommandsTest::initTestCase() {
  QVERIFY(m_work.isValid() && m_scripts.isValid());
  QVERIFY(QDir::setCurrent(m_work.path()));
  m_program = std::make_unique<Program>(m_dialogs);
  m_program->options().titleEdit()->setText(QStringLiteral("The Crypt"));
}

void DressingCommandsTest::init() {
  m_dialogs.messages.clear();
  QVERIFY(generateFromOptions(*m_program));
  QVERIFY(!map().model().lstFluff.empty());
}

void DressingCommandsTest::cleanup() {
  map().close();
  qunsetenv("DELVORA_EDITOR");
  QDir::setCurrent(m_work.path());
}

void DressingCommandsTest::useEditor(const QString& body) {
  qputenv("DELVORA_EDITOR", writeScript(m_scripts, QStringLiteral("editor"), body).toLocal8Bit());
}

void DressingCommandsTest::saveDressingAsWritesTheReport() {
  const QString target = m_work.filePath(QStringLiteral("report.txt"));
  m_dialogs.saveAnswer = target;
  map().menu().saveDressingAs->trigger();
  QCOMPARE(m_dialogs.saveAsked, 1);
  QCOMPARE(m_dialogs.lastSaveRequest.defaultSuffix, QStringLiteral("txt"));
  QCOMPARE(m_dialogs.lastSaveRequest.initialName, QStringLiteral("Delvora"));
  QCOMPARE(m_dialogs.lastSaveRequest.filter, QStringLiteral("Text Files (*.txt)"));
  QVERIFY(m_dialogs.lastSaveRequest.confirmOverwrite);
  QVERIFY(m_dialogs.messages.isEmpty());

  const QString expectedPath = m_work.filePath(QStringLiteral("expected.txt"));
  QCOMPARE(
      saveTextFile(expectedPath.toStdString(),
                   textFileBytes(buildDressingReport(map().model(), map().tables(), "The Crypt"))),
      std::string());
  const QByteArray written = readFile(target);
  QCOMPARE(written, readFile(expectedPath));
  QVERIFY(written.startsWith("The Crypt\r\n\r\nRoom 1   \r\nSize           ("));
}

void DressingCommandsTest::saveDressingAsCancelledWritesNothing() {
  m_dialogs.saveAnswer.reset();
  const QStringList before = QDir(m_work.path()).entryList(QDir::Files);
  map().onSaveDressingAsTriggered();
  QCOMPARE(QDir(m_work.path()).entryList(QDir::Files), before);
  QVERIFY(m_dialogs.messages.isEmpty());
}

void DressingCommandsTest::saveDressingAsReportsAFileThatCannotBeCreated() {
  const QString target = m_work.filePath(QStringLiteral("missing/report.txt"));
  m_dialogs.saveAnswer = target;
  map().onSaveDressingAsTriggered();
  QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("Cannot create file ") + target});
  QVERIFY(map().isVisible());
}

void DressingCommandsTest::editRoundTripReadsTheEditedTexts() {
  useEditor(QStringLiteral("[ \"$(pwd)\" = '%1' ] || exit 1\n").arg(m_work.path()) +
            editFirstDescription(QStringLiteral("<b>Edited</b> \\& <img src=x>")));
  const std::size_t rooms = map().model().lstFluff.size();
  map().onEditTriggered();
  QVERIFY(m_dialogs.messages.isEmpty());
  const DressingTables& tables = map().tables();
  QCOMPARE(tables.FluffDesc.entries.size(), rooms);
  QCOMPARE(tables.FluffDesc.entries.front(), std::string("<b>Edited</b> & <img src=x>"));
  // Every room now points at its own entries: room n at index n - 1.
  const std::string& second =
      map().model().lstFluff.size() > 1 ? map().model().lstFluff[1] : map().model().lstFluff[0];
  QCOMPARE(parseRoomDressing(second).indexes[0], map().model().lstFluff.size() > 1 ? 1 : 0);

  // The hover read-out shows the edited text exactly as typed.
  const Rect room = parseRoomDressing(map().model().lstFluff.front()).rect;
  const int x = room.left + 2;
  const int y = room.top + 2;
  map().onMapMouseMoved(x, y);
  QVERIFY(map().view()->hint().contains(
      QStringLiteral("\rDescription\r  <b>Edited</b> & <img src=x>\r")));
  QVERIFY(map().view()->toolTip().contains(QStringLiteral("&lt;b&gt;Edited&lt;/b&gt;")));
}

void DressingCommandsTest::editWithoutChangeKeepsEveryText() {
  useEditor(QStringLiteral("exit 0\n"));
  const std::vector<std::string> before =
      buildDressingReport(map().model(), map().tables(), "The Crypt");
  map().onEditTriggered();
  map().onEditTriggered();
  QVERIFY(m_dialogs.messages.isEmpty());
  QCOMPARE(buildDressingReport(map().model(), map().tables(), "The Crypt"), before);
}

void DressingCommandsTest::editFileGoneAtReadBackKeepsTheDressing() {
  useEditor(QStringLiteral("rm -f \"$1\"\n"));
  const auto tablesBefore = tableEntries(map().tables());
  const RecordList fluffBefore = map().model().lstFluff;
  map().onEditTriggered();
  QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("Cannot open file DVTemp.txt")});
  QCOMPARE(tableEntries(map().tables()), tablesBefore);
  QCOMPARE(map().model().lstFluff, fluffBefore);
}

void DressingCommandsTest::editorThatCannotStartIsReported() {
  qputenv("DELVORA_EDITOR", "/nonexistent/editor");
  const auto tablesBefore = tableEntries(map().tables());
  const RecordList fluffBefore = map().model().lstFluff;
  map().onEditTriggered();
  // The message names the command that failed, not the variable to set.
  QCOMPARE(m_dialogs.messages,
           QStringList{QStringLiteral(
               "The text editor \"/nonexistent/editor\" (DELVORA_EDITOR) could not be started.")});
  // Nothing was edited: the dressing stays exactly as it was.
  QCOMPARE(tableEntries(map().tables()), tablesBefore);
  QCOMPARE(map().model().lstFluff, fluffBefore);
}

void DressingCommandsTest::unwritableWorkingDirectoryStopsBeforeTheEditor() {
  const QString marker = m_scripts.filePath(QStringLiteral("editor-ran"));
  useEditor(QStringLiteral("touch '%1'\n").arg(marker));
  // Root may write into any folder whatever its mode; /proc refuses new files to everyone.
  QTemporaryDir locked;
  QString folder = QStringLiteral("/proc");
  if (geteuid() != 0) {
    folder = locked.path();
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
  }
  QVERIFY(QDir::setCurrent(folder));
  const auto tablesBefore = tableEntries(map().tables());
  const RecordList fluffBefore = map().model().lstFluff;
  map().onEditTriggered();
  QDir::setCurrent(m_work.path());
  QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("Cannot create file DVTemp.txt")});
  QVERIFY(!QFile::exists(marker));
  QCOMPARE(tableEntries(map().tables()), tablesBefore);
  QCOMPARE(map().model().lstFluff, fluffBefore);
}

QTEST_MAIN(DressingCommandsTest)
#include "dressing_commands_test.moc"
