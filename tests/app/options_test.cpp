// The option windows: defaults, the "Number Rooms" rule, the percentage edits, the dressing
// directory and the dressing file editor.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include "app/about_window.h"
#include "app/advanced_window.h"
#include "app/app_identity.h"
#include "app/design_layout.h"
#include "app/dialogs.h"
#include "app/editor_launcher.h"
#include "app/help_viewer.h"
#include "app/map_window.h"
#include "app/options_window.h"
#include "app/percent_edit.h"
#include "app/program.h"
#include "app_test_support.h"
#include "tests/support/largest_settings.h"
#include "version/version.h"

using namespace delvora;

Q_DECLARE_METATYPE(delvora::Settings)

class OptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void defaultsAreTheEngineDefaults();
  void settingsRoundTrip_data();
  void settingsRoundTrip();
  void dressingNeedsNumberedRooms();
  void listsHoldTheirEntries();
  void numberRoomsGovernsDressing();
  void captionFollowsTitle_data();
  void captionFollowsTitle();
  void percentEditFiltersAndClamps_data();
  void percentEditFiltersAndClamps();
  void percentEditSelectsAllWithCtrlA();
  void percentSpinStaysInRange();
  void corridorStairsFlagFollowsBox();
  void folderChoiceReloadsOrChangesNothing();
  void folderMustLieInsideRoot_data();
  void folderMustLieInsideRoot();
  void editOpensTheLoadersFile();
  void editorChoice_data();
  void editorChoice();
  void editorFailureSaysWhatToDo();
  void helpShowsTheGuideOrNamesTheFile();
  void helpFileLookupOrder();
  void identityMatchesTheDesktopEntry();
  void guideCoversEveryMenuCommand();
  void windowsHaveTheirDesignSizes_data();
  void windowsHaveTheirDesignSizes();
  void percentShowsTheValueUsed_data();
  void percentShowsTheValueUsed();
  void aboutClosesByOkEscapeOrTitleBar();
  void fileDialogsKeepNoHistory();
  void enterInTheTitleGenerates();
  void shutdownDeletesTheEditingFile();

 private:
  QTemporaryDir m_work;
  FakeDialogs m_dialogs;
  std::unique_ptr<Program> m_program;
};

void OptionsTest::initTestCase() {
  QVERIFY(m_work.isValid());
  QVERIFY(QDir::setCurrent(m_work.path()));
  m_program = std::make_unique<Program>(m_dialogs);
}

void OptionsTest::defaultsAreTheEngineDefaults() {
  Settings shown = m_program->options().settings();
  QCOMPARE(QString::fromStdString(shown.dressingDir), QDir::currentPath());
  shown.dressingDir.clear();
  QVERIFY(shown == Settings{});
  // The seed is shown masked and cannot be edited; "Snap to Grid" cannot be changed.
  QCOMPARE(m_program->options().seedEdit()->text(), QStringLiteral("########"));
  QVERIFY(!m_program->options().seedEdit()->isEnabled());
  QVERIFY(!m_program->advanced().snapBox()->isEnabled());
}

void OptionsTest::settingsRoundTrip_data() {
  QTest::addColumn<Settings>("settings");
  Settings largest = testing::largestSettings();
  largest.concealedPercent = 20;
  largest.secretPercent = 0;
  largest.title = "The Vault";
  QTest::newRow("largest") << largest;
  Settings plain;
  plain.seed = 7;
  plain.mapSizeIndex = MapSizeIndex::Size640x480;
  plain.iterations = 100;
  plain.roomSize = RoomSize::Tiny;
  plain.corridorStyle = CorridorStyle::Twisty;
  plain.numberRooms = false;
  plain.dressing = false;
  plain.drawGrid = false;
  plain.showBackground = false;
  plain.corridorStairs = false;
  plain.useInternalDressing = false;
  plain.title = "  ";
  QTest::newRow("everything off") << plain;
  Settings medium;
  medium.seed = 4294967295u;
  medium.roomSize = RoomSize::Medium;
  medium.stairs = 4;
  medium.dressRoll = 3;
  medium.concealedPercent = 0;
  medium.secretPercent = 19;
  medium.title = "Crypt \xc3\xa9";
  QTest::newRow("medium, largest seed") << medium;
}

void OptionsTest::settingsRoundTrip() {
  QFETCH(Settings, settings);
  settings.dressingDir = QDir::currentPath().toStdString();
  OptionsWindow& options = m_program->options();
  options.setSettings(settings);
  QVERIFY(options.settings() == settings);
  options.setSettings(Settings{});
  QVERIFY(options.settings().title.empty());
}

void OptionsTest::dressingNeedsNumberedRooms() {
  Settings settings;
  settings.numberRooms = false;
  settings.dressing = true;
  OptionsWindow& options = m_program->options();
  options.setSettings(settings);
  QVERIFY(!options.settings().dressing);
  QVERIFY(!options.dressingBox()->isEnabled());
  options.setSettings(Settings{});
  QVERIFY(options.dressingBox()->isEnabled() && options.dressingBox()->isChecked());
}

void OptionsTest::listsHoldTheirEntries() {
  const auto entries = [](const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    return texts.join(u',');
  };
  OptionsWindow& options = m_program->options();
  QCOMPARE(entries(options.mapSizeList()), QStringLiteral("640x480,800x600,1024x768,1280x1024"));
  QCOMPARE(entries(options.iterationsList()),
           QStringLiteral("100,250,500,750,1000,1500,2000,2500,3000"));
  QCOMPARE(entries(options.stairsList()), QStringLiteral("0,1,2,3,4,5,6,7,8,9,10"));
  QCOMPARE(entries(m_program->advanced().dressRollList()), QStringLiteral("1,2,3,4,5,6"));
}

void OptionsTest::numberRoomsGovernsDressing() {
  QCheckBox* numberRooms = m_program->options().numberRoomsBox();
  QCheckBox* dressing = m_program->options().dressingBox();
  QVERIFY(numberRooms->isChecked() && dressing->isChecked());
  QTest::mouseClick(numberRooms, Qt::LeftButton);
  QVERIFY(!numberRooms->isChecked());
  QVERIFY(!dressing->isChecked());
  QVERIFY(!dressing->isEnabled());
  QVERIFY(!m_program->options().settings().dressing);
  QTest::mouseClick(numberRooms, Qt::LeftButton);
  QVERIFY(dressing->isEnabled());
  QVERIFY2(!dressing->isChecked(), "checking Number Rooms must not check Dressing");
  dressing->setChecked(true);
}

void OptionsTest::captionFollowsTitle_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("caption");
  QTest::newRow("empty") << QString() << QStringLiteral("Delvora Demo - Untitled");
  QTest::newRow("blanks kept") << QStringLiteral("  ") << QStringLiteral("Delvora Demo -   ");
  QTest::newRow("title") << QStringLiteral("Crypt") << QStringLiteral("Delvora Demo - Crypt");
}

void OptionsTest::captionFollowsTitle() {
  QFETCH(QString, title);
  QFETCH(QString, caption);
  QCOMPARE(QString::fromStdString(mapCaption(title.toStdString())), caption);
}

void OptionsTest::percentEditFiltersAndClamps_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("whileTyping");
  QTest::addColumn<QString>("afterLeaving");
  QTest::newRow("seven") << QStringLiteral("7") << QStringLiteral("7") << QStringLiteral("7");
  QTest::newRow("above 20") << QStringLiteral("25") << QStringLiteral("25") << QStringLiteral("20");
  QTest::newRow("twenty") << QStringLiteral("20") << QStringLiteral("20") << QStringLiteral("20");
  QTest::newRow("empty") << QString() << QString() << QStringLiteral("0");
  QTest::newRow("letters dropped")
      << QStringLiteral("a1b") << QStringLiteral("1") << QStringLiteral("1");
  QTest::newRow("two characters at most")
      << QStringLiteral("123") << QStringLiteral("12") << QStringLiteral("12");
  QTest::newRow("minus dropped") << QStringLiteral("-5") << QStringLiteral("5")
                                 << QStringLiteral("5");
}

void OptionsTest::percentEditFiltersAndClamps() {
  QFETCH(QString, typed);
  QFETCH(QString, whileTyping);
  QFETCH(QString, afterLeaving);
  AdvancedWindow& advanced = m_program->advanced();
  if (!advanced.isVisible()) {
    advanced.show();
    advanced.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&advanced));
  }
  PercentEdit* edit = advanced.concealedEdit();
  edit->setFocus();
  edit->setValue({});
  QTest::keyClicks(edit, typed);
  QCOMPARE(edit->value(), whileTyping);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, whileTyping.right(1));
  QCOMPARE(edit->value(), whileTyping);
  advanced.secretEdit()->setFocus(Qt::TabFocusReason);
  QCOMPARE(edit->value(), afterLeaving);
  QCOMPARE(advanced.concealedEdit()->percent(), afterLeaving.toInt());
  edit->setValue(QStringLiteral("13"));
}

void OptionsTest::percentEditSelectsAllWithCtrlA() {
  for (PercentEdit* edit :
       {m_program->advanced().concealedEdit(), m_program->advanced().secretEdit()}) {
    auto* field = edit->findChild<QLineEdit*>();
    QVERIFY(field != nullptr);
    edit->setValue(QStringLiteral("13"));
    field->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(field->selectedText(), QStringLiteral("13"));
    // What is typed next replaces the selection; other control keys are still filtered.
    QTest::keyClick(edit, Qt::Key_7);
    QCOMPARE(edit->value(), QStringLiteral("7"));
    QTest::keyClick(edit, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(edit->value(), QStringLiteral("7"));
    edit->setValue(edit == m_program->advanced().concealedEdit() ? QStringLiteral("13")
                                                                 : QStringLiteral("3"));
  }
}

void OptionsTest::percentSpinStaysInRange() {
  PercentEdit* edit = m_program->advanced().secretEdit();
  edit->setValue(QStringLiteral("19"));
  edit->stepBy(1);
  edit->stepBy(1);
  QCOMPARE(edit->value(), QStringLiteral("20"));
  edit->setValue(QStringLiteral("1"));
  edit->stepBy(-3);
  QCOMPARE(edit->value(), QStringLiteral("0"));
  // Until the field is left the engine still never sees more than 20.
  edit->setValue(QStringLiteral("99"));
  QCOMPARE(m_program->options().settings().secretPercent, 20);
  edit->setValue(QStringLiteral("3"));
}

void OptionsTest::corridorStairsFlagFollowsBox() {
  QCheckBox* box = m_program->advanced().corridorStairsBox();
  box->setChecked(false);
  QVERIFY(!m_program->options().settings().corridorStairs);
  box->setChecked(true);
  QVERIFY(m_program->options().settings().corridorStairs);
}

void OptionsTest::folderChoiceReloadsOrChangesNothing() {
  AdvancedWindow& advanced = m_program->advanced();
  QSignalSpy reloads(&advanced, &AdvancedWindow::dressingDirChosen);
  const QString before = advanced.dressingDirEdit()->text();
  m_dialogs.folderAnswer.reset();
  advanced.onDressingDirClicked();
  QCOMPARE(m_dialogs.lastFolderTitle, QStringLiteral("Select Dressing Path"));
  QCOMPARE(m_dialogs.lastFolderRoot, QDir::currentPath());
  QCOMPARE(advanced.dressingDirEdit()->text(), before);
  QCOMPARE(reloads.count(), 0);

  QVERIFY(QDir(m_work.path()).mkpath(QStringLiteral("tables")));
  const QString chosen = m_work.filePath(QStringLiteral("tables"));
  m_dialogs.folderAnswer = chosen;
  advanced.onDressingDirClicked();
  QCOMPARE(QDir::fromNativeSeparators(advanced.dressingDirEdit()->text()), chosen);
  QCOMPARE(reloads.count(), 1);
  QCOMPARE(QString::fromStdString(m_program->options().settings().dressingDir), chosen);
  advanced.dressingDirEdit()->setText(before);
}

void OptionsTest::folderMustLieInsideRoot_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<bool>("inside");
  QTest::newRow("root itself") << QStringLiteral("/data/maps") << true;
  QTest::newRow("below") << QStringLiteral("/data/maps/old/tables") << true;
  QTest::newRow("parent") << QStringLiteral("/data") << false;
  QTest::newRow("sibling with the same prefix") << QStringLiteral("/data/maps2") << false;
  QTest::newRow("dot-dot out") << QStringLiteral("/data/maps/../other") << false;
}

void OptionsTest::folderMustLieInsideRoot() {
  QFETCH(QString, path);
  QFETCH(bool, inside);
  QCOMPARE(isInsideFolder(path, QStringLiteral("/data/maps")), inside);
}

void OptionsTest::editOpensTheLoadersFile() {
  QTemporaryDir scripts;
  QVERIFY(QDir(m_work.path()).mkpath(QStringLiteral("dress")));
  const QString dressDir = m_work.filePath(QStringLiteral("dress"));
  QFile lower(dressDir + QStringLiteral("/traps.txt"));
  QVERIFY(lower.open(QIODevice::WriteOnly));
  lower.close();
  const QString log = scripts.filePath(QStringLiteral("log"));
  const QString editor = writeScript(scripts, QStringLiteral("editor"),
                                     QStringLiteral("echo \"$PWD|$*\" >> '%1'\n").arg(log));
  qputenv("DELVORA_EDITOR", editor.toLocal8Bit());
  AdvancedWindow& advanced = m_program->advanced();
  const QString before = advanced.dressingDirEdit()->text();
  advanced.dressingDirEdit()->setText(dressDir);

  advanced.fileButton(4)->setChecked(true);  // Traps: the existing lower-case file
  advanced.onEditClicked();
  advanced.fileButton(1)->setChecked(true);  // Sounds: missing, made under the loader's name
  advanced.onEditClicked();
  QVERIFY(advanced.editButton()->isEnabled());
  QCOMPARE(QString::fromUtf8(readFile(log)),
           QStringLiteral("%1|traps.txt\n%1|Sounds.txt\n").arg(dressDir));
  QVERIFY(QFile::exists(dressDir + QStringLiteral("/Sounds.txt")));

  // An editor that cannot be started is reported, naming the command that failed.
  qputenv("DELVORA_EDITOR", "/nonexistent/editor --wait");
  advanced.onEditClicked();
  QVERIFY(advanced.editButton()->isEnabled());
  QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("The text editor \"/nonexistent/editor "
                                                          "--wait\" (DELVORA_EDITOR) could not be "
                                                          "started.")});
  m_dialogs.messages.clear();
  qunsetenv("DELVORA_EDITOR");
  advanced.dressingDirEdit()->setText(before);
  advanced.fileButton(0)->setChecked(true);
}

void OptionsTest::editorChoice_data() {
  QTest::addColumn<QStringList>("variables");
  QTest::addColumn<QStringList>("programs");
  QTest::addColumn<bool>("terminal");
  QTest::addColumn<QString>("command");
  const QStringList desktop = {QStringLiteral("gedit"), QStringLiteral("kate")};
  QTest::newRow("own choice with its arguments")
      << QStringList{QStringLiteral("DELVORA_EDITOR=kate --block")} << desktop << false
      << QStringLiteral("/usr/bin/kate --block");
  QTest::newRow("own choice missing: no other editor")
      << QStringList{QStringLiteral("DELVORA_EDITOR=/opt/none/editor")} << desktop << false
      << QString();
  QTest::newRow("desktop editor before $EDITOR")
      << QStringList{QStringLiteral("EDITOR=nano")}
      << QStringList{QStringLiteral("nano"), QStringLiteral("kate")} << false
      << QStringLiteral("/usr/bin/kate --block");
  QTest::newRow("terminal editor in a terminal")
      << QStringList{QStringLiteral("EDITOR=vi")} << QStringList{QStringLiteral("vi")} << true
      << QStringLiteral("/usr/bin/vi");
  QTest::newRow("terminal editor without a terminal")
      << QStringList{QStringLiteral("EDITOR=vi")} << QStringList{QStringLiteral("vi")} << false
      << QString();
  QTest::newRow("terminal editor in a terminal emulator")
      << QStringList{QStringLiteral("VISUAL=nano -w")}
      << QStringList{QStringLiteral("nano"), QStringLiteral("x-terminal-emulator")} << false
      << QStringLiteral("/usr/bin/x-terminal-emulator -e /usr/bin/nano -w");
  QTest::newRow("skipped $VISUAL leaves $EDITOR")
      << QStringList{QStringLiteral("VISUAL=vim"), QStringLiteral("EDITOR=xed")}
      << QStringList{QStringLiteral("vim"), QStringLiteral("xed")} << false
      << QStringLiteral("/usr/bin/xed");
  QTest::newRow("emacs kept in the terminal")
      << QStringList{QStringLiteral("EDITOR=emacs -nw")} << QStringList{QStringLiteral("emacs")}
      << false << QString();
  QTest::newRow("own choice of a terminal editor, no terminal")
      << QStringList{QStringLiteral("DELVORA_EDITOR=vim"), QStringLiteral("EDITOR=xed")}
      << QStringList{QStringLiteral("vim"), QStringLiteral("xed")} << false << QString();
  QTest::newRow("nothing at all") << QStringList{} << QStringList{} << true << QString();
}

void OptionsTest::editorChoice() {
  QFETCH(QStringList, variables);
  QFETCH(QStringList, programs);
  QFETCH(bool, terminal);
  QFETCH(QString, command);
  EditorEnvironment environment;
  environment.variable = [&variables](const char* name) {
    const QString prefix = QString::fromLatin1(name) + u'=';
    for (const QString& variable : variables) {
      if (variable.startsWith(prefix)) return variable.mid(prefix.size());
    }
    return QString();
  };
  environment.findExecutable = [&programs](const QString& program) {
    const QString name = program.startsWith(QStringLiteral("/usr/bin/")) ? program.mid(9) : program;
    return programs.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
  };
  environment.hasTerminal = terminal;
  const EditorCommand editor = findEditor(environment);
  QCOMPARE((QStringList{editor.program} + editor.arguments).join(u' ').trimmed(), command);
}

void OptionsTest::editorFailureSaysWhatToDo() {
  EditorEnvironment environment;
  QString chosen;
  environment.variable = [&chosen](const char* name) {
    return QLatin1String(name) == QLatin1String("DELVORA_EDITOR") ? chosen : QString();
  };
  // Without a choice of their own the user learns how to make one ...
  for (const QString& unset : {QString(), QStringLiteral("  ")}) {
    chosen = unset;
    QCOMPARE(editorFailureMessage(environment), QString::fromLatin1(kNoEditorMessage));
  }
  // ... with one, which command failed.
  chosen = QStringLiteral(" mousepad --disable-server ");
  QCOMPARE(
      editorFailureMessage(environment),
      QStringLiteral(
          "The text editor \"mousepad --disable-server\" (DELVORA_EDITOR) could not be started."));
}

void OptionsTest::helpShowsTheGuideOrNamesTheFile() {
  m_dialogs.messages.clear();
  QFile::remove(QStringLiteral("Delvora.HLP"));
  if (findHelpFile().isEmpty()) {
    m_program->options().onHelpTriggered();
    QCOMPARE(m_dialogs.messages,
             QStringList{QStringLiteral("Cannot find the help file Delvora.HLP")});
  }
  QVERIFY(QFile::copy(QStringLiteral(DELVORA_HELP_SOURCE), QStringLiteral("Delvora.HLP")));
  QCOMPARE(findHelpFile(), QDir::current().absoluteFilePath(QStringLiteral("Delvora.HLP")));
  m_dialogs.messages.clear();
  m_program->options().onHelpTriggered();
  QVERIFY(m_dialogs.messages.isEmpty());
  HelpViewer* viewer = m_program->options().helpViewer();
  QVERIFY(viewer != nullptr);
  QVERIFY(viewer->isVisible());
  QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("Delvora user guide")));
  viewer->hide();
}

void OptionsTest::helpFileLookupOrder() {
  // An installed tree: <prefix>/bin/delvora and <prefix>/share/delvora/Delvora.HLP.
  const QTemporaryDir prefix;
  const QTemporaryDir working;
  QVERIFY(prefix.isValid() && working.isValid());
  const QDir root(prefix.path());
  QVERIFY(root.mkpath(QStringLiteral("bin")) && root.mkpath(QStringLiteral("share/delvora")));
  const QString programDir = root.filePath(QStringLiteral("bin"));
  const QString installed = root.filePath(QStringLiteral("share/delvora/Delvora.HLP"));
  QVERIFY(QFile::copy(QStringLiteral(DELVORA_HELP_SOURCE), installed));
  const QString before = QDir::currentPath();
  QVERIFY(QDir::setCurrent(working.path()));

  QCOMPARE(findHelpFile(QStringLiteral("Delvora.HLP"), programDir),
           QFileInfo(installed).absoluteFilePath());
  const QString beside = QDir(programDir).filePath(QStringLiteral("Delvora.HLP"));
  QVERIFY(QFile::copy(installed, beside));
  QCOMPARE(findHelpFile(QStringLiteral("Delvora.HLP"), programDir), beside);
  QVERIFY(QFile::copy(installed, QStringLiteral("Delvora.HLP")));
  QCOMPARE(findHelpFile(QStringLiteral("Delvora.HLP"), programDir),
           QDir(working.path()).absoluteFilePath(QStringLiteral("Delvora.HLP")));
  QVERIFY(findHelpFile(QStringLiteral("Missing.HLP"), programDir).isEmpty());

  QVERIFY(QDir::setCurrent(before));
}

void OptionsTest::identityMatchesTheDesktopEntry() {
  setApplicationIdentity();
  QSettings entry(QStringLiteral(DELVORA_DESKTOP_FILE), QSettings::IniFormat);
  entry.beginGroup(QStringLiteral("Desktop Entry"));
  QCOMPARE(entry.value(QStringLiteral("StartupWMClass")).toString(),
           QCoreApplication::applicationName());
  QCOMPARE(entry.value(QStringLiteral("Icon")).toString(), QString::fromLatin1(kDesktopId));
  QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopId));

  const QIcon icon = QApplication::windowIcon();
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
    QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
  }
  QVERIFY(m_program->options().windowIcon().cacheKey() == icon.cacheKey());
}

void OptionsTest::guideCoversEveryMenuCommand() {
  QFile file(QStringLiteral(DELVORA_HELP_SOURCE));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QTextDocument guide;
  guide.setHtml(QString::fromUtf8(file.readAll()));
  const QString text = guide.toPlainText();
  QStringList commands;
  for (QWidget* window :
       {static_cast<QWidget*>(&m_program->options()), static_cast<QWidget*>(&m_program->map())}) {
    for (const QAction* item : window->findChildren<QAction*>()) {
      // The captions without their mnemonics' markers.
      if (!item->text().isEmpty() && !item->isSeparator())
        commands << QString(item->text()).remove(u'&');
    }
  }
  QVERIFY(commands.contains(QStringLiteral("Print Map 25mm Scale")));
  commands << QStringLiteral("DELVORA_PRINT_PDF") << QStringLiteral("PDF");
  for (const QString& command : commands) {
    QVERIFY2(text.contains(command), qPrintable(command + QStringLiteral(" is not in the guide")));
  }
}

void OptionsTest::windowsHaveTheirDesignSizes_data() {
  QTest::addColumn<QString>("window");
  QTest::newRow("options") << QStringLiteral("options");
  QTest::newRow("advanced") << QStringLiteral("advanced");
}

void OptionsTest::windowsHaveTheirDesignSizes() {
  QFETCH(QString, window);
  const bool options = window == QStringLiteral("options");
  QWidget* shown = options ? static_cast<QWidget*>(&m_program->options())
                           : static_cast<QWidget*>(&m_program->advanced());
  // The options window's client area lies below its menu bar.
  QWidget* client = options ? m_program->options().centralWidget() : shown;
  const DesignLayout design(*shown);
  const QSize expected =
      options ? design.size(OptionsWindow::kClientWidth, OptionsWindow::kClientHeight)
              : design.size(AdvancedWindow::kClientWidth, AdvancedWindow::kClientHeight);
  QCOMPARE(client->size(), expected);
  // Fixed size, and no maximise button.
  QCOMPARE(shown->minimumSize(), shown->maximumSize());
  QVERIFY(!(shown->windowFlags() & Qt::WindowMaximizeButtonHint));
  QVERIFY(shown->windowFlags() & Qt::WindowMinimizeButtonHint);
  QCOMPARE(shown->font().family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());

  // Every control lies inside its parent, overlaps none of its siblings and shows all its text.
  const QList<QWidget*> controls = client->findChildren<QWidget*>();
  for (const QWidget* control : controls) {
    if (!control->isVisibleTo(shown) || control->parentWidget()->inherits("QComboBox") ||
        control->parentWidget()->inherits("QAbstractSpinBox") || control->isWindow()) {
      continue;
    }
    const QString name = control->metaObject()->className() + QStringLiteral(" ") +
                         control->property("text").toString() +
                         control->property("title").toString();
    QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(name));
    QVERIFY2(textFits(*control), qPrintable(name + QStringLiteral(" is cut off")));
    for (const QWidget* other : controls) {
      if (other != control && other->parentWidget() == control->parentWidget() &&
          other->isVisibleTo(shown)) {
        QVERIFY2(!control->geometry().intersects(other->geometry()), qPrintable(name));
      }
    }
  }
}

void OptionsTest::percentShowsTheValueUsed_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("closedBy");
  QTest::addColumn<QString>("shown");
  QTest::newRow("Enter") << QStringLiteral("99") << QStringLiteral("enter") << QStringLiteral("20");
  QTest::newRow("Escape") << QStringLiteral("25") << QStringLiteral("escape")
                          << QStringLiteral("20");
  QTest::newRow("title bar") << QString() << QStringLiteral("close") << QStringLiteral("0");
  QTest::newRow("in range") << QStringLiteral("7") << QStringLiteral("enter")
                            << QStringLiteral("7");
}

void OptionsTest::percentShowsTheValueUsed() {
  QFETCH(QString, typed);
  QFETCH(QString, closedBy);
  QFETCH(QString, shown);
  AdvancedWindow& advanced = m_program->advanced();
  advanced.show();
  advanced.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&advanced));
  PercentEdit* edit = advanced.concealedEdit();
  edit->setFocus();
  edit->setValue({});
  QTest::keyClicks(edit, typed);
  if (closedBy == QStringLiteral("enter")) {
    QTest::keyClick(edit, Qt::Key_Return);
  } else if (closedBy == QStringLiteral("escape")) {
    QTest::keyClick(edit, Qt::Key_Escape);
  } else {
    advanced.close();
  }
  QTRY_VERIFY(!advanced.isVisible());
  QCOMPARE(edit->value(), shown);
  QCOMPARE(m_program->options().settings().concealedPercent, shown.toInt());
  edit->setValue(QStringLiteral("13"));
}

void OptionsTest::aboutClosesByOkEscapeOrTitleBar() {
  AboutWindow& about = m_program->about();
  const Qt::WindowFlags flags = about.windowFlags();
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  for (const Qt::WindowType button : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                      Qt::WindowContextHelpButtonHint}) {
    QVERIFY(!(flags & button));
  }
  // The title bar's close button asks the window to close, as close() does.
  about.show();
  QVERIFY(about.close());
  QVERIFY(!about.isVisible());
  about.show();
  QTest::keyClick(&about, Qt::Key_Escape);
  QVERIFY(!about.isVisible());
  about.show();
  auto* ok = about.findChild<QPushButton*>();
  QVERIFY(ok != nullptr);
  QCOMPARE(ok->text(), QStringLiteral("OK"));
  ok->click();
  QVERIFY(!about.isVisible());
  // The version of this build and the licence, each whole inside the window.
  QCOMPARE(about.versionLabel()->text(),
           QStringLiteral("Version ") + QString::fromLatin1(buildVersion()));
  QVERIFY(about.licenceLabel()->text().contains(QStringLiteral("MIT")));
  for (const QLabel* label : {about.versionLabel(), about.licenceLabel()}) {
    QVERIFY2(about.rect().contains(label->geometry()), qPrintable(label->text()));
  }
}

void OptionsTest::fileDialogsKeepNoHistory() {
  // Qt's own file dialog records its history when it closes; none of it may reach the user's
  // configuration.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  Dialogs dialogs;
  QTimer::singleShot(0, this, [] {
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
  QVERIFY(!dialogs.askSaveFileName(
      nullptr,
      SaveFileRequest{QStringLiteral("txt"), QStringLiteral("Delvora"),
                      QStringLiteral("Text (*.txt)"), true, QStringLiteral("Save Dressing As")}));
  qunsetenv("XDG_CONFIG_HOME");
  QCOMPARE(QDir(config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

void OptionsTest::enterInTheTitleGenerates() {
  OptionsWindow& options = m_program->options();
  options.show();
  options.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&options));
  options.titleEdit()->setFocus();
  bool shown = false;
  QTimer closer;
  connect(&closer, &QTimer::timeout, this, [&] {
    if (!m_program->map().isVisible() || m_program->map().busy()) return;
    shown = true;
    m_program->map().close();
  });
  closer.start(10);
  QTest::keyClick(options.titleEdit(), Qt::Key_Return);
  closer.stop();
  QVERIFY(shown);
  QCOMPARE(m_program->map().windowTitle(), QStringLiteral("Delvora Demo - Untitled"));
}

void OptionsTest::shutdownDeletesTheEditingFile() {
  {
    QFile file(QStringLiteral("DVTemp.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  m_program.reset();
  QVERIFY(!QFile::exists(QStringLiteral("DVTemp.txt")));
  // A missing file is no error.
  Program again(m_dialogs);
}

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
