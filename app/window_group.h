#pragma once

#include <QObject>

namespace delvora {

// The program's windows minimise and come back as one, whichever of them the user minimises or
// restores: minimising one minimises every other window shown, restoring one restores them all.
// Installed on the application, it follows what the window system reports for any of the
// program's windows (the user's changes), not the changes the program makes itself.
class WindowGroup : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace delvora
