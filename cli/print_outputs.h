#pragma once

#include <string>
#include <vector>

#include "dungeon/dungeon.h"
#include "print/print_module.h"

namespace delvora {

// Makes the pages of "Print Map", "Print Map 25mm Scale" and "Print Dressing" of the dungeon as
// PDFs through the print module, which is loaded (with Qt) only now. Returns one message per
// failed printout, or one saying the module could not be loaded.
std::vector<std::string> writePrintOutputs(const PrintPaths& paths, const Dungeon& dungeon);

}  // namespace delvora
