#include "app/dressing_warnings.h"

#include <QStringList>

#include "app/qt_text.h"

namespace delvora {

QString dressingWarningText(const LoadResult& result) {
  QStringList lines;
  for (const std::string& warning : result.warnings) lines << fromDressingBytes(warning);
  return lines.join(u'\n');
}

}  // namespace delvora
