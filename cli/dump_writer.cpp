#include "cli/dump_writer.h"

#include "engine/model_dump.h"
#include "files/atomic_file.h"

namespace delvora {

std::string writeDump(const MapModel& model, const std::string& path,
                      std::ostream& standardOutput) {
  const std::string text = toString(model);
  if (path == "-") {
    standardOutput << text << std::flush;
    if (!standardOutput) return "Cannot write the dump to standard output";
    return "";
  }
  const std::string error = writeFileAtomically(path, text);
  if (!error.empty()) return "Cannot create file " + path + " (" + error + ")";
  return "";
}

}  // namespace delvora
