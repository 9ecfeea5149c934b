#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

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

// The value as compact JSON text; bytes that are not UTF-8 are replaced.
std::string compactJson(const nlohmann::ordered_json& value);

}  // namespace delvora
