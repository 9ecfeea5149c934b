#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace delvora {

// One running copy per user and display: the first copy listens on a local socket in the
// user's private folder, named after the display (private_channel.h); a later copy on the same
// display connects to it to ask it to come to the front and then exits. A peer that runs as
// another user is never answered nor obeyed.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // path: the socket's full path; empty means no channel, and every start is a first copy.
  explicit SingleInstance(QString path, QObject* parent = nullptr);

  // This program's channel for the display it shows on (call after the application object
  // exists); empty, with the reason in *problem, when the user has no private folder.
  static QString defaultPath(QString* problem = nullptr);

  const QString& path() const { return m_path; }

  // Asks a running copy of this user to come to the front and waits briefly for its answer.
  // True when one was reached: this copy should then exit without creating a window.
  bool signalRunningCopy();

  // Starts listening for later copies. Whatever is left at the path (a socket of a crashed copy,
  // any other file) is removed first: the folder is this user's alone.
  bool listen();

 signals:
  void activationRequested();

 private:
  void acceptConnection();

  QString m_path;
  QLocalServer m_server;
};

}  // namespace delvora
