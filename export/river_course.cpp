#include "export/river_course.h"

#include <memory>

#include "engine/overlays.h"
#include "engine/steps.h"

namespace delvora {

namespace {

// Records the band's strokes and keeps the pen width the walk reads back; draws nothing.
class CourseCanvas final : public Canvas {
 public:
  std::vector<CoursePoint> course;

  void reset(int, int) override {}
  void setPenColor(Rgb) override {}
  void setPenWidth(int width) override { m_penWidth = width; }
  int penWidth() const override { return m_penWidth; }
  void setPenMode(PenMode) override {}
  void setBrushColor(Rgb) override {}
  void setBrushStyle(BrushStyle) override {}
  void setFontColor(Rgb) override {}
  void rectangle(int, int, int, int) override {}
  void roundRect(int, int, int, int, int, int) override {}
  void moveTo(int x, int y) override { course = {{x, y, 0}}; }
  void lineTo(int x, int y) override { course.push_back({x, y, m_penWidth}); }
  void drawTile(Tile, int, int) override {}
  void textOut(int, int, std::string_view) override {}

 private:
  int m_penWidth = 1;
};

}  // namespace

std::vector<CoursePoint> riverCourse(const MapModel& model, const Settings& settings) {
  if (!settings.river) return {};
  // The walk reads only the random source and the map's size and course flag.
  const auto replay = std::make_unique<MapModel>();
  replay->state = model.state;
  restoreOverlayStart(*replay);
  CourseCanvas canvas;
  StepContext ctx{*replay, settings, canvas};
  BuildRiver(ctx);
  return std::move(canvas.course);
}

}  // namespace delvora
