// Writes what the shell completions and the manual page say about delvora-cli's options from the
// option table, and checks the committed files against it.
//   delvora_option_docs check SOURCE_ROOT   exit 1 naming each file that differs
//   delvora_option_docs write SOURCE_ROOT   rewrites them
#include <cctype>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "dungeon/option_table.h"

namespace {

using delvora::OptionRow;
using delvora::ValueKind;

constexpr std::string_view kManPage = "packaging/man/delvora-cli.1.in";
constexpr std::string_view kBash = "packaging/completion/delvora-cli.bash";
constexpr std::string_view kZsh = "packaging/completion/_delvora-cli";
// The manual's options section runs from this line to the next section.
constexpr std::string_view kOptionsHeading = ".SH OPTIONS\n";
constexpr std::string_view kNextHeading = ".SH EXIT STATUS\n";

// Joins the parts by appending; chained operator+ on literals trips a false -Wrestrict in g++ 12.
std::string cat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

constexpr std::string_view kFilenames = "      compopt -o filenames 2>/dev/null\n";

// The values to offer after an option: its choice words, or a short range of numbers.
std::string words(const OptionRow& row) {
  std::string list;
  const auto add = [&](std::string_view word) {
    if (!list.empty()) list += ' ';
    list += word;
  };
  for (const delvora::ChoiceWord& choice : row.choices) add(choice.word);
  if (row.kind == ValueKind::Integer && row.high - row.low <= 11) {
    for (auto n = row.low; n <= row.high; ++n) add(std::to_string(n));
  }
  return list;
}

// Text for roff: a backslash is \e, and a minus that starts a word (an option) is \-.
std::string roff(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool wordStart = i == 0 || text[i - 1] == ' ' || text[i - 1] == '(' ||
                           text[i - 1] == '-' || text[i - 1] == '"';
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-' && wordStart) {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

std::string manOptions() {
  std::string out(kOptionsHeading);
  std::string_view section;
  for (const OptionRow& row : delvora::optionTable()) {
    if (row.section != section) {
      section = row.section;
      out.append(".SS ").append(section).append("\n");
      if (section == "Output") out += "Nothing is written unless asked for.\n";
    }
    out += ".TP\n";
    if (!row.shortName.empty()) out.append("\\fB\\-").append(row.shortName).append("\\fR, ");
    std::string flag;
    for (const char c : delvora::optionFlag(row)) {
      if (c == '-') flag += '\\';
      flag += c;
    }
    out.append("\\fB").append(flag).append("\\fR");
    if (row.kind != ValueKind::Flag) out.append(" \\fI").append(row.valueName).append("\\fR");
    out += '\n';
    std::string summary = delvora::optionSummary(row);
    summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
    out.append(roff(summary)).append(".\n");
    if (!row.details.empty()) out.append(roff(row.details)).append("\n");
  }
  return out;
}

std::string bashCompletion() {
  std::string out =
      R"(# bash completion for delvora-cli                                  -*- shell-script -*-
# Written by tools/option_docs.cpp from the option table; do not edit.

# Fills COMPREPLY with what compgen prints for the arguments, one entry a line, so that file
# names with blanks stay whole.
_delvora_cli_reply() {
  mapfile -t COMPREPLY < <(compgen "$@")
}

_delvora_cli() {
  local cur prev
  COMPREPLY=()
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD - 1]}

  # "--option=value": bash splits at "=" (it is in COMP_WORDBREAKS by default); when it does
  # not, split the word here.
  if [[ $cur == = ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    cur=
  elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  elif [[ $cur == --*=* ]]; then
    prev=${cur%%=*}
    cur=${cur#*=}
  fi

  case $prev in
)";
  std::string files;
  std::string free;
  std::string all;
  const auto add = [](std::string& list, std::string_view separator, std::string_view item) {
    list.append(list.empty() ? "" : separator).append(item);
  };
  for (const OptionRow& row : delvora::optionTable()) {
    const std::string flag = delvora::optionFlag(row);
    const std::string shortFlag = row.shortName.empty() ? "" : cat({"-", row.shortName});
    // The names as a case pattern ("-o | --output"), and in the list of all options.
    const std::string names = shortFlag.empty() ? flag : cat({shortFlag, " | ", flag});
    if (!shortFlag.empty()) add(all, " ", shortFlag);
    add(all, " ", flag);
    if (row.kind == ValueKind::Flag) continue;
    const std::string list = words(row);
    if (!list.empty()) {
      out += cat({"    ", names, ")\n      _delvora_cli_reply -W '", list,
                  "' -- \"$cur\"\n      return ;;\n"});
    } else if (row.kind == ValueKind::Directory) {
      out += cat({"    ", names, ")\n", kFilenames, "      _delvora_cli_reply -d -- \"$cur\"\n",
                  "      return ;;\n"});
    } else if (row.kind == ValueKind::File && row.dashIsStandardOutput) {
      out += cat({"    ", names, ")\n", kFilenames, "      _delvora_cli_reply -f -- \"$cur\"\n",
                  "      [[ -z $cur ]] && COMPREPLY+=(-)\n      return ;;\n"});
    } else if (row.kind == ValueKind::File) {
      add(files, " | ", names);
    } else {
      add(free, " | ", names);
    }
  }
  out += cat({"    ", files, ")\n", kFilenames, "      _delvora_cli_reply -f -- \"$cur\"\n",
              "      return ;;\n"});
  out += cat({"    ", free, ")\n      # A number, a text or a path of the user's own.\n",
              "      return ;;\n"});
  out += cat({"  esac\n\n  if [[ $cur == -* ]]; then\n    local options='", all, "'\n",
              "    _delvora_cli_reply -W \"$options\" -- \"$cur\"\n  fi\n}\n",
              "complete -F _delvora_cli delvora-cli\n"});
  return out;
}

// Text inside '...[text]...' of _arguments: quotes, brackets and colons escaped.
std::string zshText(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else if (c == '[' || c == ']' || c == ':') {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
  }
  return out;
}

std::string zshCompletion() {
  std::string out =
      "#compdef delvora-cli\n# zsh completion for delvora-cli, written by tools/option_docs.cpp "
      "from the option table; do not edit.\n\n_arguments -s -S";
  for (const OptionRow& row : delvora::optionTable()) {
    const std::string flag = delvora::optionFlag(row);
    const std::string help = cat({"[", zshText(row.help), "]"});
    std::string action;
    if (row.kind == ValueKind::File) {
      action = row.fileExtension.empty() ? "_files"
                                         : cat({"_files -g \"*.", row.fileExtension, "(-.)\""});
    }
    if (row.kind == ValueKind::Directory) action = "_files -/";
    if (!words(row).empty()) action = cat({"(", words(row), ")"});
    const std::string value =
        row.kind == ValueKind::Flag ? "" : cat({":", zshText(row.valueName), ":", action});
    out += " \\\n  ";
    if (row.section == "Information") {
      out += cat({"'(- *)", flag, help, "'"});
    } else if (!row.shortName.empty()) {
      const std::string shortFlag = cat({"-", row.shortName});
      out +=
          cat({"'(", shortFlag, " ", flag, ")'{", shortFlag, "+,", flag, "=}'", help, value, "'"});
    } else {
      out += cat({"'", flag, row.kind == ValueKind::Flag ? "" : "=", help, value, "'"});
    }
  }
  return out + "\n";
}

std::string read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The manual page with its options section replaced; empty when the page has no such section.
std::string manPage(const std::string& page) {
  const std::size_t start = page.find(kOptionsHeading);
  const std::size_t end = page.find(kNextHeading);
  if (start == std::string::npos || end == std::string::npos || end < start) return "";
  return cat(
      {std::string_view(page).substr(0, start), manOptions(), std::string_view(page).substr(end)});
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view mode = argc == 3 ? argv[1] : "";
  if (mode != "check" && mode != "write") {
    std::cerr << "usage: delvora_option_docs check|write SOURCE_ROOT\n";
    return 2;
  }
  const std::string root = std::string(argv[2]) + "/";
  const std::string manPath = root + std::string(kManPage);
  const std::pair<std::string, std::string> files[] = {
      {manPath, manPage(read(manPath))},
      {root + std::string(kBash), bashCompletion()},
      {root + std::string(kZsh), zshCompletion()},
  };
  int status = 0;
  for (const auto& [path, text] : files) {
    if (text.empty()) {
      std::cerr << path << ": no options section to replace\n";
      return 1;
    }
    if (read(path) == text) continue;
    if (mode == "write") {
      std::ofstream(path, std::ios::binary) << text;
      std::cout << "wrote " << path << "\n";
    } else {
      std::cerr << path
                << " is not what the option table gives; run delvora_option_docs write, or "
                   "build the target update_option_docs\n";
      status = 1;
    }
  }
  return status;
}
