#include "cli/output_paths.h"

#include <filesystem>

#include "export/foundry_export.h"

namespace delvora {

namespace {

struct OutputFile {
  std::string_view option;
  std::string path;
};

// Every file the options write, by the option that writes it.
std::vector<OutputFile> filesWritten(const CliOptions& options) {
  std::vector<OutputFile> files = {{"--output", options.pngPath},
                                   {"--report", options.reportPath},
                                   {"--dump", options.dumpPath},
                                   {"--print-map", options.print.map},
                                   {"--print-25mm", options.print.map25mm},
                                   {"--print-dressing", options.print.dressing},
                                   {"--export-uvtt", options.uvttPath},
                                   {"--export-foundry", options.foundryPath},
                                   {"--export-foundry-journal", options.journalPath},
                                   {"--export-json", options.jsonPath}};
  if (!options.foundryPath.empty()) {
    files.push_back({"--export-foundry", foundryImagePath(options.foundryPath)});
  }
  std::erase_if(files,
                [](const OutputFile& file) { return file.path.empty() || file.path == "-"; });
  return files;
}

std::string normalised(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return (error ? std::filesystem::path(path) : absolute).lexically_normal().string();
}

std::string_view typedName(
    std::string_view option,
    const std::vector<std::pair<std::string_view, std::string_view>>& typedNames) {
  std::string_view typed = option;
  for (const auto& [name, given] : typedNames) {
    if (name == option) typed = given;
  }
  return typed;
}

}  // namespace

std::string sameFileError(
    const CliOptions& options,
    const std::vector<std::pair<std::string_view, std::string_view>>& typedNames) {
  const std::vector<OutputFile> files = filesWritten(options);
  std::vector<std::string> paths;
  paths.reserve(files.size());
  for (const OutputFile& file : files) paths.push_back(normalised(file.path));
  for (std::size_t i = 0; i < files.size(); ++i) {
    for (std::size_t j = i + 1; j < files.size(); ++j) {
      if (paths[i] != paths[j]) continue;
      // The scene's picture never has the scene's own name, so the options differ.
      std::string line(typedName(files[i].option, typedNames));
      line += " and ";
      line += typedName(files[j].option, typedNames);
      return line + " both write " + files[j].path;
    }
  }
  return "";
}

}  // namespace delvora
