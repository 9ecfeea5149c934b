#pragma once

#include <string>
#include <vector>

#include "dungeon/run_options.h"

namespace delvora {

class Dungeon;

// What delvora-cli hands its print module: the PDFs to write, the dungeon to print (its picture
// as drawn), and where to report failures, one message per failed printout.
struct PrintJob {
  const PrintPaths& paths;
  const Dungeon& dungeon;
  std::vector<std::string>& errors;
};

// The print module's entry point, exported under kPrintEntryPoint. The module is loaded only
// when something is to be printed, so that other runs start without Qt.
using PrintEntryPoint = void (*)(const PrintJob& job);
inline constexpr const char* kPrintEntryPoint = "delvora_write_print_outputs";

}  // namespace delvora
