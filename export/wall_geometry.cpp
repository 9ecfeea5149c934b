#include "export/wall_geometry.h"

#include <algorithm>
#include <unordered_map>

#include "export/set_flags.h"

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

// Vertical runs open and close where a row's flags differ from the row above's; sorted by column
// they come in straightRuns' order.
std::vector<WallRun> straightRunsByRow(int width, int height, const EdgeRow& vertical,
                                       const EdgeRow& horizontal) {
  std::vector<WallRun> runs;
  const std::size_t edges = static_cast<std::size_t>(std::max(width, 0)) + 1;
  std::vector<int> openFrom(edges, -1);
  std::vector<std::uint8_t> above(edges, 0);
  std::vector<std::uint8_t> here(edges, 0);
  std::vector<std::uint8_t> changed(edges, 0);
  for (int y = 0; y <= height; ++y) {
    if (y < height) {
      vertical(y, here.data());
    } else {
      std::fill(here.begin(), here.end(), std::uint8_t{0});
    }
    for (std::size_t x = 0; x < edges; ++x) changed[x] = above[x] ^ here[x];
    forEachSet(changed.data(), static_cast<int>(edges), [&](int x) {
      int& from = openFrom[static_cast<std::size_t>(x)];
      if (from < 0) {
        from = y;
      } else {
        runs.push_back({{x, from}, {x, y}});
        from = -1;
      }
    });
    std::swap(above, here);
  }
  std::sort(runs.begin(), runs.end(), [](const WallRun& a, const WallRun& b) {
    return a.first.x != b.first.x ? a.first.x < b.first.x : a.first.y < b.first.y;
  });
  std::vector<std::uint8_t> flags(edges, 0);
  for (int y = 0; y <= height; ++y) {
    horizontal(y, flags.data());
    int from = -1;
    int last = -2;
    forEachSet(flags.data(), width, [&](int x) {
      if (x != last + 1) {
        if (from >= 0) runs.push_back({{from, y}, {last + 1, y}});
        from = x;
      }
      last = x;
    });
    if (from >= 0) runs.push_back({{from, y}, {last + 1, y}});
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

// Which ends meet at a junction does not matter for an even-odd fill.
std::vector<WallPolyline> closeLoops(std::vector<WallPolyline> lines) {
  std::vector<WallPolyline> loops;
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> ends;
  std::vector<bool> used(lines.size(), false);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() > 1 && lines[i].front() == lines[i].back()) {
      loops.push_back(std::move(lines[i]));
      used[i] = true;
      continue;
    }
    ends[pointKey(lines[i].front())].push_back(i);
    ends[pointKey(lines[i].back())].push_back(i);
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (used[i]) continue;
    used[i] = true;
    WallPolyline loop = lines[i];
    for (;;) {
      std::size_t next = lines.size();
      for (const std::size_t j : ends[pointKey(loop.back())]) {
        if (!used[j]) next = j;
      }
      if (next == lines.size()) break;
      used[next] = true;
      WallPolyline piece = lines[next];
      if (piece.front() != loop.back()) std::reverse(piece.begin(), piece.end());
      loop.insert(loop.end(), piece.begin() + 1, piece.end());
    }
    if (loop.front() != loop.back()) loop.push_back(loop.front());
    loops.push_back(std::move(loop));
  }
  return loops;
}

}  // namespace delvora
