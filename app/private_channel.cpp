#include "app/private_channel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace delvora {
namespace {

// Empty when path is a real folder (not a link) of this user that nobody else can enter, else
// what is wrong with it.
QString unsafeFolderReason(const QString& path) {
  struct stat status {};
  if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return QStringLiteral("missing");
  if (S_ISLNK(status.st_mode)) return QStringLiteral("a symbolic link");
  if (!S_ISDIR(status.st_mode)) return QStringLiteral("not a folder");
  if (status.st_uid != ::geteuid()) return QStringLiteral("owned by another user");
  if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0) return QStringLiteral("open to other users");
  return {};
}

// The part of a file name that text becomes: characters other than letters, digits, '.', ':',
// '_' and '-' turn into '_'.
QString fileNamePart(QString text) {
  static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9.:_-]"));
  return text.replace(other, QStringLiteral("_"));
}

}  // namespace

QString privateRuntimeFolder(const QProcessEnvironment& environment, QString* problem) {
  QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
  QString reason;
  if (!runtime.isEmpty()) {
    reason = unsafeFolderReason(runtime);
    if (reason.isEmpty()) return runtime;
    reason = QStringLiteral("XDG_RUNTIME_DIR %1 is %2").arg(runtime, reason);
  }
  QString fallback = QDir(QDir::tempPath()).filePath(QStringLiteral("delvora-%1").arg(::geteuid()));
  // mkdir fails on anything already there, which is then checked like a folder made now.
  ::mkdir(QFile::encodeName(fallback).constData(), S_IRWXU);
  const QString fallbackReason = unsafeFolderReason(fallback);
  if (fallbackReason.isEmpty()) return fallback;
  if (problem != nullptr) {
    *problem = (reason.isEmpty() ? QString() : reason + QStringLiteral("; ")) +
               QStringLiteral("%1 is %2").arg(fallback, fallbackReason);
  }
  return {};
}

QString displayScope(const QString& platformName, const QProcessEnvironment& environment) {
  if (platformName == QLatin1String("wayland")) {
    const QString display =
        environment.value(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    return fileNamePart(QStringLiteral("wayland-") + display);
  }
  QString display = environment.value(QStringLiteral("DISPLAY"));
  if (display.isEmpty()) return fileNamePart(platformName);
  static const QRegularExpression screen(QStringLiteral("(:\\d+)\\.\\d+$"));
  display.replace(screen, QStringLiteral("\\1"));
  return fileNamePart(platformName + u'-' + display);
}

QString channelPath(const QString& folder, const QString& scope) {
  QString path = QDir(folder).filePath(QStringLiteral("delvora-") + scope);
  if (QFile::encodeName(path).size() < static_cast<qsizetype>(sizeof(sockaddr_un::sun_path))) {
    return path;
  }
  const QByteArray hash =
      QCryptographicHash::hash(scope.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
  return QDir(folder).filePath(QStringLiteral("delvora-") + QString::fromLatin1(hash));
}

bool peerIsThisUser(qintptr socketDescriptor) {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (::getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) !=
      0) {
    return false;
  }
  return peer.uid == ::geteuid();
}

}  // namespace delvora
