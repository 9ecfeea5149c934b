#include "dungeon/option_table.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "dungeon/option_json.h"
#include "dungeon/option_parser.h"

namespace delvora {

void PrintTo(const OptionValue& value, std::ostream* out) {
  *out << value.number << " \"" << value.text << '"';
}

namespace {

// The values an option accepts at the edges of what it takes, and some it refuses.
struct Probe {
  std::vector<std::string> accepted;
  std::vector<std::string> refused;
};

Probe probeOf(const OptionRow& row) {
  switch (row.kind) {
    case ValueKind::Flag:
      return {{""}, {"1", "yes"}};
    case ValueKind::Integer:
      return {{std::to_string(row.low), std::to_string(row.high)},
              {std::to_string(row.high + 1), "-1", "+1", " 1", "0x1", "1e1", "",
               "99999999999999999999"}};
    case ValueKind::Choice: {
      Probe probe{{}, {"", "x"}};
      for (const ChoiceWord& choice : row.choices) {
        probe.accepted.emplace_back(choice.word);
        // Words are matched exactly.
        std::string upper(choice.word);
        upper[0] = static_cast<char>(upper[0] - 'a' + 'A');
        probe.refused.push_back(upper);
      }
      return probe;
    }
    case ValueKind::Text:
    case ValueKind::File:
    case ValueKind::Directory:
      break;
  }
  if (row.mayBeEmpty) return {{"", "a b", "-"}, {}};
  return {{"a b", "{seed}.png"}, {""}};
}

// Every option: its default is what RunOptions{} holds and reads back through its own parser;
// each accepted value is stored and read back as given; each refused one gets the command line's
// one line naming the option and what it accepts.
TEST(OptionTable, EveryOptionTakesWhatItAcceptsAndNamesWhatItRefuses) {
  for (const OptionRow& row : optionTable()) {
    SCOPED_TRACE(row.name);
    const OptionValue initial = defaultValue(row);
    if (row.kind == ValueKind::Flag) {
      EXPECT_EQ(initial.number, 0) << "a flag changes the defaults";
    } else if ((row.kind == ValueKind::Integer || row.kind == ValueKind::Choice ||
                row.mayBeEmpty) &&
               optionValueText(row, initial) != "none" &&
               (row.kind != ValueKind::Integer || !optionValueText(row, initial).empty())) {
      EXPECT_EQ(parseOptionValue(row, optionValueText(row, initial)).value_or(OptionValue{-1, "?"}),
                initial)
          << "the default as text: " << optionValueText(row, initial);
    }
    const Probe probe = probeOf(row);
    for (const std::string& text : probe.accepted) {
      const std::optional<OptionValue> value = parseOptionValue(row, text);
      ASSERT_TRUE(value) << '"' << text << '"';
      RunOptions options;
      row.store(options, *value);
      EXPECT_EQ(row.read(options), *value) << '"' << text << '"';
      if (row.kind != ValueKind::Flag) {
        EXPECT_EQ(optionValueText(row, *value), text);
      }
    }
    for (const std::string& text : probe.refused) {
      EXPECT_FALSE(parseOptionValue(row, text)) << '"' << text << '"';
      if (row.kind == ValueKind::Flag) continue;
      const std::vector<std::string> args = {optionFlag(row) + "=" + text};
      EXPECT_EQ(parseArguments(args, true).error,
                optionFlag(row) + " accepts " + acceptedValues(row) + ", not \"" + text + "\"");
    }
  }
}

TEST(OptionTable, NamesAreUniqueAndEveryValueOptionSaysWhatItTakes) {
  std::set<std::string_view> names;
  for (const OptionRow& row : optionTable()) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(names.insert(row.name).second);
    if (!row.shortName.empty()) {
      EXPECT_TRUE(names.insert(row.shortName).second);
    }
    EXPECT_FALSE(row.help.empty());
    EXPECT_FALSE(row.section.empty());
    EXPECT_EQ(row.kind == ValueKind::Flag, row.valueName.empty());
    if (row.kind != ValueKind::Flag) {
      EXPECT_FALSE(acceptedValues(row).empty());
    }
    if (row.window != OptionWindow::None) {
      EXPECT_FALSE(row.caption.empty());
    }
    EXPECT_EQ(findOption(optionFlag(row)), &row);
  }
}

// The windows' defaults come from Settings{}: the summaries show them.
TEST(OptionTable, SummariesShowRangesChoicesAndDefaults) {
  const struct {
    std::string_view name;
    std::string summary;
  } cases[] = {
      {"seed", "seed of the random source, 0..4294967295 (default 66205318)"},
      {"map-size", "map size in pixels: 640x480, 800x600, 1024x768 or 1280x1024 (default 800x600)"},
      {"corridors", "corridor style: straight, twisty or very-twisty (default straight)"},
      {"concealed", "percentage of concealed doors, 0..20 (default 13)"},
      {"title", "map title, the first line of the report (default empty)"},
      {"dead-ends", "clean-ups after the run: some, few or some,few (default none)"},
      {"river", "draw a river"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(optionSummary(*findOptionNamed(c.name)), c.summary) << c.name;
  }
  EXPECT_EQ(optionSynopsis(*findOption("-o")), "-o, --output FILE");
}

TEST(OptionTable, JsonDescribesEveryOptionForThePage) {
  const nlohmann::json rows = nlohmann::json::parse(optionTableJson());
  ASSERT_EQ(rows.size(), optionTable().size());
  const auto row = [&](std::string_view name) {
    for (const nlohmann::json& r : rows) {
      if (r["name"] == name) return r;
    }
    return nlohmann::json();
  };
  EXPECT_EQ(row("seed")["high"], 4294967295u);
  EXPECT_EQ(row("corridors")["choices"][2]["word"], "very-twisty");
  EXPECT_EQ(row("corridors")["choices"][2]["caption"], "Very Twisty");
  EXPECT_EQ(row("concealed")["default"], "13");
  EXPECT_EQ(row("concealed")["window"], "advanced");
  EXPECT_EQ(row("no-grid")["default"], "off");
  EXPECT_EQ(row("no-grid")["caption"], "Show Grid");
  EXPECT_EQ(row("px-per-grid")["offered"][2]["note"], "Roll20");
  EXPECT_EQ(row("dressing-dir")["web"], false);
  EXPECT_EQ(row("print-map")["needsPrinting"], true);
}

// What the page reads a link as: every option it offers as text, the query that reproduces
// them, and the messages; texts are escaped for JSON.
TEST(OptionTable, PageOptionsJsonHoldsValuesQueryAndMessages) {
  const ParsedQuery parsed = parseQuery("?river&title=say+%22hi%22%09%5C&stairs=x&seed=3");
  const nlohmann::json page =
      nlohmann::json::parse(pageOptionsJson(parsed.options, parsed.messages));
  EXPECT_EQ(page["values"]["river"], "on");
  EXPECT_EQ(page["values"]["no-grid"], "off");
  EXPECT_EQ(page["values"]["title"], "say \"hi\"\t\\");
  EXPECT_EQ(page["values"]["stairs"], "0");
  EXPECT_EQ(page["values"]["px-per-grid"], "") << "not given: each picture takes its default";
  EXPECT_FALSE(page["values"].contains("dressing-dir")) << "the page does not offer it";
  EXPECT_EQ(page["query"], "?seed=3&river&title=say%20%22hi%22%09%5C");
  ASSERT_EQ(page["messages"].size(), 1u);
  EXPECT_EQ(page["messages"][0], parsed.messages[0]);
}

}  // namespace
}  // namespace delvora
