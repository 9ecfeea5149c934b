#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "dungeon/dungeon.h"
#include "dungeon/tabletop_presets.h"

namespace delvora {

// The tabletop files' bytes, made before any file is written so that --vtt can check them first.
// The UVTT file and the Foundry scene show the same picture, so it is encoded once.
struct CliExports {
  std::string uvtt;
  std::string foundryScene;
  std::vector<std::uint8_t> foundryImage;
  std::string journal;
  // -o's PNG, made here only when --vtt checks its size; otherwise -o is encoded as it is written.
  std::optional<std::vector<std::uint8_t>> png;
};

// The exports the options ask for (and -o's PNG with --vtt), drawn for the options' audience.
CliExports prepareExports(const CliOptions& options, const Dungeon& dungeon);

// What the --vtt tabletop is given: walls, doors and lights as its scenes count them, the
// picture's size and every picture-bearing file's size; checked against its limits.
TabletopCheck checkExports(const CliOptions& options, const Dungeon& dungeon,
                           const CliExports& exports);

}  // namespace delvora
