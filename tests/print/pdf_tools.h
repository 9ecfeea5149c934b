#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

// A page of a PDF rendered by pdftoppm: 8-bit RGB, row by row.
struct RenderedPage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

// Page `page` (from 1) of the PDF at dpi, rendered through stem + ".ppm".
inline RenderedPage renderPdfPage(const std::string& pdf, int page, int dpi,
                                  const std::string& stem) {
  runCommand("pdftoppm -r " + std::to_string(dpi) + " -f " + std::to_string(page) + " -l " +
             std::to_string(page) + " -singlefile '" + pdf + "' '" + stem + "'");
  std::ifstream in(stem + ".ppm", std::ios::binary);
  RenderedPage picture;
  std::string magic;
  int max = 0;
  in >> magic >> picture.width >> picture.height >> max;
  in.get();
  picture.rgb.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return picture;
}

}  // namespace delvora::testing
