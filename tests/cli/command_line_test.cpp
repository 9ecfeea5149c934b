#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cli/level_options.h"

namespace delvora {
namespace {

using Args = std::vector<std::string>;

std::string joined(const Args& args) {
  std::string text;
  for (const std::string& arg : args) text.append(" '").append(arg).append("'");
  return text;
}

TEST(CommandLine, NoArgumentsGiveTheOptionWindowDefaults) {
  const ParseResult parsed = parseCommandLine({});
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  const Settings& s = parsed.options.settings;
  const Settings d;
  EXPECT_EQ(s.seed, d.seed);
  EXPECT_EQ(s.mapSizeIndex, d.mapSizeIndex);
  EXPECT_EQ(s.iterations, d.iterations);
  EXPECT_EQ(s.roomSize, d.roomSize);
  EXPECT_EQ(s.corridorStyle, d.corridorStyle);
  EXPECT_EQ(s.stairs, d.stairs);
  EXPECT_EQ(s.numberRooms, d.numberRooms);
  EXPECT_EQ(s.dressing, d.dressing);
  EXPECT_EQ(s.drawGrid, d.drawGrid);
  EXPECT_EQ(s.river, d.river);
  EXPECT_EQ(s.chasm, d.chasm);
  EXPECT_EQ(s.snapToGrid, d.snapToGrid);
  EXPECT_EQ(s.showBackground, d.showBackground);
  EXPECT_EQ(s.concealedPercent, d.concealedPercent);
  EXPECT_EQ(s.secretPercent, d.secretPercent);
  EXPECT_EQ(s.corridorStairs, d.corridorStairs);
  EXPECT_EQ(s.dressRoll, d.dressRoll);
  EXPECT_EQ(s.useInternalDressing, d.useInternalDressing);
  EXPECT_EQ(s.dressingDir, d.dressingDir);
  EXPECT_EQ(s.title, d.title);
  EXPECT_TRUE(parsed.options.deadEnds.empty());
  EXPECT_TRUE(parsed.options.pngPath.empty());
  EXPECT_TRUE(parsed.options.reportPath.empty());
  EXPECT_TRUE(parsed.options.dumpPath.empty());
  EXPECT_FALSE(parsed.options.showHelp);
  EXPECT_FALSE(parsed.options.showVersion);
}

TEST(CommandLine, AcceptsEveryValueAtTheEdgesOfItsRange) {
  const struct {
    Args args;
    std::function<bool(const CliOptions&)> holds;
  } cases[] = {
      {{"--seed", "0"}, [](const CliOptions& o) { return o.settings.seed == 0u; }},
      {{"--seed=4294967295"}, [](const CliOptions& o) { return o.settings.seed == 4294967295u; }},
      {{"--map-size", "640x480"},
       [](const CliOptions& o) { return o.settings.mapSizeIndex == MapSizeIndex::Size640x480; }},
      {{"--map-size", "1280x1024"},
       [](const CliOptions& o) { return o.settings.mapSizeIndex == MapSizeIndex::Size1280x1024; }},
      {{"--iterations", "1"}, [](const CliOptions& o) { return o.settings.iterations == 1; }},
      {{"--iterations", "100000"},
       [](const CliOptions& o) { return o.settings.iterations == 100000; }},
      {{"--room-size", "tiny"},
       [](const CliOptions& o) { return o.settings.roomSize == RoomSize::Tiny; }},
      {{"--room-size", "large"},
       [](const CliOptions& o) { return o.settings.roomSize == RoomSize::Large; }},
      {{"--corridors", "twisty"},
       [](const CliOptions& o) { return o.settings.corridorStyle == CorridorStyle::Twisty; }},
      {{"--corridors", "very-twisty"},
       [](const CliOptions& o) { return o.settings.corridorStyle == CorridorStyle::VeryTwisty; }},
      {{"--stairs", "10"}, [](const CliOptions& o) { return o.settings.stairs == 10; }},
      {{"--concealed", "0", "--secret", "20"},
       [](const CliOptions& o) {
         return o.settings.concealedPercent == 0 && o.settings.secretPercent == 20;
       }},
      {{"--dress-roll", "6"}, [](const CliOptions& o) { return o.settings.dressRoll == 6; }},
      {{"--no-dressing"},
       [](const CliOptions& o) { return !o.settings.dressing && o.settings.numberRooms; }},
      {{"--no-grid", "--no-background", "--no-snap", "--no-corridor-stairs",
        "--no-internal-dressing"},
       [](const CliOptions& o) {
         const Settings& s = o.settings;
         return !s.drawGrid && !s.showBackground && !s.snapToGrid && !s.corridorStairs &&
                !s.useInternalDressing;
       }},
      {{"--river", "--chasm"},
       [](const CliOptions& o) { return o.settings.river && o.settings.chasm; }},
      {{"--title", "", "--dressing-dir", ""},
       [](const CliOptions& o) {
         return o.settings.title.empty() && o.settings.dressingDir.empty();
       }},
      {{"--title", "--river"},
       [](const CliOptions& o) { return o.settings.title == "--river" && !o.settings.river; }},
      {{"--title=Keep of the Lost", "--dressing-dir", "tables"},
       [](const CliOptions& o) {
         return o.settings.title == "Keep of the Lost" && o.settings.dressingDir == "tables";
       }},
      {{"--dead-ends", "some"},
       [](const CliOptions& o) { return o.deadEnds == std::vector{DeadEndMode::Some}; }},
      {{"--dead-ends", "few"},
       [](const CliOptions& o) { return o.deadEnds == std::vector{DeadEndMode::AFew}; }},
      {{"--dead-ends", "some,few"},
       [](const CliOptions& o) {
         return o.deadEnds == std::vector{DeadEndMode::Some, DeadEndMode::AFew};
       }},
      {{"-o", "map.png", "--report", "r.txt", "--dump", "-"},
       [](const CliOptions& o) {
         return o.pngPath == "map.png" && o.reportPath == "r.txt" && o.dumpPath == "-";
       }},
      {{"--export-json", "d.json"}, [](const CliOptions& o) { return o.jsonPath == "d.json"; }},
      {{"--export-json=-"}, [](const CliOptions& o) { return o.jsonPath == "-"; }},
      {{"--output=a.png", "--output", "b.png"},
       [](const CliOptions& o) { return o.pngPath == "b.png"; }},
      {{"--seed", "5", "--seed", "6"}, [](const CliOptions& o) { return o.settings.seed == 6u; }},
      // Both vector outputs are ink, 1 inch squares on A4, unless said otherwise.
      {{"--export-svg", "m.svg", "--print-battlemap", "bm.pdf"},
       [](const CliOptions& o) {
         return o.svgPath == "m.svg" && o.battleMapPath == "bm.pdf" &&
                vectorLook(o) == MapLook{MapStyle::Ink, false} &&
                battleMapOptions(o) == BattleMapOptions{};
       }},
      {{"--style", "ink", "--hatching", "--square", "25.6mm", "--paper=letter"},
       [](const CliOptions& o) {
         return vectorLook(o) == MapLook{MapStyle::Ink, true} &&
                battleMapOptions(o) ==
                    BattleMapOptions{SquareSize::Mm25_6, PaperSize::Letter, {MapStyle::Ink, true}};
       }},
      {{"--style", "classic", "--square", "1in", "--paper", "a4"},
       [](const CliOptions& o) {
         return battleMapOptions(o) ==
                BattleMapOptions{SquareSize::Inch, PaperSize::A4, {MapStyle::Classic, false}};
       }},
  };
  for (const auto& c : cases) {
    const ParseResult parsed = parseCommandLine(c.args);
    ASSERT_TRUE(parsed.ok()) << joined(c.args) << ": " << parsed.error;
    EXPECT_TRUE(c.holds(parsed.options)) << joined(c.args);
  }
}

TEST(CommandLine, BadValuesGiveOneLineNamingTheOption) {
  const struct {
    Args args;
    std::string option;
  } cases[] = {
      {{"--seed", "-1"}, "--seed"},
      {{"--seed", "4294967296"}, "--seed"},
      {{"--seed", "99999999999999999999999"}, "--seed"},
      {{"--seed", "12ab"}, "--seed"},
      {{"--seed", " 5"}, "--seed"},
      {{"--seed", "+5"}, "--seed"},
      {{"--seed", ""}, "--seed"},
      {{"--seed"}, "--seed"},
      {{"--map-size", "1600x1200"}, "--map-size"},
      {{"--map-size", "800X600"}, "--map-size"},
      {{"--iterations", "0"}, "--iterations"},
      {{"--iterations", "100001"}, "--iterations"},
      {{"--room-size", "huge"}, "--room-size"},
      {{"--room-size", "Small"}, "--room-size"},
      {{"--corridors", "very_twisty"}, "--corridors"},
      {{"--stairs", "11"}, "--stairs"},
      {{"--concealed", "21"}, "--concealed"},
      {{"--secret", "-3"}, "--secret"},
      {{"--dress-roll", "0"}, "--dress-roll"},
      {{"--dress-roll", "7"}, "--dress-roll"},
      {{"--dead-ends", "few,some"}, "--dead-ends"},
      {{"--dead-ends", "some,some"}, "--dead-ends"},
      {{"--dead-ends", "lots"}, "--dead-ends"},
      {{"--style", "sepia"}, "--style"},
      {{"--style", "Ink"}, "--style"},
      {{"--square", "1"}, "--square"},
      {{"--square", "25mm"}, "--square"},
      {{"--paper", "A4"}, "--paper"},
      {{"--paper", "legal"}, "--paper"},
      {{"--hatching=yes"}, "--hatching"},
      {{"--export-svg", ""}, "--export-svg"},
      {{"--print-battlemap"}, "--print-battlemap"},
      {{"-o", ""}, "-o"},
      {{"--output"}, "--output"},
      {{"--report", ""}, "--report"},
      {{"--dump="}, "--dump"},
      {{"--river=yes"}, "--river"},
      {{"--no-number-rooms=1"}, "--no-number-rooms"},
      {{"--bogus"}, "--bogus"},
      {{"-x"}, "-x"},
      {{"map.png"}, "map.png"},
      {{"--seed", "1", "--stairs", "x", "--help"}, "--stairs"},
  };
  for (const auto& c : cases) {
    const ParseResult parsed = parseCommandLine(c.args);
    ASSERT_FALSE(parsed.ok()) << joined(c.args);
    EXPECT_NE(parsed.error.find(c.option), std::string::npos)
        << joined(c.args) << ": " << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
  }
}

// More than one map writes each to its own files: every output file name needs {seed}.
TEST(CommandLine, CountAboveOneNeedsTheSeedInEveryFileName) {
  const struct {
    Args args;
    std::string option;  // named in the error; empty when the arguments are fine
  } cases[] = {
      {{"--count", "1", "-o", "map.png"}, ""},
      {{"--count", "2", "-o", "map-{seed}.png", "--dump", "-"}, ""},
      {{"--count", "2"}, ""},
      {{"--count", "3", "-o", "map.png"}, "-o"},
      {{"--output", "map.png", "--count=3"}, "--output"},
      {{"--count", "3", "-o", "{seed}.png", "--report", "key.txt"}, "--report"},
      {{"--count", "3", "--dump", "dump.txt"}, "--dump"},
      {{"--count", "3", "--export-foundry", "scene.json"}, "--export-foundry"},
      {{"--count", "3", "--export-uvtt", "{Seed}.dd2vtt"}, "--export-uvtt"},
      {{"--count", "3", "--export-svg", "map.svg"}, "--export-svg"},
      {{"--count", "3", "--print-battlemap", "bm.pdf"}, "--print-battlemap"},
      {{"--count", "3", "--print-battlemap", "bm-{seed}.pdf", "--export-svg", "{seed}.svg"}, ""},
      {{"--count", "3", "--export-json", "dungeon.json"}, "--export-json"},
      {{"--count", "3", "--export-json", "-"}, ""},
      {{"--count", "0"}, "--count"},
      {{"--count", "1000001"}, "--count"},
      {{"--seed", "4294967294", "--count", "2"}, ""},
      {{"--seed", "4294967294", "--count", "3"}, "--count"},
  };
  for (const auto& c : cases) {
    const ParseResult parsed = parseCommandLine(c.args);
    if (c.option.empty()) {
      EXPECT_TRUE(parsed.ok()) << joined(c.args) << ": " << parsed.error;
      continue;
    }
    ASSERT_FALSE(parsed.ok()) << joined(c.args);
    EXPECT_TRUE(parsed.error.starts_with(c.option + " ")) << joined(c.args) << ": " << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
  }
}

// Several levels need staircases to join them and a file of their own per level for every output
// but the report and the JSON, which hold every level.
TEST(CommandLine, LevelsNeedStairsAndTheLevelInPerLevelFileNames) {
  const struct {
    Args args;
    std::string option;  // the error's start; empty when the arguments are fine
  } cases[] = {
      {{"--levels", "1", "-o", "map.png"}, ""},
      {{"--levels", "3", "--stairs", "4", "-o", "l-{level}.png", "--export-json", "d.json"}, ""},
      {{"--levels", "2", "--stairs", "1", "--report", "key.txt", "--dump", "{level}.txt"}, ""},
      {{"--levels", "2", "--stairs", "1", "--report", "key-{level}.txt"}, ""},
      {{"--levels", "10", "--stairs", "1", "--count", "2", "-o", "{seed}-{level}.png"}, ""},
      {{"--levels", "2"}, "--levels 2 needs --stairs"},
      {{"--levels", "2", "--stairs", "0"}, "--levels 2 needs --stairs"},
      {{"--levels", "2", "--stairs", "2", "-o", "map.png"}, "-o "},
      {{"--levels", "2", "--stairs", "2", "--export-uvtt", "m.dd2vtt"}, "--export-uvtt "},
      {{"--levels", "2", "--stairs", "2", "--export-foundry", "s.json"}, ""},
      {{"--levels", "2", "--stairs", "2", "--export-foundry", "{level}.json"}, "--export-foundry "},
      {{"--levels", "2", "--stairs", "2", "--foundry-version", "13", "--export-foundry", "s.json"},
       "--export-foundry "},
      {{"--levels", "2", "--stairs", "2", "--foundry-version", "12", "--export-foundry",
        "s-{level}.json"},
       ""},
      {{"--levels", "2", "--stairs", "2", "--export-foundry", "s.json", "--foundry-image-path",
        "maps/s.png"},
       "--foundry-image-path "},
      {{"--foundry-version", "11"}, "--foundry-version "},
      {{"--foundry-version", "15"}, "--foundry-version "},
      {{"--levels", "2", "--stairs", "2", "--dump", "-"}, "--dump "},
      {{"--levels", "2", "--stairs", "2", "--export-json", "{level}.json"}, "--export-json "},
      {{"--levels", "3", "--stairs", "2", "--count", "2", "-o", "{level}.png"}, "-o "},
      {{"--levels", "0"}, "--levels "},
      {{"--levels", "11"}, "--levels "},
  };
  for (const auto& c : cases) {
    const ParseResult parsed = parseCommandLine(c.args);
    if (c.option.empty()) {
      EXPECT_TRUE(parsed.ok()) << joined(c.args) << ": " << parsed.error;
      continue;
    }
    ASSERT_FALSE(parsed.ok()) << joined(c.args);
    EXPECT_TRUE(parsed.error.starts_with(c.option)) << joined(c.args) << ": " << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
  }
}

TEST(CommandLine, EachLevelGetsItsOwnFileNames) {
  const ParseResult parsed =
      parseCommandLine({"--levels", "3", "--stairs", "2", "-o", "m-{level}-{level}.png", "--report",
                        "key.txt", "--export-json", "d.json", "--export-uvtt", "{level}.dd2vtt"});
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  const CliOptions two = optionsForLevel(parsed.options, 2);
  EXPECT_EQ(two.settings.levels, 1);
  EXPECT_EQ(two.pngPath, "m-2-2.png");
  EXPECT_EQ(two.uvttPath, "2.dd2vtt");
  EXPECT_EQ(two.reportPath, "") << "one report holds every level";
  EXPECT_EQ(two.jsonPath, "") << "one JSON holds every level";
}

TEST(CommandLine, EachSeedGetsItsOwnFileNames) {
  const ParseResult parsed = parseCommandLine(
      {"--seed", "40", "--count", "3", "-o", "maps/{seed}/map-{seed}.png", "--dump", "-",
       "--report", "r{seed}", "--dressing-dir", "{seed}", "--export-json", "{seed}.json",
       "--export-svg", "m{seed}.svg", "--print-battlemap", "bm{seed}.pdf"});
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  const CliOptions one = optionsForSeed(parsed.options, 41);
  EXPECT_EQ(one.settings.seed, 41u);
  EXPECT_EQ(one.count, 1);
  EXPECT_EQ(one.pngPath, "maps/41/map-41.png");
  EXPECT_EQ(one.reportPath, "r41");
  EXPECT_EQ(one.svgPath, "m41.svg");
  EXPECT_EQ(one.battleMapPath, "bm41.pdf");
  EXPECT_EQ(one.dumpPath, "-");
  EXPECT_EQ(one.jsonPath, "41.json");
  EXPECT_EQ(one.settings.dressingDir, "{seed}") << "only output file names change";
  // Every file option of the table, whatever it writes.
  const ParseResult all = parseCommandLine(
      {"--count", "2", "--export-foundry-journal", "j{seed}.json", "--export-uvtt", "{seed}.dd2vtt",
       "--export-foundry", "s{seed}.json", "--foundry-image-path", "maps/s{seed}.png"});
  ASSERT_TRUE(all.ok()) << all.error;
  const CliOptions second = optionsForSeed(all.options, 66205319);
  EXPECT_EQ(second.journalPath, "j66205319.json");
  EXPECT_EQ(second.uvttPath, "66205319.dd2vtt");
  EXPECT_EQ(second.foundryPath, "s66205319.json");
  EXPECT_EQ(second.foundryImageSource, "maps/s66205319.png");
}

TEST(CommandLine, ValueErrorsSayWhatTheOptionAccepts) {
  EXPECT_EQ(parseCommandLine({"--stairs", "11"}).error,
            "--stairs accepts a number from 0 to 10, not \"11\"");
  EXPECT_EQ(parseCommandLine({"--corridors"}).error,
            "--corridors needs a value: straight, twisty or very-twisty");
}

TEST(CommandLine, NoNumberRoomsAlsoTurnsDressingOff) {
  const ParseResult parsed = parseCommandLine({"--no-number-rooms"});
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  EXPECT_FALSE(parsed.options.settings.numberRooms);
  EXPECT_FALSE(parsed.options.settings.dressing);
}

// -o keeps the map as drawn and the exports take Foundry's own grid, unless a scale is given.
TEST(CommandLine, PngAndExportsHaveTheirOwnDefaultScale) {
  const ParseResult none = parseCommandLine({"-o", "a.png", "--export-uvtt", "a.dd2vtt"});
  ASSERT_TRUE(none.ok()) << none.error;
  EXPECT_EQ(pngPxPerGrid(none.options), 16);
  EXPECT_EQ(exportPxPerGrid(none.options), 100);
  const ParseResult given = parseCommandLine({"--px-per-grid", "70"});
  ASSERT_TRUE(given.ok()) << given.error;
  EXPECT_EQ(pngPxPerGrid(given.options), 70);
  EXPECT_EQ(exportPxPerGrid(given.options), 70);
  const ParseResult path = parseCommandLine({"--foundry-image-path", "maps/keep.png"});
  ASSERT_TRUE(path.ok()) << path.error;
  EXPECT_EQ(path.options.foundryImageSource, "maps/keep.png");
  EXPECT_FALSE(parseCommandLine({"--foundry-image-path", ""}).ok());
}

// --vtt sets both scales to the tabletop's grid unless --px-per-grid is given; --encounters,
// --dark and the journal are stored.
TEST(CommandLine, TabletopPresetSetsTheScale) {
  const ParseResult roll20 = parseCommandLine({"--vtt", "roll20", "-o", "a.png"});
  ASSERT_TRUE(roll20.ok()) << roll20.error;
  EXPECT_EQ(pngPxPerGrid(roll20.options), 70);
  EXPECT_EQ(exportPxPerGrid(roll20.options), 70);
  const ParseResult given = parseCommandLine({"--vtt=roll20", "--px-per-grid", "64"});
  EXPECT_EQ(exportPxPerGrid(given.options), 64);
  EXPECT_EQ(parseCommandLine({"--vtt", "astral"}).error,
            "--vtt accepts foundry, roll20, fantasy-grounds, maptool, owlbear or lets-role, not "
            "\"astral\"");
  const ParseResult key = parseCommandLine({"--encounters", "--dark", "--export-foundry-journal",
                                            "key.json", "--export-foundry", "s.json"});
  ASSERT_TRUE(key.ok()) << key.error;
  EXPECT_TRUE(key.options.settings.encounters);
  EXPECT_TRUE(key.options.dark);
  EXPECT_EQ(key.options.journalPath, "key.json");
  EXPECT_FALSE(parseCommandLine({}).options.settings.encounters);
}

// Two outputs aimed at one file are refused before anything is written, naming both options as
// typed, the Foundry scene's picture and batches after {seed} included.
TEST(CommandLine, TwoOutputsOnOneFileAreRefused) {
  const struct {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"-o", "vault.png", "--export-foundry", "vault.json"},
       "-o and --export-foundry both write vault.png"},
      {{"--export-uvtt", "x.json", "--export-foundry", "x.json"},
       "--export-uvtt and --export-foundry both write x.json"},
      {{"--report", "a.txt", "--dump", "./out/../a.txt"},
       "--report and --dump both write ./out/../a.txt"},
      {{"--count", "3", "--report", "r{seed}.txt", "--dump", "r{seed}.txt"},
       "--report and --dump both write r66205318.txt"},
      {{"--export-foundry-journal", "k.json", "--export-json", "k.json"},
       "--export-foundry-journal and --export-json both write k.json"},
      {{"--dump", "-", "--export-json", "-", "--report", "a.txt"}, ""},
      {{"--count", "2", "-o", "m{seed}.png", "--export-foundry", "m{seed}.json"},
       "-o and --export-foundry both write m66205318.png"},
      {{"-o", "map.png", "--export-foundry", "scene.json"}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseCommandLine(c.args).error, c.error) << c.args[1];
  }
}

// A picture no reader would load is refused before anything runs, naming the largest scale that
// fits the map: 16384 pixels a side for the exports, 65535 for -o.
TEST(CommandLine, PicturesLargerThanTheirReadersLoadAreRefused) {
  const struct {
    Args args;
    std::string error;
  } cases[] = {
      {{"--map-size", "1280x1024", "--px-per-grid", "1000", "--export-uvtt", "m.dd2vtt"},
       "--px-per-grid 1000: the 1280x1024 map would be a 80000x64000 picture; tabletops load at "
       "most 16384 pixels a side, so use --px-per-grid 204 or less"},
      {{"--map-size", "1280x1024", "--px-per-grid", "205", "--export-foundry", "s.json"},
       "--px-per-grid 205: the 1280x1024 map would be a 16400x13120 picture; tabletops load at "
       "most 16384 pixels a side, so use --px-per-grid 204 or less"},
      {{"--map-size", "1280x1024", "--px-per-grid", "204", "--export-foundry", "s.json"}, ""},
      {{"--px-per-grid", "328", "--export-uvtt", "m.dd2vtt"},
       "--px-per-grid 328: the 800x600 map would be a 16400x12300 picture; tabletops load at "
       "most 16384 pixels a side, so use --px-per-grid 327 or less"},
      {{"--map-size", "1280x1024", "--px-per-grid", "1000", "-o", "m.png"},
       "--px-per-grid 1000: the 1280x1024 map would be a 80000x64000 picture; a PNG for most "
       "readers holds at most 65535 pixels a side, so use --px-per-grid 819 or less"},
      {{"--map-size", "1280x1024", "--px-per-grid", "819", "-o", "m.png"}, ""},
      {{"--map-size", "640x480", "--px-per-grid", "1000", "-o", "m.png"}, ""},
      {{"--map-size", "1280x1024", "--px-per-grid", "1000"}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseCommandLine(c.args).error, c.error) << joined(c.args);
  }
}

TEST(CommandLine, SmallGridsOfExportsAreWarnedAbout) {
  const auto warning = [](const Args& args) {
    return smallGridWarning(parseCommandLine(args).options);
  };
  const std::string v11 = "Foundry VTT v11 (50 pixels)";
  const std::string v12 = "Foundry VTT v12 and later (20 pixels)";
  const std::string at25 = warning({"--px-per-grid", "25", "--export-uvtt", "m.dd2vtt"});
  EXPECT_TRUE(at25.starts_with("warning: --px-per-grid 25 ")) << at25;
  EXPECT_NE(at25.find(v11), std::string::npos) << at25;
  EXPECT_EQ(at25.find(v12), std::string::npos) << at25;
  const std::string at16 = warning({"--px-per-grid", "16", "--export-foundry", "s.json"});
  EXPECT_NE(at16.find(v11), std::string::npos) << at16;
  EXPECT_NE(at16.find(v12), std::string::npos) << at16;
  EXPECT_EQ(at16.find('\n'), std::string::npos) << at16;
  EXPECT_EQ(warning({"--px-per-grid", "50", "--export-uvtt", "m.dd2vtt"}), "");
  EXPECT_EQ(warning({"--px-per-grid", "16", "-o", "m.png"}), "") << "no export, no tabletop";
  EXPECT_EQ(warning({"--export-uvtt", "m.dd2vtt"}), "") << "the default scale is fine";
}

TEST(CommandLine, HelpAndVersionStopParsing) {
  const ParseResult help = parseCommandLine({"--help", "--seed", "not-a-number"});
  ASSERT_TRUE(help.ok()) << help.error;
  EXPECT_TRUE(help.options.showHelp);
  const ParseResult version = parseCommandLine({"--version", "--bogus"});
  ASSERT_TRUE(version.ok()) << version.error;
  EXPECT_TRUE(version.options.showVersion);
}

}  // namespace
}  // namespace delvora
