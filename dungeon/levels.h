#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dungeon/dungeon.h"
#include "dungeon/level_limits.h"

namespace delvora {

// The seed of a level, numbered from 1: level 1 has the dungeon's seed; level k below it has
// mixSeed(seed + 0x9E3779B9 * (k - 1)), mixSeed being the 32-bit finalizer below.
std::uint32_t levelSeed(std::uint32_t seed, int level);
// x ^= x >> 16; x *= 0x85EBCA6B; x ^= x >> 13; x *= 0xC2B2AE35; x ^= x >> 16 (modulo 2^32).
std::uint32_t mixSeed(std::uint32_t x);

// The spots of a level's down staircases (even positions of lstStairs), in order.
std::vector<StairsSpot> downStairs(const MapModel& model);

// A staircase down of level `upper` and its partner up on level upper + 1: the same spot.
struct StairsLink {
  // The upper level, from 1.
  int upper = 1;
  // Their positions in the two levels' lstStairs (down even, up odd).
  int downIndex = 0;
  int upIndex = 0;
  StairsSpot spot;
};

// Why `levels` levels of these settings cannot be linked by staircases, for a message; empty
// when they can.
std::string linkProblem(const Settings& settings, int levels);

// A dungeon of several levels joined by stairs. Level 1 is the single-level dungeon of the
// settings; each level below has levelSeed's seed and the same options, and is grown around up
// staircases standing where the level above has its down staircases (Dungeon::generateLevel).
// The last level's down staircases lead further down, beyond the levels made.
class DungeonLevels {
 public:
  // Makes `count` levels (kMinLevels..kMaxLevels). The report is the first failing level's, its
  // error naming the level when there is more than one; a level below the first whose down
  // staircases fall short fails too, as its partners could not be linked.
  GenerateReport generate(const Settings& settings, const DressingSource& source, int count,
                          Audience drawnFor = Audience::GameMaster);
  GenerateReport generate(const Settings& settings, int count,
                          Audience drawnFor = Audience::GameMaster);

  // The same dead-end clean-up on every level.
  void cleanDeadEnds(DeadEndMode mode);

  int count() const { return static_cast<int>(m_levels.size()); }
  // Level `number`, from 1.
  const Dungeon& level(int number) const { return *m_levels.at(number - 1); }
  Dungeon& level(int number) { return *m_levels.at(number - 1); }
  // Every staircase pair, level by level, in the order of the upper level's down staircases.
  const std::vector<StairsLink>& links() const { return m_links; }
  // The link of a staircase of a level: where it leads. Nothing for a down staircase of the last
  // level and the up staircases of level 1.
  const StairsLink* linkOf(int level, int stairsIndex) const;

 private:
  std::vector<std::unique_ptr<Dungeon>> m_levels;
  std::vector<StairsLink> m_links;
};

}  // namespace delvora
