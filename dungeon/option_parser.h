#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dungeon/option_table.h"
#include "dungeon/run_options.h"

namespace delvora {

// An option as an argument gave it, under the name it was typed as ("-o" or "--output").
struct GivenOption {
  const OptionRow* row;
  std::string_view typedAs;
};

// The outcome of parsing arguments: the options, or one line naming the bad argument and what
// it accepts, and the options given, in order.
struct ParsedArguments {
  RunOptions options;
  std::string error;
  std::vector<GivenOption> given;
  bool ok() const { return error.empty(); }
};

// Parses command-line arguments. Options take their value as the next argument or after "="
// ("--seed 7", "--seed=7"); a later option overrides an earlier one. Parsing stops at the first
// bad argument, and after --help or --version. Without canPrint the print options are errors.
// The views of given point into args.
ParsedArguments parseArguments(const std::vector<std::string>& args, bool canPrint);

// The line for a value the option does not accept: "--stairs accepts a number from 0 to 10, not
// \"11\"", naming the option as typed.
std::string badValueError(std::string_view typedAs, const OptionRow& row, std::string_view value);

// The outcome of reading a query: the options, and a message for each parameter that could not
// be used.
struct ParsedQuery {
  RunOptions options;
  std::vector<std::string> messages;
};

// Reads a web page's query ("?seed=42&map-size=1280x1024&river", percent-encoded, "+" for a
// blank) under the command line's names, from the defaults, taking only the options the page
// offers. Each parameter that cannot be used gets one message, holding the command line's error
// where there is one, and leaves its option at the default; the rest are used.
ParsedQuery parseQuery(std::string_view query);

// The query that reproduces the page's options in options: the seed, then each option the page
// offers that differs from its default, in the table's order.
std::string queryFor(const RunOptions& options);

}  // namespace delvora
