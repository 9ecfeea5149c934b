#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dungeon/run_options.h"

namespace delvora {

// The option table as JSON, an array of one object an option, for the web page to build its form
// from: name, shortName, kind ("flag", "integer", "choice", "text", "file", "directory"),
// valueName, low and high (integers), choices ([{word, caption}]), offered ([{value, note}]),
// accepts, default (as the option is given it; "on"/"off" for a flag), defaultText, help,
// caption, window ("options", "advanced" or ""), web and needsPrinting.
std::string optionTableJson();

// The page's options in options, and messages, as JSON: {"values": {name: text, ...},
// "query": queryFor(options), "messages": [...]}; a flag's text is "on" or "off".
std::string pageOptionsJson(const RunOptions& options, const std::vector<std::string>& messages);

// text as a JSON string, and texts as a JSON array of strings.
std::string jsonString(std::string_view text);
std::string jsonStrings(const std::vector<std::string>& texts);

}  // namespace delvora
