#include "app/single_instance.h"

#include <QGuiApplication>
#include <QLocalSocket>
#include <QProcessEnvironment>

#include "app/private_channel.h"

namespace delvora {
namespace {

constexpr int kConnectTimeoutMs = 1000;
// The running copy answers once it has come to the front; it may be busy for a moment.
constexpr int kAnswerTimeoutMs = 3000;
constexpr char kActivate[] = "activate\n";
constexpr char kDone[] = "done\n";

}  // namespace

SingleInstance::SingleInstance(QString path, QObject* parent)
    : QObject(parent), m_path(std::move(path)) {
  connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

QString SingleInstance::defaultPath(QString* problem) {
  const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  const QString folder = privateRuntimeFolder(environment, problem);
  if (folder.isEmpty()) return {};
  return channelPath(folder, displayScope(QGuiApplication::platformName(), environment));
}

bool SingleInstance::signalRunningCopy() {
  if (m_path.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(m_path);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  if (!peerIsThisUser(socket.socketDescriptor())) {
    socket.abort();
    return false;
  }
  socket.write(kActivate);
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.waitForReadyRead(kAnswerTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::listen() {
  if (m_path.isEmpty()) return false;
  m_server.setSocketOptions(QLocalServer::UserAccessOption);
  if (m_server.listen(m_path)) return true;
  // Nobody of this user answered there (signalRunningCopy came first), so what is there is stale.
  QLocalServer::removeServer(m_path);
  return m_server.listen(m_path);
}

void SingleInstance::acceptConnection() {
  while (QLocalSocket* socket = m_server.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!peerIsThisUser(socket->socketDescriptor())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->readAll().startsWith("activate")) return;
      emit activationRequested();
      socket->write(kDone);
      socket->flush();
    });
  }
}

}  // namespace delvora
