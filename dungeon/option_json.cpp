#include "dungeon/option_json.h"

#include <cstdio>
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

// One member: "name":value, with a comma before all but the first.
class JsonObject {
 public:
  JsonObject& raw(std::string_view name, std::string_view json) {
    m_text += m_text.size() > 1 ? "," : "";
    m_text += jsonString(name) + ':' + std::string(json);
    return *this;
  }
  JsonObject& text(std::string_view name, std::string_view value) {
    return raw(name, jsonString(value));
  }
  JsonObject& number(std::string_view name, long long value) {
    return raw(name, std::to_string(value));
  }
  JsonObject& boolean(std::string_view name, bool value) {
    return raw(name, value ? "true" : "false");
  }
  std::string close() const { return m_text + '}'; }

 private:
  std::string m_text = "{";
};

std::string rowJson(const OptionRow& row) {
  JsonObject object;
  object.text("name", row.name)
      .text("shortName", row.shortName)
      .text("kind", kindName(row.kind))
      .text("valueName", row.valueName);
  if (row.kind == ValueKind::Integer) object.number("low", row.low).number("high", row.high);
  std::string choices = "[";
  for (const ChoiceWord& choice : row.choices) {
    if (choices.size() > 1) choices += ',';
    choices += JsonObject().text("word", choice.word).text("caption", choice.caption).close();
  }
  std::string offered = "[";
  for (const OfferedValue& value : row.offered) {
    if (offered.size() > 1) offered += ',';
    offered += JsonObject().number("value", value.value).text("note", value.note).close();
  }
  return object.raw("choices", choices + ']')
      .raw("offered", offered + ']')
      .text("accepts", acceptedValues(row))
      .text("default", optionValueText(row, defaultValue(row)))
      .text("defaultText", defaultText(row))
      .text("help", row.help)
      .text("caption", row.caption)
      .text("window", windowName(row.window))
      .boolean("web", row.web)
      .boolean("needsPrinting", row.needsPrinting)
      .close();
}

}  // namespace

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + '"';
}

std::string jsonStrings(const std::vector<std::string>& texts) {
  std::string json = "[";
  for (const std::string& text : texts) {
    if (json.size() > 1) json += ',';
    json += jsonString(text);
  }
  return json + ']';
}

std::string optionTableJson() {
  std::string json = "[";
  for (const OptionRow& row : optionTable()) {
    if (json.size() > 1) json += ',';
    json += rowJson(row);
  }
  return json + ']';
}

std::string pageOptionsJson(const RunOptions& options, const std::vector<std::string>& messages) {
  JsonObject values;
  for (const OptionRow& row : optionTable()) {
    if (row.web) values.text(row.name, optionValueText(row, row.read(options)));
  }
  return JsonObject()
      .raw("values", values.close())
      .text("query", queryFor(options))
      .raw("messages", jsonStrings(messages))
      .close();
}

}  // namespace delvora
