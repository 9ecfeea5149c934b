#pragma once

#include <string>
#include <vector>

namespace delvora::testing {

// The option sets whose dungeons are kept as golden files in tests/cli/data: between them every
// map size but one, every room size and corridor style, stairs, river and chasm, no snap, file
// dressing, numbers without dressing and the dead-end clean-ups.
struct GoldenCase {
  const char* name;
  std::vector<std::string> arguments;
};

inline const GoldenCase kCases[] = {
    {"defaults", {}},
    {"tiny_twisty_stairs",
     {"--seed", "7", "--room-size", "tiny", "--corridors", "twisty", "--stairs", "5", "--map-size",
      "640x480"}},
    {"large_very_twisty",
     {"--seed", "4242", "--map-size", "1280x1024", "--iterations", "3000", "--room-size", "large",
      "--corridors", "very-twisty", "--stairs", "10", "--river", "--chasm", "--dress-roll", "6",
      "--dead-ends", "some,few"}},
    {"no_snap_file_dressing",
     {"--seed", "99", "--no-snap", "--concealed", "20", "--secret", "20", "--no-internal-dressing",
      "--dress-roll", "3", "--no-corridor-stairs", "--stairs", "3", "--dead-ends", "few"}},
    {"numbers_without_dressing",
     {"--seed", "123456", "--no-dressing", "--map-size", "1024x768", "--room-size", "medium",
      "--stairs", "2"}},
};

}  // namespace delvora::testing
