#include "app/app_identity.h"

#include <QApplication>
#include <QString>

#include "version/version.h"

namespace delvora {

QIcon applicationIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(kDesktopId),
                 QSize(size, size));
  }
  return icon;
}

void setApplicationIdentity() {
  // X11 takes the window class from the application name: it must stay StartupWMClass.
  QApplication::setApplicationName(QStringLiteral("Delvora"));
  QApplication::setApplicationVersion(QString::fromLatin1(buildVersion()));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  QApplication::setWindowIcon(applicationIcon());
}

}  // namespace delvora
