#include "cli/usage.h"

#include <string_view>

#include "dungeon/option_table.h"
#include "version/version.h"

namespace delvora {
namespace {

constexpr std::size_t kWidth = 100;
// Where the descriptions start, after "  " and the option's synopsis.
constexpr std::size_t kDescriptionColumn = 27;

// Appends text in lines of at most kWidth columns, each after indent blanks (the first after
// firstIndent), breaking at blanks.
void appendWrapped(std::string& out, std::string_view text, std::size_t firstIndent) {
  std::size_t column = firstIndent;
  bool lineStart = true;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view word = text.substr(0, blank);
    text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    if (!lineStart && column + 1 + word.size() > kWidth) {
      out += '\n';
      out.append(kDescriptionColumn, ' ');
      column = kDescriptionColumn;
      lineStart = true;
    }
    if (!lineStart) {
      out += ' ';
      ++column;
    }
    out += word;
    column += word.size();
    lineStart = false;
  }
  out += '\n';
}

std::string sectionHeading(std::string_view section) {
  std::string heading(section);
  return heading.append(section == "Output" ? " (nothing is written unless asked):" : ":");
}

}  // namespace

std::string usageText() {
  std::string text = R"(Usage: delvora-cli [options]

Generates one dungeon exactly as "Generate" does (seed, dressing tables, the run), optionally
cleans up dead ends, and writes the files asked for; with --count, one after another.
)";
  std::string_view section;
  for (const OptionRow& row : optionTable()) {
    if (row.section != section) {
      section = row.section;
      text.append("\n").append(sectionHeading(section)).append("\n");
    }
    const std::string synopsis = std::string(2, ' ').append(optionSynopsis(row));
    text += synopsis;
    if (synopsis.size() + 1 > kDescriptionColumn) {
      text += '\n';
      text.append(kDescriptionColumn, ' ');
    } else {
      text.append(kDescriptionColumn - synopsis.size(), ' ');
    }
    std::string description = optionSummary(row);
    if (!row.details.empty()) description.append(". ").append(row.details);
    appendWrapped(text, description, kDescriptionColumn);
  }
  text += R"(
Exit status: 0 done, 1 a dressing file or an output could not be read or written,
2 bad usage (nothing is written).
)";
  return text;
}

std::string versionText() {
  return std::string("delvora-cli ") + buildVersion() + "\n" + kCopyrightNotice + "\n" +
         kLicenceNotice + "\n";
}

}  // namespace delvora
