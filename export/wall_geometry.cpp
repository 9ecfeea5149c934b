#include "export/wall_geometry.h"

#include <algorithm>
#include <unordered_map>

namespace delvora {

std::vector<WallRun> straightRuns(int width, int height, const EdgeTest& vertical,
                                  const EdgeTest& horizontal) {
  std::vector<WallRun> runs;
  for (int x = 0; x <= width; ++x) {
    for (int y = 0; y < height;) {
      if (!vertical(x, y)) {
        ++y;
        continue;
      }
      const int start = y;
      while (y < height && vertical(x, y)) ++y;
      runs.push_back({{x, start}, {x, y}});
    }
  }
  for (int y = 0; y <= height; ++y) {
    for (int x = 0; x < width;) {
      if (!horizontal(x, y)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width && horizontal(x, y)) ++x;
      runs.push_back({{start, y}, {x, y}});
    }
  }
  return runs;
}

std::vector<WallPolyline> joinRuns(const std::vector<WallRun>& runs) {
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> ends;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    ends[pointKey(runs[i].first)].push_back(i);
    ends[pointKey(runs[i].second)].push_back(i);
  }
  std::vector<bool> used(runs.size(), false);
  // Follows corners from point, last walked along run; appends the points reached.
  const auto follow = [&](MapPoint point, std::size_t run, WallPolyline& line) {
    for (;;) {
      const std::vector<std::size_t>& here = ends[pointKey(point)];
      if (here.size() != 2) return;
      const std::size_t next = here[0] == run ? here[1] : here[0];
      if (used[next]) return;
      used[next] = true;
      point = runs[next].first == point ? runs[next].second : runs[next].first;
      line.push_back(point);
      run = next;
    }
  };
  std::vector<WallPolyline> lines;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (used[i]) continue;
    used[i] = true;
    WallPolyline forward{runs[i].first, runs[i].second};
    follow(runs[i].second, i, forward);
    WallPolyline backward;
    follow(runs[i].first, i, backward);
    std::reverse(backward.begin(), backward.end());
    backward.insert(backward.end(), forward.begin(), forward.end());
    lines.push_back(std::move(backward));
  }
  return lines;
}

}  // namespace delvora
