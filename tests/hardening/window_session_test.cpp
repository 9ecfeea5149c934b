// The windows on the offscreen platform: a long session of Generate, hover, "Some", "A Few",
// "Save Dressing As" and close, and the dressing and print commands meeting failing editors,
// folders, devices and files. Each failure ends in its message and loses nothing.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtTest>
#include <cstdio>

#include "app/advanced_window.h"
#include "app/map_view.h"
#include "app/map_window.h"
#include "app/options_window.h"
#include "app/program.h"
#include "dressing/report.h"
#include "tests/app/app_test_support.h"
#include "tests/hardening/session_resources.h"

using namespace delvora;

namespace {

// Sanitizer builds are about ten times slower; their leak check at exit covers the rest.
constexpr int kCycles = testing::kAddressSanitizer ? 50 : 500;
constexpr int kWarmUp = 5;

// A copy of /dev/full in folder when root may make one, else /dev/full itself: root could
// replace the real device node by mistake.
QString fullDevice(const QTemporaryDir& folder) {
  if (::geteuid() != 0) return QStringLiteral("/dev/full");
  const QString path = folder.filePath(QStringLiteral("full"));
  if (::mknod(path.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)) != 0) return {};
  return path;
}

bool isCharacterDevice(const QString& path) {
  struct stat info {};
  return ::stat(path.toLocal8Bit().constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

}  // namespace

class WindowSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void longSessionKeepsFilesAndMemoryFlat();
  void editorThatCrashesKeepsTheDressing();
  void editorKilledAfterDeletingTheFileKeepsTheDressing();
  void dressingFolderRemovedAfterItWasChosen();
  void unreadableDressingFileStopsGenerate();
  void reportToAFullDeviceOrUnwritableFolder();
  void pdfThatCannotBeWritten();
  void pdfOnAFullDiskOrADevice();

 private:
  MapWindow& map() { return m_program->map(); }
  void useEditor(const QString& body);
  std::vector<std::string> report() const {
    return buildDressingReport(m_program->map().model(), m_program->map().tables(), "");
  }
  // Hovers over the middle of the first room.
  void hoverFirstRoom();

  QTemporaryDir m_work;
  QTemporaryDir m_scripts;
  FakeDialogs m_dialogs;
  std::unique_ptr<Program> m_program;
};

void WindowSessionTest::initTestCase() {
  QVERIFY(m_work.isValid() && m_scripts.isValid());
  QVERIFY(QDir::setCurrent(m_work.path()));
  m_program = std::make_unique<Program>(m_dialogs);
}

void WindowSessionTest::init() {
  m_dialogs.messages.clear();
}

void WindowSessionTest::cleanup() {
  map().close();
  qunsetenv("DELVORA_EDITOR");
  qunsetenv("DELVORA_PRINT_PDF");
  m_program->advanced().dressingDirEdit()->setText(m_work.path());
  QDir::setCurrent(m_work.path());
}

void WindowSessionTest::useEditor(const QString& body) {
  qputenv("DELVORA_EDITOR", writeScript(m_scripts, QStringLiteral("editor"), body).toLocal8Bit());
}

void WindowSessionTest::hoverFirstRoom() {
  if (map().model().lstFluff.empty()) return;
  const Rect room = parseRoomDressing(map().model().lstFluff.front()).rect;
  const int x = (room.left + room.right) / 2;
  const int y = (room.top + room.bottom) / 2;
  map().onMapMouseMoved(x, y);
  QVERIFY(map().view()->hint().startsWith(QStringLiteral("Room ")));
}

void WindowSessionTest::longSessionKeepsFilesAndMemoryFlat() {
  const QString target = m_work.filePath(QStringLiteral("session.txt"));
  m_dialogs.saveAnswer = target;
  int filesAfterWarmUp = 0;
  long peakAfterWarmUp = 0;
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    Settings settings = m_program->options().settings();
    settings.seed = static_cast<std::uint32_t>(1000 + cycle);
    m_program->options().setSettings(settings);
    QVERIFY2(generateFromOptions(*m_program), qPrintable(m_dialogs.messages.join('\n')));
    hoverFirstRoom();
    map().onSomeTriggered();
    map().onAFewTriggered();
    map().onSaveDressingAsTriggered();
    QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.join('\n')));
    QVERIFY(readFile(target).startsWith("\r\n\r\nRoom 1"));
    map().close();
    QVERIFY(map().model().lstWalls.empty());
    QCoreApplication::processEvents();
    if (cycle == kWarmUp) {
      filesAfterWarmUp = testing::openFileCount();
      peakAfterWarmUp = testing::peakResidentKb();
    }
  }
  const long peakAtEnd = testing::peakResidentKb();
  std::printf(
      "windows: %d open files after %d cycles, %d after %d; peak resident memory %ld kB "
      "and %ld kB\n",
      filesAfterWarmUp, kWarmUp, testing::openFileCount(), kCycles, peakAfterWarmUp, peakAtEnd);
  QCOMPARE(testing::openFileCount(), filesAfterWarmUp);
  QCOMPARE(QDir(m_work.path()).entryList(QDir::Files), QStringList{QStringLiteral("session.txt")});
}

void WindowSessionTest::editorThatCrashesKeepsTheDressing() {
  QVERIFY(generateFromOptions(*m_program));
  const std::vector<std::string> before = report();
  useEditor(QStringLiteral("kill -SEGV $$\n"));
  map().onEditTriggered();
  QVERIFY(m_dialogs.messages.isEmpty());
  QCOMPARE(report(), before);
  // An editor that cannot be started at all is reported and changes nothing.
  qputenv("DELVORA_EDITOR", "/nonexistent-delvora/editor");
  map().onEditTriggered();
  QCOMPARE(m_dialogs.messages.size(), 1);
  QVERIFY(m_dialogs.messages.front().contains(QStringLiteral("DELVORA_EDITOR")));
  QCOMPARE(report(), before);
}

void WindowSessionTest::editorKilledAfterDeletingTheFileKeepsTheDressing() {
  QVERIFY(generateFromOptions(*m_program));
  const std::vector<std::string> before = report();
  const RecordList fluff = map().model().lstFluff;
  useEditor(QStringLiteral("rm -f \"$1\"\nkill -KILL $$\n"));
  map().onEditTriggered();
  QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("Cannot open file DVTemp.txt")});
  QCOMPARE(report(), before);
  QCOMPARE(map().model().lstFluff, fluff);
  QVERIFY(map().isVisible());
}

void WindowSessionTest::dressingFolderRemovedAfterItWasChosen() {
  auto chosen = std::make_unique<QTemporaryDir>();
  QFile file(chosen->filePath(QStringLiteral("Sounds.txt")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("from the chosen folder\r\n");
  file.close();
  m_dialogs.folderAnswer = chosen->path();
  m_program->advanced().onDressingDirClicked();
  QCOMPARE(map().tables().FluffSounds.entries.back(), std::string("from the chosen folder"));

  chosen.reset();
  QVERIFY(generateFromOptions(*m_program));
  QVERIFY(m_dialogs.messages.isEmpty());
  QCOMPARE(map().tables().FluffSounds.entries.size(), std::size_t{34});
  QVERIFY(!map().model().lstWalls.empty());
  QCOMPARE(QDir::currentPath(), m_work.path());
}

void WindowSessionTest::unreadableDressingFileStopsGenerate() {
  QTemporaryDir chosen;
  const QString fifo = chosen.filePath(QStringLiteral("Items.txt"));
  QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
  m_program->advanced().dressingDirEdit()->setText(chosen.path());
  QVERIFY(!generateFromOptions(*m_program));
  QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("Cannot open file ") + fifo});
  QVERIFY(!map().isVisible());
  QVERIFY(map().model().lstWalls.empty());
}

void WindowSessionTest::reportToAFullDeviceOrUnwritableFolder() {
  QVERIFY(generateFromOptions(*m_program));
  QTemporaryDir devices;
  const QString full = fullDevice(devices);
  QVERIFY(!full.isEmpty());
  const QString version = QStringLiteral("/proc/version");
  const QByteArray versionText = readFile(version);
  for (const QString& target : {full, version, QStringLiteral("/proc/delvora.txt")}) {
    m_dialogs.messages.clear();
    m_dialogs.saveAnswer = target;
    map().onSaveDressingAsTriggered();
    QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("Cannot create file ") + target});
    QVERIFY(map().isVisible());
  }
  QVERIFY2(isCharacterDevice(full), "the device was replaced");
  QCOMPARE(readFile(version), versionText);
  QVERIFY(!QFile::exists(QStringLiteral("/proc/delvora.txt")));
}

void WindowSessionTest::pdfThatCannotBeWritten() {
  QVERIFY(generateFromOptions(*m_program));
  for (const QString& target :
       {QStringLiteral("/proc/delvora.pdf"), m_work.filePath(QStringLiteral("missing/map.pdf"))}) {
    qputenv("DELVORA_PRINT_PDF", target.toLocal8Bit());
    const QString message = QStringLiteral("Cannot create file ") + target;
    m_dialogs.messages.clear();
    map().onPrintMap25mmTriggered();
    QCOMPARE(m_dialogs.messages, QStringList{message});
    m_dialogs.messages.clear();
    map().onPrintMapTriggered();
    map().onPrintDressingTriggered();
    QCOMPARE(m_dialogs.messages, (QStringList{message, message}));
    QVERIFY(map().isEnabled());
    QVERIFY(!QFile::exists(target));
  }
}

void WindowSessionTest::pdfOnAFullDiskOrADevice() {
  QVERIFY(generateFromOptions(*m_program));
  // A device in place of the PDF is refused before the job starts and stays as it is.
  QTemporaryDir devices;
  const QString full = fullDevice(devices);
  qputenv("DELVORA_PRINT_PDF", full.toLocal8Bit());
  const QString refused = QStringLiteral("Cannot create file ") + full;
  map().onPrintMap25mmTriggered();
  map().onPrintMapTriggered();
  map().onPrintDressingTriggered();
  QCOMPARE(m_dialogs.messages, (QStringList{refused, refused, refused}));
  QVERIFY2(isCharacterDevice(full), "the device was replaced or removed");

  // A disk that fills up during the job: the PDF is cut short, which is reported, not
  // "Printing Completed!", and the damaged file is removed.
  const QString pdf = m_work.filePath(QStringLiteral("full-disk.pdf"));
  qputenv("DELVORA_PRINT_PDF", pdf.toLocal8Bit());
  const QString cannot = QStringLiteral("Cannot create file ") + pdf;
  {
    const testing::FileSizeLimit disk(2048);
    m_dialogs.messages.clear();
    map().onPrintMap25mmTriggered();
    map().onPrintMapTriggered();
    map().onPrintDressingTriggered();
  }
  QCOMPARE(m_dialogs.messages, (QStringList{cannot, cannot, cannot}));
  QVERIFY(!QFile::exists(pdf));
  QVERIFY(map().isEnabled());
}

QTEST_MAIN(WindowSessionTest)
#include "window_session_test.moc"
