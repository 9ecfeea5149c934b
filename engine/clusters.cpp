#include "engine/clusters.h"

#include <algorithm>
#include <numeric>

namespace delvora {

namespace {

class UnionFind {
 public:
  explicit UnionFind(std::size_t size) : m_parent(size) {
    std::iota(m_parent.begin(), m_parent.end(), std::size_t{0});
  }
  std::size_t find(std::size_t i) {
    while (m_parent[i] != i) i = m_parent[i] = m_parent[m_parent[i]];
    return i;
  }
  void join(std::size_t a, std::size_t b) { m_parent[find(a)] = find(b); }

 private:
  std::vector<std::size_t> m_parent;
};

// The door tile's right and bottom are exclusive, a feature's closed rectangle is not.
bool touches(const Rect& tile, const Rect& feature) {
  return tile.left <= feature.right && feature.left < tile.right && tile.top <= feature.bottom &&
         feature.top < tile.bottom;
}

}  // namespace

std::vector<int> featureClusters(const MapModel& model) {
  std::vector<Rect> features;
  features.reserve(model.lstWalls.size());
  for (const std::string& record : model.lstWalls) features.push_back(parseFeature(record).rect);
  UnionFind groups(features.size());
  for (const std::string& record : model.lstDoors) {
    const Rect tile = parseDoor(record).tile;
    std::size_t first = features.size();
    for (std::size_t i = 0; i < features.size(); ++i) {
      if (!touches(tile, features[i])) continue;
      if (first == features.size()) {
        first = i;
      } else {
        groups.join(i, first);
      }
    }
  }
  std::vector<int> numbers(features.size(), -1);
  std::vector<int> numberOfRoot(features.size(), -1);
  int next = 0;
  for (std::size_t i = 0; i < features.size(); ++i) {
    int& number = numberOfRoot[groups.find(i)];
    if (number < 0) number = next++;
    numbers[i] = number;
  }
  return numbers;
}

int clusterCount(const MapModel& model) {
  int count = 0;
  for (const int number : featureClusters(model)) count = std::max(count, number + 1);
  return count;
}

}  // namespace delvora
