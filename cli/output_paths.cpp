#include "cli/output_paths.h"

#include <filesystem>
#include <string_view>
#include <utility>

#include "dungeon/foundry_names.h"

namespace delvora {

namespace {

struct OutputFile {
  const OptionRow* row;
  std::string path;
};

// Every file the options write, by the option that writes it.
std::vector<OutputFile> filesWritten(const CliOptions& options) {
  std::vector<OutputFile> files;
  for (const OptionRow& row : optionTable()) {
    if (row.kind != ValueKind::File) continue;
    OptionValue value = row.read(options);
    if (value.text.empty() || value.text == "-") continue;
    if (row.name == "export-foundry") files.push_back({&row, foundryImagePath(value.text)});
    files.push_back({&row, std::move(value.text)});
  }
  return files;
}

std::string normalised(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return (error ? std::filesystem::path(path) : absolute).lexically_normal().string();
}

std::string typedName(const OptionRow* row, const std::vector<GivenOption>& given) {
  std::string typed = optionFlag(*row);
  for (const GivenOption& option : given) {
    if (option.row == row) typed = option.typedAs;
  }
  return typed;
}

}  // namespace

std::vector<const OptionRow*> outputFiles(const CliOptions& options) {
  std::vector<const OptionRow*> files;
  for (const OptionRow& row : optionTable()) {
    if (row.kind != ValueKind::File) continue;
    const std::string path = row.read(options).text;
    if (!path.empty() && path != "-") files.push_back(&row);
  }
  return files;
}

void replaceAll(std::string& text, std::string_view field, std::string_view value) {
  for (std::size_t at = text.find(field); at != std::string::npos;
       at = text.find(field, at + value.size())) {
    text.replace(at, field.size(), value);
  }
}

std::string sameFileError(const CliOptions& options, const std::vector<GivenOption>& given) {
  const std::vector<OutputFile> files = filesWritten(options);
  std::vector<std::string> paths;
  paths.reserve(files.size());
  for (const OutputFile& file : files) paths.push_back(normalised(file.path));
  for (std::size_t i = 0; i < files.size(); ++i) {
    for (std::size_t j = i + 1; j < files.size(); ++j) {
      if (paths[i] != paths[j]) continue;
      // The scene's picture never has the scene's own name, so the options differ.
      return typedName(files[i].row, given) + " and " + typedName(files[j].row, given) +
             " both write " + files[j].path;
    }
  }
  return "";
}

}  // namespace delvora
