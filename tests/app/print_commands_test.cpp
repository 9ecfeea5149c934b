// The map window's print menu: each command writes its pages, here as a PDF through
// $DELVORA_PRINT_PDF, and reports the 25 mm job's outcome.
#include <QAction>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QtTest>

#include "app/map_window.h"
#include "app/options_window.h"
#include "app/program.h"
#include "app_test_support.h"

using namespace delvora;

namespace {

// The page count pdfinfo reads from a PDF; 0 when it cannot be read.
int pdfPages(const QString& path) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {path});
  if (!info.waitForFinished(30000)) return 0;
  const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
  const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
  const QRegularExpressionMatch match = pages.match(text);
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

}  // namespace

class PrintCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();
  void printMapWritesOneLandscapePage();
  void print25mmWritesEveryPageAndReportsCompletion();
  void printDressingWritesTheDressing();
  void cancelledPdfDialogSaysNothing();
  void pdfThatCannotBeCreatedIsNamed();
  void pdfDialogNamesTheCommandTheMapAndTheFile();
  void dressingCommandsFollowTheDressingOption();

 private:
  MapWindow& map() { return m_program->map(); }
  QString usePdf(const QString& name);

  QTemporaryDir m_work;
  FakeDialogs m_dialogs;
  std::unique_ptr<Program> m_program;
};

void PrintCommandsTest::initTestCase() {
  QVERIFY(m_work.isValid());
  QVERIFY(QDir::setCurrent(m_work.path()));
  m_program = std::make_unique<Program>(m_dialogs);
}

void PrintCommandsTest::cleanup() {
  map().close();
  qunsetenv("DELVORA_PRINT_PDF");
  m_dialogs.messages.clear();
}

QString PrintCommandsTest::usePdf(const QString& name) {
  const QString path = m_work.filePath(name);
  qputenv("DELVORA_PRINT_PDF", path.toLocal8Bit());
  return path;
}

void PrintCommandsTest::printMapWritesOneLandscapePage() {
  const QString pdf = usePdf(QStringLiteral("map.pdf"));
  QVERIFY(generateFromOptions(*m_program));
  map().menu().print->trigger();
  QCOMPARE(pdfPages(pdf), 1);
  QVERIFY(m_dialogs.messages.isEmpty());
}

void PrintCommandsTest::print25mmWritesEveryPageAndReportsCompletion() {
  const QString pdf = usePdf(QStringLiteral("map25.pdf"));
  QVERIFY(generateFromOptions(*m_program));
  map().menu().printMap25mmScale->trigger();
  QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("Printing Completed!")});
  QVERIFY(pdfPages(pdf) > 1);
  QVERIFY(map().isEnabled());
}

void PrintCommandsTest::printDressingWritesTheDressing() {
  const QString pdf = usePdf(QStringLiteral("dressing.pdf"));
  QVERIFY(generateFromOptions(*m_program));
  QVERIFY(map().menu().printDressing->isEnabled());
  map().menu().printDressing->trigger();
  QVERIFY(pdfPages(pdf) >= 1);
  QVERIFY(m_dialogs.messages.isEmpty());
}

void PrintCommandsTest::cancelledPdfDialogSaysNothing() {
  if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this system has a printer");
  QVERIFY(generateFromOptions(*m_program));
  const QStringList before = QDir(m_work.path()).entryList(QDir::Files);
  m_dialogs.saveAnswer.reset();
  m_dialogs.saveAsked = 0;
  map().menu().print->trigger();
  map().menu().printMap25mmScale->trigger();
  map().menu().printDressing->trigger();
  QCOMPARE(m_dialogs.saveAsked, 3);
  QCOMPARE(m_dialogs.lastSaveRequest.defaultSuffix, QStringLiteral("pdf"));
  QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.join(u'\n')));
  QCOMPARE(QDir(m_work.path()).entryList(QDir::Files), before);
  QVERIFY(map().isEnabled());
}

void PrintCommandsTest::pdfThatCannotBeCreatedIsNamed() {
  if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this system has a printer");
  QVERIFY(generateFromOptions(*m_program));
  const QString target = m_work.filePath(QStringLiteral("missing/map.pdf"));
  m_dialogs.saveAnswer = target;
  map().menu().print->trigger();
  map().menu().printMap25mmScale->trigger();
  map().menu().printDressing->trigger();
  const QString cannot = QStringLiteral("Cannot create file ") + target;
  QCOMPARE(m_dialogs.messages, (QStringList{cannot, cannot, cannot}));
  m_dialogs.saveAnswer.reset();
}

void PrintCommandsTest::pdfDialogNamesTheCommandTheMapAndTheFile() {
  if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this system has a printer");
  m_program->options().titleEdit()->setText(QStringLiteral(" The Sunken/Vault "));
  QVERIFY(generateFromOptions(*m_program));
  const struct {
    QAction* command;
    const char* title;
  } cases[] = {{map().menu().print, "Print Map"},
               {map().menu().printMap25mmScale, "Print Map 25mm Scale"},
               {map().menu().printDressing, "Print Dressing"}};
  for (const auto& c : cases) {
    const QString pdf = m_work.filePath(QStringLiteral("%1.pdf").arg(QLatin1String(c.title)));
    m_dialogs.saveAnswer = pdf;
    m_dialogs.messages.clear();
    c.command->trigger();
    QCOMPARE(m_dialogs.lastSaveRequest.title, QString::fromLatin1(c.title));
    // The map's title as a file name: no folder in it, no blanks around it.
    QCOMPARE(m_dialogs.lastSaveRequest.initialName, QStringLiteral("The Sunken-Vault"));
    QCOMPARE(m_dialogs.messages,
             QStringList{QStringLiteral("Printing Completed! Saved as ") + pdf});
    QVERIFY(pdfPages(pdf) >= 1);
  }
  m_dialogs.saveAnswer.reset();
  m_program->options().titleEdit()->clear();
}

void PrintCommandsTest::dressingCommandsFollowTheDressingOption() {
  Settings settings;
  settings.dressing = false;
  m_program->options().setSettings(settings);
  QVERIFY(generateFromOptions(*m_program));
  QVERIFY(!map().menu().printDressing->isEnabled());
  QVERIFY(!map().menu().saveDressingAs->isEnabled());
  QVERIFY(map().menu().print->isEnabled());
  map().close();
  m_program->options().setSettings(Settings{});
}

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
