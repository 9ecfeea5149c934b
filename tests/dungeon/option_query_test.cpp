#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dungeon/option_parser.h"

namespace delvora {
namespace {

TEST(OptionQuery, AQueryOfEveryOptionReadsBackToTheSameQuery) {
  const std::string query =
      "?seed=4294967295&map-size=1280x1024&iterations=137&room-size=large&corridors=very-twisty"
      "&stairs=10&no-dressing&no-grid&river&chasm&no-background&no-snap&concealed=0&secret=20"
      "&no-corridor-stairs&dress-roll=6&no-internal-dressing&title=Hall%20of%20Bones%20%26%20Ash"
      "&dead-ends=some,few&player-map&px-per-grid=70";
  const ParsedQuery parsed = parseQuery(query);
  EXPECT_EQ(parsed.messages, std::vector<std::string>{});
  EXPECT_EQ(parsed.options.settings.title, "Hall of Bones & Ash");
  EXPECT_EQ(parsed.options.deadEnds, (std::vector{DeadEndMode::Some, DeadEndMode::AFew}));
  EXPECT_EQ(parsed.options.settings.corridorStyle, CorridorStyle::VeryTwisty);
  EXPECT_EQ(queryFor(parsed.options), query);
  // The command line reads the same options from the same names.
  const ParsedArguments cli = parseArguments({"--seed",
                                              "4294967295",
                                              "--map-size",
                                              "1280x1024",
                                              "--iterations",
                                              "137",
                                              "--room-size",
                                              "large",
                                              "--corridors",
                                              "very-twisty",
                                              "--stairs",
                                              "10",
                                              "--no-dressing",
                                              "--no-grid",
                                              "--river",
                                              "--chasm",
                                              "--no-background",
                                              "--no-snap",
                                              "--concealed",
                                              "0",
                                              "--secret",
                                              "20",
                                              "--no-corridor-stairs",
                                              "--dress-roll",
                                              "6",
                                              "--no-internal-dressing",
                                              "--title",
                                              "Hall of Bones & Ash",
                                              "--dead-ends",
                                              "some,few",
                                              "--player-map",
                                              "--px-per-grid",
                                              "70"},
                                             true);
  ASSERT_TRUE(cli.ok()) << cli.error;
  EXPECT_EQ(cli.options.settings, parsed.options.settings);
  EXPECT_EQ(queryFor(cli.options), query);
}

TEST(OptionQuery, TheDefaultsNeedOnlyTheSeedAndNoNumberRoomsMeansNoDressing) {
  EXPECT_EQ(queryFor(RunOptions{}), "?seed=66205318");
  const ParsedQuery parsed = parseQuery("?no-number-rooms");
  EXPECT_FALSE(parsed.options.settings.dressing);
  EXPECT_EQ(queryFor(parsed.options), "?seed=66205318&no-number-rooms");
  EXPECT_EQ(queryFor(parseQuery("no-number-rooms&no-dressing").options),
            "?seed=66205318&no-number-rooms");
}

// A scale given as the PNG's default still counts as given, since the exports then take it too;
// a bad one leaves both pictures their own defaults.
TEST(OptionQuery, APixelScaleGivenStaysInTheQueryEvenAtThePngDefault) {
  const ParsedQuery given = parseQuery("?seed=5&px-per-grid=16");
  EXPECT_EQ(exportPxPerGrid(given.options), 16);
  EXPECT_EQ(queryFor(given.options), "?seed=5&px-per-grid=16");
  const ParsedQuery bad = parseQuery("?seed=5&px-per-grid=16&px-per-grid=0");
  ASSERT_EQ(bad.messages.size(), 1u);
  EXPECT_EQ(bad.messages[0],
            "The link's parameter \"px-per-grid\" was not used: --px-per-grid accepts a number "
            "from 1 to 1000, not \"0\"; it keeps its default (16 for -o, the map as drawn; 100 for "
            "the exports).");
  EXPECT_EQ(pngPxPerGrid(bad.options), 16);
  EXPECT_EQ(exportPxPerGrid(bad.options), 100);
  EXPECT_EQ(queryFor(bad.options), "?seed=5");
}

// Each bad parameter gets one message holding the command line's line, and its option keeps
// the default even after an earlier good value; the rest of the query counts.
TEST(OptionQuery, ABadParameterIsNamedAndKeepsItsDefault) {
  const ParsedQuery parsed = parseQuery(
      "?map-size=1280x1024&map-size=99x9&seed=-3&stairs=&dead-ends=few,some&iterations&river=yes"
      "&chasm=&colour=red&dressing-dir=/tmp&help&corridors=twisty");
  const Settings& s = parsed.options.settings;
  EXPECT_EQ(s.mapSizeIndex, MapSizeIndex::Size800x600);
  EXPECT_EQ(s.seed, 66205318u);
  EXPECT_EQ(s.stairs, 0);
  EXPECT_EQ(s.iterations, 250);
  EXPECT_FALSE(s.river);
  EXPECT_TRUE(s.chasm);
  EXPECT_EQ(s.corridorStyle, CorridorStyle::Twisty);
  EXPECT_TRUE(parsed.options.deadEnds.empty());
  EXPECT_TRUE(s.dressingDir.empty());
  EXPECT_FALSE(parsed.options.showHelp);
  const std::string link = "The link's parameter ";
  EXPECT_EQ(parsed.messages,
            (std::vector<std::string>{
                link + "\"map-size\" was not used: --map-size accepts 640x480, 800x600, "
                       "1024x768 or 1280x1024, not \"99x9\"; it keeps its default (800x600).",
                link + "\"seed\" was not used: --seed accepts a number from 0 to 4294967295, not "
                       "\"-3\"; it keeps its default (66205318).",
                link + "\"stairs\" was not used: --stairs accepts a number from 0 to 10, not "
                       "\"\"; it keeps its default (0).",
                link + "\"dead-ends\" was not used: --dead-ends accepts some, few or some,few, "
                       "not \"few,some\"; it keeps its default (none).",
                link + "\"iterations\" was not used: --iterations needs a value: a number from 1 "
                       "to 100000; it keeps its default (250).",
                link + "\"river\" was not used: --river takes no value.",
                link + "\"colour\" is not a Delvora option; it was ignored.",
                link + "\"dressing-dir\" has no use on the web; it was ignored.",
                link + "\"help\" has no use on the web; it was ignored.",
            }));
}

// A value from the page reaches the settings only through the table's checks: a corridor style
// or map size outside the offered ones cannot be asked for.
TEST(OptionQuery, OnlyCheckedValuesReachTheSettings) {
  for (const char* query : {"?corridors=0", "?corridors=4", "?map-size=4", "?map-size=1600x1200",
                            "?room-size=-1", "?dress-roll=0", "?seed=1e3", "?seed=0x10",
                            "?seed=%2B5", "?seed=%205", "?seed=4294967296", "?seed=5.0"}) {
    const ParsedQuery parsed = parseQuery(query);
    EXPECT_EQ(parsed.messages.size(), 1u) << query;
    EXPECT_EQ(parsed.options.settings, Settings{}) << query;
  }
}

TEST(OptionQuery, NamesAndValuesArePercentDecoded) {
  EXPECT_EQ(parseQuery("?title=a+b").options.settings.title, "a b");
  EXPECT_EQ(parseQuery("?title=%C3%A9t%C3%A9").options.settings.title, "\xC3\xA9t\xC3\xA9");
  // A "%" without two hex digits is kept as it is.
  EXPECT_EQ(parseQuery("?title=100%&x").options.settings.title, "100%");
  EXPECT_EQ(parseQuery("?title=%zz%4").options.settings.title, "%zz%4");
  EXPECT_EQ(parseQuery("?%72iver").options.settings.river, true);
  EXPECT_EQ(parseQuery("&&seed=9&&").options.settings.seed, 9u);
  RunOptions options;
  options.settings.title = "Ca\xC3\xA9 = 100% & more/less?";
  EXPECT_EQ(queryFor(options),
            "?seed=66205318&title=Ca%C3%A9%20%3D%20100%25%20%26%20more%2Fless%3F");
  EXPECT_EQ(parseQuery(queryFor(options)).options.settings.title, options.settings.title);
}

// The command line names each option as it was typed; a build without printing refuses the
// print options by name.
TEST(OptionArguments, GivenOptionsKeepTheirTypedNames) {
  const std::vector<std::string> args = {"-o", "a.png", "--output=b.png", "--river"};
  const ParsedArguments parsed = parseArguments(args, true);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  ASSERT_EQ(parsed.given.size(), 3u);
  EXPECT_EQ(parsed.given[0].typedAs, "-o");
  EXPECT_EQ(parsed.given[1].typedAs, "--output");
  EXPECT_EQ(parsed.given[0].row, parsed.given[1].row);
  EXPECT_EQ(parsed.options.pngPath, "b.png");
  EXPECT_EQ(parseArguments({"--print-map", "m.pdf"}, false).error,
            "--print-map: this build of delvora-cli cannot print (it was built without Qt)");
  EXPECT_TRUE(parseArguments({"--print-map", "m.pdf"}, true).ok());
  EXPECT_EQ(parseArguments({"-o=x"}, true).error, "unknown option \"-o=x\" (see --help)");
  EXPECT_EQ(parseArguments({"--"}, true).error, "unknown option \"--\" (see --help)");
}

}  // namespace
}  // namespace delvora
