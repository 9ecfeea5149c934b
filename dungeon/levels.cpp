#include "dungeon/levels.h"

namespace delvora {

std::uint32_t mixSeed(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x85EBCA6BU;
  x ^= x >> 13;
  x *= 0xC2B2AE35U;
  x ^= x >> 16;
  return x;
}

std::uint32_t levelSeed(std::uint32_t seed, int level) {
  if (level <= 1) return seed;
  return mixSeed(seed + 0x9E3779B9U * static_cast<std::uint32_t>(level - 1));
}

std::vector<StairsSpot> downStairs(const MapModel& model) {
  std::vector<StairsSpot> spots;
  for (std::size_t i = 0; i < model.lstStairs.size(); i += 2) {
    const Rect r = parseStairs(model.lstStairs[i]);
    spots.push_back({r.left, r.top});
  }
  return spots;
}

std::string linkProblem(const Settings& settings, int levels) {
  if (levels > 1 && settings.stairs < 1) {
    return "more than one level needs at least one staircase to join them";
  }
  return "";
}

namespace {

// The up staircases of `lower` that stand on the spots of `upper`'s down staircases.
std::vector<StairsLink> linksBetween(int upperNumber, const MapModel& upper,
                                     const MapModel& lower) {
  std::vector<StairsLink> links;
  for (std::size_t down = 0; down < upper.lstStairs.size(); down += 2) {
    const Rect d = parseStairs(upper.lstStairs[down]);
    for (std::size_t up = 1; up < lower.lstStairs.size(); up += 2) {
      if (parseStairs(lower.lstStairs[up]) != d) continue;
      links.push_back({upperNumber, static_cast<int>(down), static_cast<int>(up), {d.left, d.top}});
      break;
    }
  }
  return links;
}

std::string onLevel(int level, int count, const std::string& message) {
  return count > 1 ? "level " + std::to_string(level) + ": " + message : message;
}

}  // namespace

GenerateReport DungeonLevels::generate(const Settings& settings, int count, Audience drawnFor) {
  return generate(settings, DressingSource::fromFolder(settings.dressingDir), count, drawnFor);
}

GenerateReport DungeonLevels::generate(const Settings& settings, const DressingSource& source,
                                       int count, Audience drawnFor) {
  m_levels.clear();
  m_links.clear();
  GenerateReport report;
  if (const std::string problem = linkProblem(settings, count); !problem.empty()) {
    report.error = problem;
    return report;
  }
  for (int number = 1; number <= count; ++number) {
    auto level = std::make_unique<Dungeon>();
    Settings levelSettings = settings;
    levelSettings.seed = levelSeed(settings.seed, number);
    const GenerateReport made =
        number == 1 ? level->generate(levelSettings, source, drawnFor)
                    : level->generateLevel(levelSettings, source,
                                           {downStairs(m_levels.back()->model())}, drawnFor);
    for (const std::string& warning : made.warnings) {
      if (number == 1) report.warnings.push_back(warning);
    }
    report.stairsShortfall += made.stairsShortfall;
    if (!made.ok()) {
      report.error = onLevel(number, count, made.error);
      return report;
    }
    if (number > 1 && made.stairsShortfall > 0) {
      report.error = onLevel(number, count, "could not place every staircase down");
      return report;
    }
    if (count > 1) level->setLevelName("Level " + std::to_string(number));
    if (number > 1) {
      const std::vector<StairsLink> links =
          linksBetween(number - 1, m_levels.back()->model(), level->model());
      m_links.insert(m_links.end(), links.begin(), links.end());
    }
    m_levels.push_back(std::move(level));
  }
  return report;
}

void DungeonLevels::cleanDeadEnds(DeadEndMode mode) {
  for (const auto& level : m_levels) level->cleanDeadEnds(mode);
}

const StairsLink* DungeonLevels::linkOf(int level, int stairsIndex) const {
  for (const StairsLink& link : m_links) {
    const bool down = stairsIndex % 2 == 0;
    if (down && link.upper == level && link.downIndex == stairsIndex) return &link;
    if (!down && link.upper + 1 == level && link.upIndex == stairsIndex) return &link;
  }
  return nullptr;
}

}  // namespace delvora
