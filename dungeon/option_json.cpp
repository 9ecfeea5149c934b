#include "dungeon/option_json.h"

#include <string_view>

#include "dungeon/option_parser.h"
#include "dungeon/option_table.h"

namespace delvora {
namespace {

std::string_view kindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::Integer:
      return "integer";
    case ValueKind::Choice:
      return "choice";
    case ValueKind::Text:
      return "text";
    case ValueKind::File:
      return "file";
    case ValueKind::Directory:
      return "directory";
    case ValueKind::Flag:
      break;
  }
  return "flag";
}

std::string_view windowName(OptionWindow window) {
  switch (window) {
    case OptionWindow::Options:
      return "options";
    case OptionWindow::Advanced:
      return "advanced";
    case OptionWindow::None:
      break;
  }
  return "";
}

nlohmann::ordered_json rowJson(const OptionRow& row) {
  nlohmann::ordered_json object = {{"name", row.name},
                                   {"shortName", row.shortName},
                                   {"kind", kindName(row.kind)},
                                   {"valueName", row.valueName}};
  if (row.kind == ValueKind::Integer) {
    object["low"] = row.low;
    object["high"] = row.high;
  }
  nlohmann::ordered_json& choices = object["choices"] = nlohmann::ordered_json::array();
  for (const ChoiceWord& choice : row.choices) {
    choices.push_back({{"word", choice.word}, {"caption", choice.caption}});
  }
  nlohmann::ordered_json& offered = object["offered"] = nlohmann::ordered_json::array();
  for (const OfferedValue& value : row.offered) {
    offered.push_back({{"value", value.value}, {"note", value.note}});
  }
  object["accepts"] = acceptedValues(row);
  object["default"] = optionValueText(row, defaultValue(row));
  object["defaultText"] = defaultText(row);
  object["help"] = row.help;
  object["caption"] = row.caption;
  object["window"] = windowName(row.window);
  object["web"] = row.web;
  object["needsPrinting"] = row.needsPrinting;
  return object;
}

}  // namespace

std::string compactJson(const nlohmann::ordered_json& value) {
  // Text the page gave (a title) may be any bytes: what is not UTF-8 is replaced, not refused.
  return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string optionTableJson() {
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const OptionRow& row : optionTable()) rows.push_back(rowJson(row));
  return compactJson(rows);
}

std::string pageOptionsJson(const RunOptions& options, const std::vector<std::string>& messages) {
  nlohmann::ordered_json values = nlohmann::ordered_json::object();
  for (const OptionRow& row : optionTable()) {
    if (row.web) values[std::string(row.name)] = optionValueText(row, row.read(options));
  }
  return compactJson({{"values", values}, {"query", queryFor(options)}, {"messages", messages}});
}

}  // namespace delvora
