#pragma once

#include <cstdio>
#include <string>

namespace delvora::testing {

// Runs a shell command and returns what it printed; a failing command adds its exit status.
inline std::string runCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  const int status = pclose(pipe);
  if (status != 0) output += "\nexit status " + std::to_string(status);
  return output;
}

// One field of pdfinfo's answer for a PDF ("Pages", "Page size" ...); empty when missing.
inline std::string pdfInfoField(const std::string& path, const std::string& field) {
  const std::string info = runCommand("pdfinfo '" + path + "' 2>/dev/null");
  const std::size_t at = info.find(field + ":");
  if (at == std::string::npos) return "";
  const std::size_t start = info.find_first_not_of(' ', at + field.size() + 1);
  return info.substr(start, info.find('\n', start) - start);
}

}  // namespace delvora::testing
