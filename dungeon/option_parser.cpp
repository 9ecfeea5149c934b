#include "dungeon/option_parser.h"

#include <initializer_list>
#include <optional>
#include <utility>

namespace delvora {
namespace {

// Joins the parts by appending; chained operator+ on literals trips a false -Wrestrict in g++ 12.
std::string joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "+" is a blank and "%XX" a byte; a "%" without two hex digits stays as it is.
std::string decoded(std::string_view part) {
  std::string text;
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (part[i] == '+') {
      text += ' ';
    } else if (part[i] == '%' && i + 2 < part.size() && hexDigit(part[i + 1]) >= 0 &&
               hexDigit(part[i + 2]) >= 0) {
      text += static_cast<char>(hexDigit(part[i + 1]) * 16 + hexDigit(part[i + 2]));
      i += 2;
    } else {
      text += part[i];
    }
  }
  return text;
}

// Percent-encodes all but letters, digits and -_.!~*'(); a comma stays readable
// ("dead-ends=some,few").
std::string encoded(std::string_view text) {
  static constexpr std::string_view kKept = "-_.!~*'(),";
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool alphanumeric =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (alphanumeric || kKept.find(c) != std::string_view::npos) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

struct QueryPair {
  std::string name;
  std::optional<std::string> value;
};

std::vector<QueryPair> queryPairs(std::string_view query) {
  if (query.starts_with('?')) query.remove_prefix(1);
  std::vector<QueryPair> pairs;
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view part = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    if (part.empty()) continue;
    const std::size_t equals = part.find('=');
    if (equals == std::string_view::npos) {
      pairs.push_back({decoded(part), std::nullopt});
    } else {
      pairs.push_back({decoded(part.substr(0, equals)), decoded(part.substr(equals + 1))});
    }
  }
  return pairs;
}

// The error of one parameter under the command line's rules; empty when it was used.
std::string useParameter(RunOptions& options, const OptionRow& row,
                         const std::optional<std::string>& value) {
  const std::string flagName = optionFlag(row);
  if (row.kind == ValueKind::Flag) {
    if (value && !value->empty()) return joined({flagName, " takes no value"});
    row.store(options, {1, {}});
    return "";
  }
  if (!value) return joined({flagName, " needs a value: ", acceptedValues(row)});
  const std::optional<OptionValue> parsed = parseOptionValue(row, *value);
  if (!parsed) return badValueError(flagName, row, *value);
  row.store(options, *parsed);
  return "";
}

}  // namespace

std::string badValueError(std::string_view typedAs, const OptionRow& row, std::string_view value) {
  return joined({typedAs, " accepts ", acceptedValues(row), ", not \"", value, "\""});
}

ParsedArguments parseArguments(const std::vector<std::string>& args, bool canPrint) {
  ParsedArguments result;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
    const std::string_view name = arg.substr(0, equals);
    const OptionRow* const row = findOption(name);
    if (row == nullptr) {
      const bool looksLikeOption = arg.size() > 1 && arg.front() == '-';
      result.error = joined({looksLikeOption ? "unknown option \"" : "unexpected argument \"", arg,
                             "\" (see --help)"});
      return result;
    }
    if (row->needsPrinting && !canPrint) {
      result.error =
          joined({name, ": this build of delvora-cli cannot print (it was built without Qt)"});
      return result;
    }
    std::string_view value;
    if (row->kind == ValueKind::Flag) {
      if (equals != std::string_view::npos) {
        result.error = joined({name, " takes no value"});
        return result;
      }
    } else if (equals != std::string_view::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      result.error = joined({name, " needs a value: ", acceptedValues(*row)});
      return result;
    }
    const std::optional<OptionValue> parsed = parseOptionValue(*row, value);
    if (!parsed) {
      result.error = badValueError(name, *row, value);
      return result;
    }
    row->store(result.options, *parsed);
    result.given.push_back({row, name});
    if (result.options.showHelp || result.options.showVersion) return result;
  }
  return result;
}

ParsedQuery parseQuery(std::string_view query) {
  ParsedQuery result;
  for (const auto& [name, value] : queryPairs(query)) {
    const OptionRow* const row = findOptionNamed(name);
    if (row == nullptr || !row->web) {
      result.messages.push_back(
          joined({"The link's parameter \"", name,
                  row == nullptr ? "\" is not a Delvora option" : "\" has no use on the web",
                  "; it was ignored."}));
      continue;
    }
    const std::string error = useParameter(result.options, *row, value);
    if (error.empty()) continue;
    std::string message = joined({"The link's parameter \"", name, "\" was not used: ", error});
    if (row->kind == ValueKind::Flag) {
      message += '.';
    } else {
      // Even when an earlier parameter of the same name set it.
      row->store(result.options, defaultValue(*row));
      message += joined({"; it keeps its default (", defaultText(*row), ")."});
    }
    result.messages.push_back(std::move(message));
  }
  return result;
}

std::string queryFor(const RunOptions& options) {
  std::string query = "?seed=" + std::to_string(options.settings.seed);
  for (const OptionRow& row : optionTable()) {
    if (!row.web || row.name == "seed") continue;
    const OptionValue value = row.read(options);
    if (value == defaultValue(row)) continue;
    query += '&';
    query += row.name;
    if (row.kind != ValueKind::Flag) query += '=' + encoded(optionValueText(row, value));
  }
  return query;
}

}  // namespace delvora
