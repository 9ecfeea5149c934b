#include <QApplication>
#include <cstdio>

#include "app/app_identity.h"
#include "app/command_line.h"
#include "app/dialogs.h"
#include "app/options_window.h"
#include "app/program.h"
#include "app/single_instance.h"

int main(int argc, char* argv[]) {
  if (const std::optional<std::string> answer = delvora::answerWithoutWindow(argc, argv)) {
    std::fputs(answer->c_str(), stdout);
    return 0;
  }
  QApplication app(argc, argv);
  delvora::setApplicationIdentity();

  QString problem;
  delvora::SingleInstance instance(delvora::SingleInstance::defaultPath(&problem));
  if (instance.signalRunningCopy()) return 0;
  if (!instance.listen()) {
    if (problem.isEmpty()) problem = QStringLiteral("cannot listen on ") + instance.path();
    std::fprintf(stderr, "delvora: %s; later starts will not find this copy\n",
                 qPrintable(problem));
  }

  delvora::Dialogs dialogs;
  delvora::Program program(dialogs);
  QObject::connect(&instance, &delvora::SingleInstance::activationRequested,
                   [&program] { program.bringToFront(); });
  program.options().show();
  return QApplication::exec();
}
