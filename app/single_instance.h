#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace delvora {

// One running copy per user: the first copy listens on a local socket, a later copy connects to
// it to ask it to come to the front and then exits.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QString name, QObject* parent = nullptr);

  // "Delvora-" followed by the user name.
  static QString defaultName();

  // Asks a running copy to come to the front and waits briefly for its answer. True when a
  // running copy was reached: this copy should then exit without creating a window.
  bool signalRunningCopy();

  // Starts listening for later copies. A socket left behind by a crashed copy is removed first.
  bool listen();

 signals:
  void activationRequested();

 private:
  void acceptConnection();

  QString m_name;
  QLocalServer m_server;
};

}  // namespace delvora
