#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "dungeon/run_options.h"

namespace delvora {

// How an option takes its value.
enum class ValueKind {
  // No value: naming the option sets it.
  Flag,
  // Plain decimal digits within low..high.
  Integer,
  // One of the words of choices.
  Choice,
  // Any text.
  Text,
  // A file to write.
  File,
  // A directory to read.
  Directory,
};

// A word a choice option accepts, the caption a window shows for it and the value it stands for.
struct ChoiceWord {
  std::string_view word;
  std::string_view caption;
  int value;
};

// A value a window's list offers for an integer option, with a note shown beside it or none.
struct OfferedValue {
  int value;
  std::string_view note;
};

// An option's value: the number of an integer, the value of a choice word, 1 for a flag in
// effect; the text of text, file and directory options.
struct OptionValue {
  std::int64_t number = 0;
  std::string text;
  friend bool operator==(const OptionValue&, const OptionValue&) = default;
};

// Where a window shows an option.
enum class OptionWindow { None, Options, Advanced };

// One option of delvora-cli, and of the web page where web is set.
// The fields are in the order a row of the table reads (rows use designated initializers), not
// packed; the table has a few dozen rows.
struct OptionRow {  // NOLINT(clang-analyzer-optin.performance.Padding)
  // Given as "--" + name, or "-" + shortName.
  std::string_view name = {};
  std::string_view shortName = {};
  ValueKind kind = ValueKind::Flag;
  // What --help and the manual call the value: "N", "FILE".
  std::string_view valueName = {};
  // Integer: the range.
  std::int64_t low = 0;
  std::int64_t high = 0;
  // Choice: the words, in the order they are offered.
  std::span<const ChoiceWord> choices = {};
  // Integer: the values a window's list offers, when it is not the whole range.
  std::span<const OfferedValue> offered = {};
  // Text, file and directory options: what a value may be, as messages say it.
  std::string_view accepts = {};
  // Text, file and directory options: whether an empty value is accepted.
  bool mayBeEmpty = false;
  // File options: "-" stands for standard output.
  bool dashIsStandardOutput = false;
  // File options: the extension of the files a shell offers ("png"), or "" for any file.
  std::string_view fileExtension = {};
  // One line of help, lower case and without a full stop.
  std::string_view help = {};
  // What the help shows as the default instead of the value read from RunOptions{}.
  std::string_view defaultNote = {};
  // More for --help and the manual page, in full sentences; may be empty.
  std::string_view details = {};
  // The caption of the window's control, and which window shows it.
  std::string_view caption = {};
  OptionWindow window = OptionWindow::None;
  // The part of --help and the manual page it is listed in: "Generation", "Output", "Information".
  std::string_view section = {};
  // The web page offers it: in its form, its links and its queries.
  bool web = false;
  // It shapes the dungeon (not how or where the dungeon is written): the dungeon document lists
  // it among its settings.
  bool shapesDungeon = false;
  // Only a build with printing (Qt) offers it.
  bool needsPrinting = false;
  // Stores a value that parseOptionValue accepted.
  void (*store)(RunOptions& options, const OptionValue& value) = nullptr;
  // The option's value in options: for a flag, 1 when the options are as naming it makes them.
  OptionValue (*read)(const RunOptions& options) = nullptr;
};

// Every option, in the order --help lists them and links name them.
std::span<const OptionRow> optionTable();

// The option given as "--name" or "-shortName"; null for any other argument.
const OptionRow* findOption(std::string_view given);
// The option of a long name without its dashes ("seed"); null when there is none.
const OptionRow* findOptionNamed(std::string_view name);

// "--" and the long name.
std::string optionFlag(const OptionRow& row);

// What the option accepts, as messages say it: "a number from 0 to 10", "tiny, small, medium or
// large", "a file name"; empty for a flag.
std::string acceptedValues(const OptionRow& row);

// The value text stands for, or nothing when the option does not accept it. Numbers are plain
// decimal digits: no sign, blanks or other bases.
std::optional<OptionValue> parseOptionValue(const OptionRow& row, std::string_view text);

// The value as the option is given it: "800x600", "13", "some,few"; a choice value no word
// stands for is "none"; an integer outside its range (not given, without a default of its own,
// as --px-per-grid) is empty; a flag is "on" or "off".
std::string optionValueText(const OptionRow& row, const OptionValue& value);

// The value with which a run starts, read from RunOptions{}.
OptionValue defaultValue(const OptionRow& row);

// The default as help shows it: defaultNote, else the default's text ("empty" for empty text).
std::string defaultText(const OptionRow& row);

// The line --help and the manual show: the help, the values accepted and the default, as in
// "staircases, 0..10 (default 0)" or "room size: tiny, small, medium or large (default small)".
std::string optionSummary(const OptionRow& row);

// How the option is written in --help: "-o, --output FILE", "--seed N", "--river".
std::string optionSynopsis(const OptionRow& row);

}  // namespace delvora
