#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/canvas.h"
#include "engine/map_model.h"

namespace delvora::testing {

// A canvas that only remembers the text it was asked to write.
class RecordingCanvas final : public Canvas {
 public:
  struct Text {
    int x;
    int y;
    std::string text;
    Rgb color;
  };

  void reset(int, int) override {}
  void setPenColor(Rgb) override {}
  void setPenWidth(int width) override { m_penWidth = width; }
  int penWidth() const override { return m_penWidth; }
  void setPenMode(PenMode) override {}
  void setBrushColor(Rgb) override {}
  void setBrushStyle(BrushStyle) override {}
  void setFontColor(Rgb color) override { m_fontColor = color; }
  void rectangle(int, int, int, int) override {}
  void roundRect(int, int, int, int, int, int) override {}
  void moveTo(int, int) override {}
  void lineTo(int, int) override {}
  void drawTile(Tile, int, int) override {}
  void textOut(int x, int y, std::string_view text) override {
    texts.push_back({x, y, std::string(text), m_fontColor});
  }

  std::vector<Text> texts;

 private:
  int m_penWidth = 1;
  Rgb m_fontColor = colors::kBlack;
};

// A fresh directory under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "delvora-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  std::string file(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

// Makes dir the working directory for the guard's lifetime.
class WorkingDirGuard {
 public:
  explicit WorkingDirGuard(const std::filesystem::path& dir)
      : m_previous(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~WorkingDirGuard() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
  }
  WorkingDirGuard(const WorkingDirGuard&) = delete;
  WorkingDirGuard& operator=(const WorkingDirGuard&) = delete;

 private:
  std::filesystem::path m_previous;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// prefix followed by the decimal digits of number ("e" and 3 give "e3").
inline std::string numbered(std::string_view prefix, int number) {
  std::string text(prefix);
  text += std::to_string(number);
  return text;
}

// An empty 800 x 600 map (the grid is large: keep it off the stack).
inline std::unique_ptr<MapModel> emptyModel() {
  auto model = std::make_unique<MapModel>();
  model->grid.clear(800, 600);
  return model;
}

}  // namespace delvora::testing
