// One running copy per user and display: the channel lies in a folder only the user can enter,
// a second copy on the same display hands over and exits 0, one on another display opens its
// own window, and nothing another user or a stray file put at the path stops a new copy.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QProcess>
#include <QtTest>
#include <cstring>

#include "app/private_channel.h"
#include "app/single_instance.h"
#include "version/version.h"

using namespace delvora;

namespace {

// The channel folder's environment for a child program: its own private runtime folder and the
// offscreen platform on the display given.
QProcessEnvironment programEnvironment(const QString& runtimeFolder, const QString& display) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("DISPLAY"), display);
  return env;
}

// The socket a program started with programEnvironment listens on.
QString programChannel(const QString& runtimeFolder, const QString& display) {
  QProcessEnvironment env;
  env.insert(QStringLiteral("DISPLAY"), display);
  return channelPath(runtimeFolder, displayScope(QStringLiteral("offscreen"), env));
}

// True once something of this user listens at path (waits up to 15 s).
bool waitForListener(const QString& path) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 15000) {
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(200)) {
      const bool ours = peerIsThisUser(probe.socketDescriptor());
      probe.abort();
      if (ours) return true;
    }
    QTest::qWait(100);
  }
  return false;
}

QString folderMode(const QString& path) {
  struct stat status {};
  if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return QStringLiteral("none");
  return QString::number(status.st_mode & 07777, 8);
}

// A process of user 65534 listening at path, as another user's copy would; it answers
// "activate" with "done" and reports on its pipe whether it was asked. Needs root.
struct ForeignListener {
  pid_t pid = -1;
  int report = -1;

  bool start(const QString& path) {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    const QByteArray name = QFile::encodeName(path);
    pid = ::fork();
    if (pid == 0) {
      ::close(fds[0]);
      const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      std::memcpy(address.sun_path, name.constData(), name.size());
      // Bound while root (the folder is root's), listening as the other user: a peer sees the
      // user that called listen().
      if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
          ::setgid(65534) != 0 || ::setuid(65534) != 0 || ::listen(fd, 4) != 0) {
        ::_exit(1);
      }
      const char ready = 'R';
      (void)!::write(fds[1], &ready, 1);
      for (;;) {
        const int client = ::accept(fd, nullptr, nullptr);
        char buffer[16];
        if (client >= 0 && ::read(client, buffer, sizeof buffer) > 0) {
          const char asked = 'A';
          (void)!::write(fds[1], &asked, 1);
          (void)!::write(client, "done\n", 5);
        }
        if (client >= 0) ::close(client);
      }
    }
    ::close(fds[1]);
    report = fds[0];
    char ready = 0;
    return pid > 0 && ::read(report, &ready, 1) == 1 && ready == 'R';
  }

  // True when a copy asked this listener to come to the front.
  bool wasAsked() {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    char byte = 0;
    bool asked = false;
    while (::read(report, &byte, 1) == 1) asked = asked || byte == 'A';
    ::close(report);
    return asked;
  }
};

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void displayScopes_data();
  void displayScopes();
  void runtimeFolderIsPrivate();
  void peerOfThisUserIsRecognised();
  void secondCopyOnTheDisplayHandsOverAndExits();
  void copyOnAnotherDisplayStays();
  void strayFileAtThePathDoesNotStopTheFirstCopy();
  void anotherUsersSocketIsNeitherAskedNorObeyed();
  void helpAndVersionNeedNoDisplay();

 private:
  QTemporaryDir m_runtime;
};

void SingleInstanceTest::displayScopes_data() {
  QTest::addColumn<QString>("platform");
  QTest::addColumn<QString>("display");
  QTest::addColumn<QString>("waylandDisplay");
  QTest::addColumn<QString>("scope");
  const auto row = [](const char* name, const char* platform, const char* display,
                      const char* waylandDisplay, const char* scope) {
    QTest::newRow(name) << QString::fromLatin1(platform) << QString::fromLatin1(display)
                        << QString::fromLatin1(waylandDisplay) << QString::fromLatin1(scope);
  };
  row("X display", "xcb", ":0", "", "xcb-:0");
  row("X screen of the same display", "xcb", ":0.1", "", "xcb-:0");
  row("another X display", "xcb", ":1", "", "xcb-:1");
  row("remote X display", "xcb", "host/unix:10.0", "", "xcb-host_unix:10");
  row("Wayland", "wayland", ":0", "wayland-1", "wayland-wayland-1");
  row("Wayland socket path", "wayland", "", "/run/user/7/w 2", "wayland-_run_user_7_w_2");
  row("no display", "offscreen", "", "", "offscreen");
}

void SingleInstanceTest::displayScopes() {
  QFETCH(QString, platform);
  QFETCH(QString, display);
  QFETCH(QString, waylandDisplay);
  QFETCH(QString, scope);
  QProcessEnvironment env;
  if (!display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), display);
  if (!waylandDisplay.isEmpty()) env.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay);
  QCOMPARE(displayScope(platform, env), scope);
  QCOMPARE(channelPath(QStringLiteral("/run/user/7"), scope),
           QStringLiteral("/run/user/7/delvora-") + scope);
  // A path too long for a socket address uses a hash of the scope instead.
  const QString longFolder = QStringLiteral("/tmp/") + QString(100, u'x');
  QVERIFY(channelPath(longFolder, scope).size() < longFolder.size() + 30);
}

void SingleInstanceTest::runtimeFolderIsPrivate() {
  QTemporaryDir temp;
  const QByteArray savedTmp = qgetenv("TMPDIR");
  qputenv("TMPDIR", temp.path().toLocal8Bit());
  const QString fallback = temp.filePath(QStringLiteral("delvora-%1").arg(::geteuid()));
  QProcessEnvironment env;
  QString problem;

  // XDG_RUNTIME_DIR as the session makes it.
  QVERIFY(QDir(temp.path()).mkdir(QStringLiteral("run")));
  const QString runtime = temp.filePath(QStringLiteral("run"));
  QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
  QCOMPARE(privateRuntimeFolder(env), runtime);
  QCOMPARE(folderMode(fallback), QStringLiteral("none"));

  // One open to others is not used; the fallback is made for this user alone.
  QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::WriteOther | QFile::ExeOther));
  QCOMPARE(privateRuntimeFolder(env), fallback);
  QCOMPARE(folderMode(fallback), QStringLiteral("700"));
  env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  QCOMPARE(privateRuntimeFolder(env), fallback);

  // A fallback someone opened up or replaced by a link is refused, with the reason.
  QVERIFY(QFile::setPermissions(fallback, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup));
  QVERIFY(privateRuntimeFolder(env, &problem).isEmpty());
  QVERIFY2(problem.contains(QStringLiteral("open to other users")), qPrintable(problem));
  QVERIFY(QDir(fallback).removeRecursively());
  QVERIFY(QFile::link(runtime, fallback));
  QVERIFY(privateRuntimeFolder(env, &problem).isEmpty());
  QVERIFY2(problem.contains(QStringLiteral("symbolic link")), qPrintable(problem));
  // Without a private folder there is no channel, and every start is a first copy.
  SingleInstance none{QString()};
  QVERIFY(!none.signalRunningCopy());
  QVERIFY(!none.listen());
  qputenv("TMPDIR", savedTmp);
}

void SingleInstanceTest::peerOfThisUserIsRecognised() {
  int fds[2];
  QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
  QVERIFY(peerIsThisUser(fds[0]));
  ::close(fds[0]);
  ::close(fds[1]);
  QVERIFY(!peerIsThisUser(-1));
}

void SingleInstanceTest::secondCopyOnTheDisplayHandsOverAndExits() {
  const QString path = programChannel(m_runtime.path(), QStringLiteral(":61"));
  SingleInstance first(path);
  QVERIFY(!first.signalRunningCopy());
  QVERIFY(first.listen());
  QCOMPARE(folderMode(path), QStringLiteral("700"));
  QSignalSpy activations(&first, &SingleInstance::activationRequested);

  QProcess second;
  second.setProcessEnvironment(programEnvironment(m_runtime.path(), QStringLiteral(":61.0")));
  second.start(QStringLiteral(DELVORA_EXECUTABLE), {});
  QVERIFY(second.waitForStarted());
  // The second copy waits for the first copy's answer, so keep the event loop turning.
  QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 15000);
  QCOMPARE(second.exitStatus(), QProcess::NormalExit);
  QCOMPARE(second.exitCode(), 0);
  QCOMPARE(activations.count(), 1);
}

void SingleInstanceTest::copyOnAnotherDisplayStays() {
  QTemporaryDir work;
  QProcess first;
  first.setWorkingDirectory(work.path());
  first.setProcessEnvironment(programEnvironment(m_runtime.path(), QStringLiteral(":71")));
  first.start(QStringLiteral(DELVORA_EXECUTABLE), {});
  QVERIFY(first.waitForStarted());
  QVERIFY(waitForListener(programChannel(m_runtime.path(), QStringLiteral(":71"))));

  QProcess other;
  other.setWorkingDirectory(work.path());
  other.setProcessEnvironment(programEnvironment(m_runtime.path(), QStringLiteral(":72")));
  other.start(QStringLiteral(DELVORA_EXECUTABLE), {});
  QVERIFY(other.waitForStarted());
  QVERIFY(waitForListener(programChannel(m_runtime.path(), QStringLiteral(":72"))));
  QCOMPARE(other.state(), QProcess::Running);

  // Each display's copy answers a start there; both copies stay.
  for (const char* display : {":71", ":72"}) {
    QProcess again;
    again.setWorkingDirectory(work.path());
    again.setProcessEnvironment(programEnvironment(m_runtime.path(), QString::fromLatin1(display)));
    again.start(QStringLiteral(DELVORA_EXECUTABLE), {});
    QVERIFY(again.waitForFinished(15000));
    QCOMPARE(again.exitCode(), 0);
  }
  QCOMPARE(first.state(), QProcess::Running);
  QCOMPARE(other.state(), QProcess::Running);
  for (QProcess* copy : {&first, &other}) {
    copy->terminate();
    QVERIFY(copy->waitForFinished(15000));
  }
}

void SingleInstanceTest::strayFileAtThePathDoesNotStopTheFirstCopy() {
  const QString path = programChannel(m_runtime.path(), QStringLiteral(":81"));
  // A plain file, then a socket nobody listens on (left by a copy that crashed).
  {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a socket");
  }
  QTemporaryDir work;
  QProcess first;
  first.setWorkingDirectory(work.path());
  first.setProcessEnvironment(programEnvironment(m_runtime.path(), QStringLiteral(":81")));
  first.start(QStringLiteral(DELVORA_EXECUTABLE), {});
  QVERIFY(first.waitForStarted());
  QVERIFY(waitForListener(path));
  first.kill();
  QVERIFY(first.waitForFinished(15000));
  QVERIFY(QFile::exists(path));

  SingleInstance next(path);
  QVERIFY2(!next.signalRunningCopy(), "a stale socket must not count as a running copy");
  QVERIFY(next.listen());
  SingleInstance later(path);
  QVERIFY(later.signalRunningCopy());
}

void SingleInstanceTest::anotherUsersSocketIsNeitherAskedNorObeyed() {
  if (::geteuid() != 0) QSKIP("needs root to listen as another user");
  const QString path = programChannel(m_runtime.path(), QStringLiteral(":91"));
  ForeignListener foreign;
  QVERIFY(foreign.start(path));
  SingleInstance copy(path);
  QVERIFY2(!copy.signalRunningCopy(), "another user's socket must not count as a running copy");
  QVERIFY(copy.listen());
  QVERIFY(!foreign.wasAsked());
  QVERIFY(waitForListener(path));
}

void SingleInstanceTest::helpAndVersionNeedNoDisplay() {
  QTemporaryDir runtime;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
  const auto run = [&env](const QString& option) {
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(DELVORA_EXECUTABLE), {option});
    program.waitForFinished(15000);
    return std::make_pair(program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()));
  };
  const auto [versionStatus, version] = run(QStringLiteral("--version"));
  QCOMPARE(versionStatus, 0);
  QCOMPARE(version.section(u'\n', 0, 0),
           QStringLiteral("delvora ") + QString::fromLatin1(buildVersion()));
  QVERIFY(version.contains(QStringLiteral("MIT licence")));
  const auto [helpStatus, help] = run(QStringLiteral("--help"));
  QCOMPARE(helpStatus, 0);
  QVERIFY(help.startsWith(QStringLiteral("Usage: delvora")));
  QVERIFY(help.contains(QStringLiteral("--version")));
  // No window was opened, so no channel either.
  QCOMPARE(QDir(runtime.path()).entryList(QDir::System | QDir::Files), QStringList{});
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
