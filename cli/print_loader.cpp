#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/print_outputs.h"

namespace delvora {

namespace {

#if DELVORA_CAN_PRINT

// The folder of the running program.
std::filesystem::path programFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
}

// The module beside the program (a build tree), else in the installed module folder.
std::vector<std::filesystem::path> moduleCandidates() {
  const std::filesystem::path folder = programFolder();
  if (folder.empty()) return {};
  return {folder / DELVORA_PRINT_MODULE_NAME,
          (folder / DELVORA_PRINT_MODULE_FROM_BIN / DELVORA_PRINT_MODULE_NAME).lexically_normal()};
}

// Loads the module once for the process; returns its entry point or nullptr with why.
PrintEntryPoint loadPrintModule(std::string& why) {
  why = "the print module " DELVORA_PRINT_MODULE_NAME
        " was not found beside delvora-cli or in "
        "its install folder";
  for (const std::filesystem::path& candidate : moduleCandidates()) {
    std::error_code error;
    if (!std::filesystem::exists(candidate, error)) continue;
    void* const module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      why = std::string("cannot load the print module: ") + ::dlerror();
      return nullptr;
    }
    // The module stays loaded until the process ends: Qt's own clean-up runs at exit.
    auto* const entry = reinterpret_cast<PrintEntryPoint>(::dlsym(module, kPrintEntryPoint));
    if (entry == nullptr) why = "the print module " + candidate.string() + " has no entry point";
    return entry;
  }
  return nullptr;
}

#endif

}  // namespace

std::vector<std::string> writePrintOutputs(const PrintPaths& paths, const Dungeon& dungeon) {
  std::vector<std::string> errors;
  if (!paths.any()) return errors;
#if DELVORA_CAN_PRINT
  std::string why;
  const PrintEntryPoint entry = loadPrintModule(why);
  if (entry == nullptr) {
    errors.push_back("Cannot print: " + why);
    return errors;
  }
  entry(PrintJob{paths, dungeon, errors});
#else
  (void)dungeon;
  errors.push_back("Cannot print: this build of delvora-cli was built without Qt");
#endif
  return errors;
}

}  // namespace delvora
