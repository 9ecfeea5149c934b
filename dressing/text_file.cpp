#include "dressing/report.h"
#include "files/atomic_file.h"

namespace delvora {

std::string writeTextFile(const std::string& path, const std::vector<std::string>& items) {
  AtomicFileWriter file(path);
  bool ok = file.open();
  for (const std::string& item : items) ok = ok && file.write(item) && file.write("\r\n");
  if (ok && file.commit()) return "";
  return "Cannot create file " + path;
}

}  // namespace delvora
