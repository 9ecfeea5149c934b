// One running copy per user: a second copy hands over and exits 0, a stale socket does not
// stop a new copy.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QtTest>

#include "app/single_instance.h"

using namespace delvora;

namespace {

// A user name of our own, so that the test never meets a real running copy.
QString testUser(const char* tag) {
  return QStringLiteral("delvora-test-%1-%2").arg(QString::fromLatin1(tag)).arg(getpid());
}

QProcessEnvironment programEnvironment(const QString& user) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("USER"), user);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return env;
}

// Leaves a socket file with no listener behind, as a copy that crashed does.
bool makeStaleSocket(const QString& name) {
  const QString path = QDir::temp().filePath(name);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray bytes = QFile::encodeName(path);
  std::memcpy(address.sun_path, bytes.constData(),
              std::min<std::size_t>(bytes.size(), sizeof(address.sun_path) - 1));
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
  ::close(fd);
  return bound && QFile::exists(path);
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void nameIsPerUser();
  void secondProgramHandsOverAndExits();
  void staleSocketDoesNotStopTheFirstCopy();
  void twoProgramsOnlyOneStays();
};

void SingleInstanceTest::nameIsPerUser() {
  qputenv("USER", "someone");
  QCOMPARE(SingleInstance::defaultName(), QStringLiteral("Delvora-someone"));
}

void SingleInstanceTest::secondProgramHandsOverAndExits() {
  const QString user = testUser("handover");
  SingleInstance first(QStringLiteral("Delvora-") + user);
  QVERIFY(!first.signalRunningCopy());
  QVERIFY(first.listen());
  QSignalSpy activations(&first, &SingleInstance::activationRequested);

  QProcess second;
  second.setProcessEnvironment(programEnvironment(user));
  second.start(QStringLiteral(DELVORA_EXECUTABLE), {});
  QVERIFY(second.waitForStarted());
  // The second copy waits for the first copy's answer, so keep the event loop turning.
  QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 15000);
  QCOMPARE(second.exitStatus(), QProcess::NormalExit);
  QCOMPARE(second.exitCode(), 0);
  QCOMPARE(activations.count(), 1);
}

void SingleInstanceTest::staleSocketDoesNotStopTheFirstCopy() {
  const QString name = QStringLiteral("Delvora-") + testUser("stale");
  QVERIFY(makeStaleSocket(name));
  SingleInstance copy(name);
  QVERIFY2(!copy.signalRunningCopy(), "a stale socket must not count as a running copy");
  QVERIFY(copy.listen());
  SingleInstance later(name);
  QVERIFY(later.signalRunningCopy());
}

void SingleInstanceTest::twoProgramsOnlyOneStays() {
  const QString user = testUser("two");
  QTemporaryDir work;
  QProcess first;
  first.setWorkingDirectory(work.path());
  first.setProcessEnvironment(programEnvironment(user));
  first.start(QStringLiteral(DELVORA_EXECUTABLE), {});
  QVERIFY(first.waitForStarted());
  // Wait until the first copy listens.
  QLocalSocket probe;
  QTRY_VERIFY_WITH_TIMEOUT(
      [&] {
        probe.connectToServer(QStringLiteral("Delvora-") + user);
        const bool up = probe.waitForConnected(200);
        probe.abort();
        return up;
      }(),
      15000);

  QProcess second;
  second.setWorkingDirectory(work.path());
  second.setProcessEnvironment(programEnvironment(user));
  second.start(QStringLiteral(DELVORA_EXECUTABLE), {});
  QVERIFY(second.waitForFinished(15000));
  QCOMPARE(second.exitStatus(), QProcess::NormalExit);
  QCOMPARE(second.exitCode(), 0);
  QCOMPARE(first.state(), QProcess::Running);

  first.terminate();
  QVERIFY(first.waitForFinished(15000));
  // Once the first copy has ended, a new copy starts as the first again.
  SingleInstance fresh(QStringLiteral("Delvora-") + user);
  QVERIFY(!fresh.signalRunningCopy());
  QVERIFY(fresh.listen());
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
