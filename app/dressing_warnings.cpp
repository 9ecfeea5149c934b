#include "app/dressing_warnings.h"

#include <QStringList>

#include "app/qt_text.h"

namespace delvora {

QString dressingWarningText(const std::vector<std::string>& warnings) {
  QStringList lines;
  for (const std::string& warning : warnings) lines << fromDressingBytes(warning);
  return lines.join(u'\n');
}

}  // namespace delvora
