#include "app/single_instance.h"

#include <unistd.h>
#include <QLocalSocket>

namespace delvora {
namespace {

constexpr int kConnectTimeoutMs = 1000;
// The running copy answers once it has come to the front; it may be busy for a moment.
constexpr int kAnswerTimeoutMs = 3000;
constexpr char kActivate[] = "activate\n";
constexpr char kDone[] = "done\n";

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {
  connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

QString SingleInstance::defaultName() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = qEnvironmentVariable("LOGNAME");
  if (user.isEmpty()) user = QString::number(getuid());
  return QStringLiteral("Delvora-") + user;
}

bool SingleInstance::signalRunningCopy() {
  QLocalSocket socket;
  socket.connectToServer(m_name);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(kActivate);
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.waitForReadyRead(kAnswerTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::listen() {
  m_server.setSocketOptions(QLocalServer::UserAccessOption);
  if (m_server.listen(m_name)) return true;
  // Nobody answered on the name (signalRunningCopy came first), so what is there is stale.
  QLocalServer::removeServer(m_name);
  return m_server.listen(m_name);
}

void SingleInstance::acceptConnection() {
  while (QLocalSocket* socket = m_server.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->readAll().startsWith("activate")) return;
      emit activationRequested();
      socket->write(kDone);
      socket->flush();
    });
  }
}

}  // namespace delvora
