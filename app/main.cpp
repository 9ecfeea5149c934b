#include <QApplication>

#include "app/app_identity.h"
#include "app/dialogs.h"
#include "app/options_window.h"
#include "app/program.h"
#include "app/single_instance.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  delvora::setApplicationIdentity();

  delvora::SingleInstance instance(delvora::SingleInstance::defaultName());
  if (instance.signalRunningCopy()) return 0;
  instance.listen();

  delvora::Dialogs dialogs;
  delvora::Program program(dialogs);
  QObject::connect(&instance, &delvora::SingleInstance::activationRequested,
                   [&program] { program.bringToFront(); });
  program.options().show();
  return QApplication::exec();
}
